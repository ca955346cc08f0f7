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
    EXPECT_EQ(plan.mainName, c.mainName);
    EXPECT_EQ(plan.manifestText, QStringLiteral("Main-Class: ") + c.mainName + QStringLiteral("\r\n"));
    EXPECT_EQ(plan.Arguments(QStringLiteral("/tmp/MainClass1")),
              QStringList({QStringLiteral("cfm"), c.mainName + QStringLiteral(".jar"), QStringLiteral("/tmp/MainClass1")})
                  + c.entries);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JarPlanning,
    ::testing::Values(
        PlanCase{"two_classes", {"/work/App.class", "/work/Util.class"}, "/work/App.class",
                 "/work/", "App", {"App.class", "Util.class"}},
        PlanCase{"main_without_extension", {"/work/App", "/work/Util.class"}, "/work/App",
                 "/work/", "", {"App", "Util.class"}},
        PlanCase{"main_in_subfolder", {"/work/A.txt", "/work/sub/App.class"}, "/work/sub/App.class",
                 "/work/", "sub/App", {"A.txt", "sub/App.class"}},
        PlanCase{"two_folders", {"/a/x/One.class", "/a/y/Two.class"}, "/a/y/Two.class",
                 "/a/x/", "/a/y/Two", {"One.class", "/a/y/Two.class"}},
        // The base folder's name deeper inside another path is not cut out of it.
        PlanCase{"base_name_inside_other_path", {"/t/a/App.class", "/t/b/t/a/X.class"}, "/t/b/t/a/X.class",
                 "/t/a/", "/t/b/t/a/X", {"App.class", "/t/b/t/a/X.class"}},
        // Only the file name's own extension is cut.
        PlanCase{"dotted_folder", {"/w/A.class", "/w/v1.2/Main"}, "/w/v1.2/Main", "/w/", "", {"A.class", "v1.2/Main"}},
        PlanCase{"dotted_folder_and_name", {"/w/v1.2/pkg.x/App.class"}, "/w/v1.2/pkg.x/App.class",
                 "/w/v1.2/pkg.x/", "App", {"App.class"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JarEntries, AreSortedIgnoringCaseWithDuplicatesKept)
{
    const QStringList dropped{"/w/b.class", "/w/A.class", "/w/sub", "/w/a.class", "/w/B.class", "/w/A.class"};
    EXPECT_EQ(SortedJarEntries(dropped),
              QStringList({"/w/A.class", "/w/a.class", "/w/A.class", "/w/b.class", "/w/B.class", "/w/sub"}));
}

}  // namespace
