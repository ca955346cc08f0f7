// Where the output window goes on the screens there are now.
#include "output/WindowPlacement.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace output;

namespace {

constexpr QSize kMinimum(320, 200);

struct PlacementCase {
    const char* name;
    QRect stored;
    QList<QRect> screens;
    QRect placed;
};

const QRect kFullHd(0, 0, 1920, 1080);

const PlacementCase kPlacements[] = {
    {"fits", {10, 10, 400, 300}, {kFullHd}, {10, 10, 400, 300}},
    {"off the right edge", {2000, 10, 400, 300}, {kFullHd}, {1520, 10, 400, 300}},
    {"too small", {10, 10, 1, 1}, {kFullHd}, {10, 10, 320, 200}},
    {"inverted", {300, 300, -200, -100}, {kFullHd}, {300, 300, 320, 200}},
    {"larger than the screen", {-10, -10, 3000, 2000}, {kFullHd}, kFullHd},
    {"partly off the screen", {1800, -20, 400, 300}, {kFullHd}, {1800, -20, 400, 300}},
    {"on the second screen", {2000, 100, 400, 300}, {kFullHd, {1920, 0, 1920, 1080}}, {2000, 100, 400, 300}},
    {"on a screen left of the first",
     {-1500, 100, 400, 300},
     {kFullHd, {-1920, 0, 1920, 1080}},
     {-1500, 100, 400, 300}},
    {"the second screen gone", {2500, 100, 400, 300}, {kFullHd}, {1520, 100, 400, 300}},
    {"mostly on the smaller screen", {1700, 100, 1000, 900}, {kFullHd, {1920, 0, 1280, 720}}, {1920, 0, 1000, 720}},
    {"stored at scale 1, now at scale 2", {1000, 600, 400, 300}, {{0, 0, 960, 540}}, {560, 240, 400, 300}},
    {"a screen smaller than the minimum", {0, 0, 100, 100}, {{0, 0, 300, 180}}, {0, 0, 320, 200}},
    {"off screen, the owner's screen first",
     {5000, 5000, 400, 300},
     {{1920, 0, 1920, 1080}, kFullHd},
     {3440, 780, 400, 300}},
    {"no screens", {5, 5, 10, 10}, {}, {5, 5, 320, 200}}};

TEST(FitOnScreens, KeepsAUsableWindowOnAScreen)
{
    for (const PlacementCase& c : kPlacements)
        EXPECT_EQ(FitOnScreens(c.stored, c.screens, kMinimum), c.placed) << c.name;
}

}  // namespace
