#include "runner/ToolArguments.h"
#include "runner/ToolInvocation.h"
#include "settings/COptionModel.h"

#include "tests/support/QtPrinters.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

QStringList Names(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* n : names)
        list << QString::fromUtf8(n);
    return list;
}

TEST(JavaWildcard, ExpandsToTheFolderSourcesSortedByName)
{
    TempFolder folder;
    for (const char* name : {"b.java", "A.java", "Z.JAVA", "notes.txt", ".hidden.java", "-opt.java", "@list.java"})
        folder.Write(QString::fromUtf8(name));
    QDir().mkdir(folder.Path("dir.java"));
    // Names that look like options or argument files stay file names.
    EXPECT_EQ(runner::ExpandJavaWildcard(Names({"-classpath", ".", "*.java"}), folder.Path()),
              Names({"-classpath", ".", "./-opt.java", "./@list.java", "A.java", "b.java"}));
}

TEST(JavaWildcard, StaysWhenNothingMatches)
{
    TempFolder folder;
    folder.Write(QStringLiteral("readme.txt"));
    EXPECT_EQ(runner::ExpandJavaWildcard(Names({"*.java"}), folder.Path()), Names({"*.java"}));
    EXPECT_EQ(runner::ExpandJavaWildcard(Names({"*.java"}), folder.Path("missing/")), Names({"*.java"}));
}

TEST(BuildInvocation, TakesTheToolFromTheJdkAndSplitsTheArguments)
{
    TempFolder folder;
    folder.Write(QStringLiteral("Two.java"));
    folder.Write(QStringLiteral("One.java"));
    const auto spec = runner::BuildInvocation(QStringLiteral("/opt/my jdk/bin/"), QStringLiteral("javac.exe"),
                                              QStringLiteral("-classpath \".;/my libs/a.jar\" *.java"), folder.Path());
    EXPECT_EQ(spec.program, QStringLiteral("/opt/my jdk/bin/javac"));
    EXPECT_EQ(spec.arguments, Names({"-classpath", ".;/my libs/a.jar", "One.java", "Two.java"}));
    EXPECT_EQ(spec.workingFolder, folder.Path());
    EXPECT_TRUE(runner::BuildInvocation(QStringLiteral("/j/"), QStringLiteral("java.exe"), QString(), {})
                    .arguments.isEmpty());
}

struct JavaRunCase {
    const char* fileName;
    const char* title;
    const char* extension;
    const char* javaArgs;
    std::vector<const char*> arguments;
    const char* fileToTest;
};

class RunJavaArgumentsTest : public ::testing::TestWithParam<JavaRunCase> {};

TEST_P(RunJavaArgumentsTest, NamesTheClassOrTheArchive)
{
    const JavaRunCase& c = GetParam();
    const runner::JavaRun run =
        runner::RunJavaArguments(QStringLiteral("-classpath . "), QString::fromUtf8(c.javaArgs),
                                 QString::fromUtf8(c.fileName), QString::fromUtf8(c.title), QString::fromUtf8(c.extension));
    QStringList expected{QStringLiteral("/j/java")};
    for (const char* a : c.arguments)
        expected << QString::fromUtf8(a);
    const auto spec = runner::BuildInvocation(QStringLiteral("/j/"), QStringLiteral("java.exe"), run.arguments, {});
    EXPECT_EQ(QStringList(spec.program) + spec.arguments, expected);
    EXPECT_EQ(run.fileToTest, QString::fromUtf8(c.fileToTest));
}

INSTANTIATE_TEST_SUITE_P(
    Files, RunJavaArgumentsTest,
    ::testing::Values(
        JavaRunCase{"Hello.java", "Hello", "java", "", {"-classpath", ".", "Hello"}, "Hello.class"},
        JavaRunCase{"Hello.class", "Hello", "class", "a \"b c\"", {"-classpath", ".", "Hello", "a", "b c"}, "Hello.class"},
        JavaRunCase{"Tool.JAR", "Tool", "jar", "", {"-classpath", ".", "-jar", "Tool.JAR"}, "Tool.JAR"},
        JavaRunCase{"My Tool.jar", "My Tool", "jar", "x", {"-classpath", ".", "-jar", "My Tool.jar", "x"}, "My Tool.jar"},
        JavaRunCase{"Odd Name.java", "Odd Name", "java", "", {"-classpath", ".", "Odd Name"}, "Odd Name.class"}));

TEST(ToolArguments, QuoteNamesWithBlanks)
{
    EXPECT_EQ(runner::CompileArguments(QStringLiteral("-classpath . "), QStringLiteral("My App.java")),
              QStringLiteral("-classpath . \"My App.java\""));
    EXPECT_EQ(runner::AppletViewerArguments(QStringLiteral("My App")), QStringLiteral("\"My App.html\""));
    EXPECT_EQ(runner::RebuildArguments(QStringLiteral("-O ")), QStringLiteral("-O *.java"));
}

TEST(ToolArguments, HeaderByJavacTakesOnlyTheJavahClassPath)
{
    StoredOptions stored;
    stored.javahOption = true;
    stored.javahStrOption = QStringLiteral("-jni");
    EXPECT_EQ(runner::HeaderByJavacArguments(stored, QStringLiteral("Foo.java")),
              QStringLiteral("-h . -classpath . Foo.java"));
    stored.javahClassPath = true;
    stored.javahStrClassPath = QStringLiteral("lib");
    EXPECT_EQ(runner::HeaderByJavacArguments(stored, QStringLiteral("Foo.java")),
              QStringLiteral("-h . -classpath .;lib Foo.java"));
}

}  // namespace
