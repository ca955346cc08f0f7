#include "app/CommandStates.h"
#include "commands/CommandIds.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using List = QList<int>;

List Sorted(List ids)
{
    std::sort(ids.begin(), ids.end());
    return ids;
}

TEST(CommandStates, SourceFileEnablesEverything)
{
    const CommandStates s = ComputeCommandStates(true, QStringLiteral("java"));
    EXPECT_EQ(Sorted(s.enabledButtons), Sorted({1004, 1005, 1006, 1007, 1008, 1046, 1047, 1049}));
    EXPECT_TRUE(s.disabledButtons.isEmpty());
    EXPECT_EQ(Sorted(s.enabledItems), Sorted({cmd::RunJava, cmd::RunAppletViewer, cmd::Compile, cmd::Javah, cmd::Rmic,
                                              cmd::Rebuild, cmd::EditSource, cmd::EditSourceWith, cmd::MakeDocument,
                                              cmd::MakeAllDocuments, cmd::EditHtml, cmd::RunBrowser, cmd::MakeHtml}));
    EXPECT_TRUE(s.greyedItems.isEmpty());
}

TEST(CommandStates, ClassAndJarRunButDoNotCompile)
{
    for (const char* extension : {"class", "jar", "txt", ""}) {
        const CommandStates s = ComputeCommandStates(true, QString::fromUtf8(extension));
        EXPECT_EQ(Sorted(s.enabledButtons), Sorted({1005, 1006, 1049, 1007, 1008})) << extension;
        EXPECT_EQ(Sorted(s.disabledButtons), Sorted({1004, 1046, 1047})) << extension;
        EXPECT_EQ(Sorted(s.greyedItems), Sorted({cmd::Compile, cmd::Javah, cmd::Rmic, cmd::Rebuild, cmd::EditSource,
                                                 cmd::EditSourceWith, cmd::MakeDocument, cmd::MakeAllDocuments}))
            << extension;
        EXPECT_TRUE(s.enabledItems.contains(cmd::RunJava) && s.enabledItems.contains(cmd::MakeHtml)
                    && s.enabledItems.contains(cmd::RunBrowser) && s.enabledItems.contains(cmd::EditHtml));
    }
}

TEST(CommandStates, UnusableGreysEveryFileCommandAndTouchesNothingElse)
{
    const CommandStates s = ComputeCommandStates(false, QStringLiteral("java"));
    EXPECT_TRUE(s.enabledButtons.isEmpty());
    EXPECT_TRUE(s.enabledItems.isEmpty());
    EXPECT_EQ(Sorted(s.disabledButtons), Sorted({1004, 1005, 1006, 1049, 1046, 1047, 1007, 1008}));
    EXPECT_EQ(s.greyedItems.size(), 13);
    for (int untouched : {cmd::OpenJavaFile, cmd::ChooseJdk, cmd::Exit, cmd::MakeApplet, cmd::MakeClass, cmd::MakeJar,
                          cmd::Options, cmd::Help, cmd::JavaDocument, cmd::About})
        EXPECT_FALSE(s.greyedItems.contains(untouched)) << untouched;
}

}  // namespace
