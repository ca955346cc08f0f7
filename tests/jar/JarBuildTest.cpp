#include "runner/JarBuild.h"

#include <gtest/gtest.h>

namespace {

struct PlanCase {
    const char* name;
    QStringList files;  // in list order
    QString mainFile;
    QString baseFolder;
    QString mainName;
    QStringList entries;
};

class JarPlanning : public ::testing::TestWithParam<PlanCase> {};

TEST_P(JarPlanning, DerivesNamesFromTheListedFiles)
{
    const PlanCase& c = GetParam();
    const JarPlan plan = PlanJar(c.files, c.mainFile);
    EXPECT_EQ(plan.baseFolder, c.baseFolder);
    EXPECT_EQ(plan.manifestText, QStringLiteral("Main-Class: ") + c.mainName + QStringLiteral("\r\n"));
    EXPECT_EQ(plan.Arguments("/tmp/MainClass1"), QStringList({"cfm", c.mainName + ".jar", "/tmp/MainClass1"}) + c.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JarPlanning,
    ::testing::Values(
        PlanCase{"two_classes", {"/w/App.class", "/w/Util.class"}, "/w/App.class", "/w/", "App", {"App.class", "Util.class"}},
        PlanCase{"main_without_dot", {"/w/App", "/w/Util.class"}, "/w/App", "/w/", "", {"App", "Util.class"}},
        PlanCase{"main_in_subfolder", {"/w/A.txt", "/w/sub/App.class"}, "/w/sub/App.class", "/w/", "sub/App",
                 {"A.txt", "sub/App.class"}},
        PlanCase{"two_folders", {"/a/x/One.class", "/a/y/Two.class"}, "/a/x/One.class", "/a/x/", "One",
                 {"One.class", "/a/y/Two.class"}},
        // The base folder's name deeper inside another path stays in it.
        PlanCase{"base_inside_other_path", {"/t/a/App.class", "/t/b/t/a/X.class"}, "/t/b/t/a/X.class", "/t/a/",
                 "/t/b/t/a/X", {"App.class", "/t/b/t/a/X.class"}},
        // A dot in a folder name is no extension.
        PlanCase{"dotted_folder", {"/w/A.class", "/w/v1.2/Main"}, "/w/v1.2/Main", "/w/", "", {"A.class", "v1.2/Main"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JarEntries, AreSortedIgnoringCaseWithDuplicatesKept)
{
    EXPECT_EQ(SortedJarEntries({"/w/b.class", "/w/A.class", "/w/sub", "/w/a.class", "/w/B.class", "/w/A.class"}),
              QStringList({"/w/A.class", "/w/a.class", "/w/A.class", "/w/b.class", "/w/B.class", "/w/sub"}));
}

}  // namespace
