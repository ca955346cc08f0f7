#include "tests/support/TestMain.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Widgets need a platform; tests never need a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    SetTestFolders();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
