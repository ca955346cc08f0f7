// Class files and package declarations, and where the tools work on a file of a package.
#include "java/ClassFile.h"
#include "java/PackageRoot.h"
#include "platform/JdkFeatures.h"
#include "platform/JdkLocator.h"

#include "tests/runner/RunnerTestSupport.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using namespace java;
using namespace platform;

namespace {

CurrentFile FileAt(const QString& path)
{
    const QFileInfo info(path);
    return {info.fileName(), info.completeBaseName(), info.absolutePath() + '/', info.suffix().toLower()};
}

TEST(DeclaredPackage, ReadsTheFirstDeclarationPastCommentsAnnotationsAndMarks)
{
    const QByteArray utf16 =
        QByteArray("\xFF\xFE", 2) + QByteArray(reinterpret_cast<const char*>(u"/* x */package u16;"), 2 * 19);
    const std::pair<QByteArray, const char*> cases[] = {
        {"package a.b;\nclass X { }", "a.b"},
        {"\xEF\xBB\xBF// head\r/* 著作権 */\tpackage  a . b /* c */ ;", "a.b"},
        {"@Deprecated @SuppressWarnings(value = {\"(\"}) package jp.example;", "jp.example"},
        {"package 日本.語;", "日本.語"},
        {"// \x95\x5C\x8E\xA6 (CP932)\npackage sjis;", "sjis"},
        {utf16, "u16"},
        {"import a.b;\npackage c;", ""},
        {"packages a;", ""},
        {"package a.b", ""},
        {"package a.;", ""},
        {"/* package a;", ""},
        {"@interface A { } package a;", ""},
        {"", ""},
    };
    for (const auto& [source, package] : cases)
        EXPECT_EQ(DeclaredPackage(source), QString::fromUtf8(package)) << source.toStdString();
}

// Letter case and whole folder names count.
TEST(ResolveJavaTarget, MovesToThePackageRootOnlyWhereTheFoldersMatch)
{
    TempFolder dir;
    // file, text, and the target: folder, file, class, class file, misplaced
    const std::tuple<const char*, QByteArray, QString, QString, QString, QString, bool> cases[] = {
        {"src/a/b/Main.java", "package a.b;", "", "a/b/Main.java", "a.b.Main", "a/b/Main.class", false},
        {"src/x/Main.java", "package a.b;", "x/", "Main.java", "Main", "Main.class", true},
        {"src/A/b/Main.java", "package a.b;", "A/b/", "Main.java", "Main", "Main.class", true},
        {"src/ab/Main.java", "package b;", "ab/", "Main.java", "Main", "Main.class", true},
        {"src/b/Plain.java", "class Plain { }", "b/", "Plain.java", "Plain", "Plain.class", false},
        {"src/a/b/Tool.JAR", "package a.b;", "a/b/", "Tool.JAR", "Tool", "Tool.class", false},
    };
    for (const auto& [file, text, folder, relative, className, classFile, misplaced] : cases) {
        const JavaTarget target = ResolveJavaTarget(FileAt(dir.Write(file, text)));
        EXPECT_EQ(QStringList({target.folder, target.file, target.className, target.classFile}),
                  QStringList({dir.Path("src/" + folder), relative, className, classFile}))
            << file;
        EXPECT_EQ(target.misplaced, misplaced) << file;
    }
}

class ClassFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!jdk)
            GTEST_SKIP() << "no JDK installed";
    }
    // Runs javac in the folder; its messages.
    QString Javac(const QStringList& arguments) const
    {
        QProcess javac;
        javac.setWorkingDirectory(dir.Path());
        javac.start(*jdk + "javac", QStringList{"-encoding", "UTF-8"} + arguments);
        javac.waitForFinished(-1);
        return QString::fromUtf8(javac.readAllStandardOutput() + javac.readAllStandardError());
    }

    const std::optional<QString> jdk = FindJdk();
    TempFolder dir;
};

TEST_F(ClassFiles, NameVersionAndMainAsJavacWritesThemAndTheNameDecidesTheRun)
{
    dir.Write("a/b/Main.java",
              "package a.b; public class Main { public static void main(String... a) { new Object() { }; } }");
    dir.Write("Instance.java", "public class Instance { public void main(String[] a) { } }");
    dir.Write("Hidden.java", "class Hidden { static void main(String[] a) { } }");
    dir.Write("Returns.java", "public class Returns { public static int main(String[] a) { return 0; } }");
    dir.Write("日本/挨拶.java", "package 日本; public class 挨拶 { public static void main(String[] a) { } }");
    ASSERT_EQ(Javac({"a/b/Main.java", "Instance.java", "Hidden.java", "Returns.java", "日本/挨拶.java"}), "");
    ASSERT_EQ(Javac({"--release", "8", "-Xlint:-options", "-d", "old", "Returns.java"}), "");
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"a/b/Main.class", "a.b.Main", true},  {"a/b/Main$1.class", "a.b.Main$1", false},
        {"Instance.class", "Instance", false}, {"Hidden.class", "Hidden", false},
        {"Returns.class", "Returns", false},   {"日本/挨拶.class", "日本.挨拶", true}};
    const int major = ReadClassFile(dir.Path("Instance.class")).value_or(ClassFileInfo{}).majorVersion;
    EXPECT_GE(major, 55);
    for (const auto& [file, name, hasMain] : cases) {
        const auto info = ReadClassFile(dir.Path(QString::fromUtf8(file)));
        ASSERT_TRUE(info) << file;
        EXPECT_EQ(std::tuple(info->name, info->hasMain, info->majorVersion),
                  std::tuple(QString::fromUtf8(name), hasMain, major))
            << file;
    }
    EXPECT_EQ(ReadClassFile(dir.Path("old/Returns.class")).value_or(ClassFileInfo{}).majorVersion, 52);
    for (const QString& notAClass : {dir.Path("a/b/Main.java"), dir.Path("a"), dir.Path("missing.class")})
        EXPECT_FALSE(ReadClassFile(notAClass)) << notAClass.toStdString();

    // A copy outside the package's folders is misplaced; a renamed one keeps its own name.
    const QByteArray bytes = dir.Read("a/b/Main.class");
    const std::tuple<QString, QString, bool> copies[] = {{dir.Path("a/b/Main.class"), "a.b.Main", false},
                                                         {dir.Write("x/Main.class", bytes), "Main", true},
                                                         {dir.Write("a/b/Other.class", bytes), "Other", false}};
    for (const auto& [path, className, misplaced] : copies) {
        const JavaTarget target = ResolveJavaTarget(FileAt(path));
        EXPECT_EQ(std::tuple(target.className, target.misplaced), std::tuple(className, misplaced))
            << path.toStdString();
    }
}

// Which classes java starts, asked of java itself: the rule for each release must agree with every installed JDK.
TEST_F(ClassFiles, TheMainMethodsThatJavaStartsAreTheOnesRecognised)
{
    const std::pair<const char*, const char*> sources[] = {
        {"Classic", "public class Classic { public static void main(String[] a) { } }"},
        {"InstanceMain", "class InstanceMain { void main() { } }"},
        {"StaticNoArgs", "class StaticNoArgs { static void main() { } }"},
        {"PackageMain", "class PackageMain { static void main(String[] a) { } }"},
        {"Protected", "class Protected { protected void main(String[] a) { } }"},
        {"PrivateMain", "class PrivateMain { private static void main(String[] a) { } }"},
        {"PrivateMaker", "class PrivateMaker { private PrivateMaker() { } void main() { } }"},
        {"Abstract", "abstract class Abstract { void main() { } }"},
        {"ArgsFirst", "class ArgsFirst { ArgsFirst(int x) { } void main(String[] a) { } static void main() { } }"},
        {"ReturnsInt", "class ReturnsInt { static int main(String[] a) { return 0; } }"},
        {"Iface", "interface Iface { static void main(String[] a) { } }"},
    };
    QStringList names, files;
    for (const auto& [name, text] : sources) {
        names << QString::fromUtf8(name);
        files << dir.Write(names.last() + ".java", text);
    }
    QStringList jdks{*jdk};
    if (const QString newer = "/usr/lib/jvm/temurin-25-jdk-amd64/bin/"; QFileInfo::exists(newer + "java"))
        jdks << newer;
    // Built for the oldest JDK, so that each one runs the same class files.
    QProcess javac;
    javac.setWorkingDirectory(dir.Path());
    javac.setProcessChannelMode(QProcess::MergedChannels);
    javac.start(jdks.last() + "javac", QStringList{"--release", "17", "-d", "."} + files);
    ASSERT_TRUE(javac.waitForFinished(-1) && javac.exitCode() == 0) << javac.readAll().toStdString();
    for (const QString& folder : jdks) {
        const int release = JdkFeatureRelease(folder);
        for (const QString& name : names) {
            QProcess java;
            java.setWorkingDirectory(dir.Path());
            java.start(folder + "java", {"-cp", ".", name});
            ASSERT_TRUE(java.waitForFinished(-1));
            const auto info = ReadClassFile(dir.Path(name + ".class"));
            ASSERT_TRUE(info) << name.toStdString();
            EXPECT_EQ(info->LaunchableOn(release), java.exitCode() == 0)
                << name.toStdString() << " on " << release << ": " << java.readAllStandardError().toStdString();
        }
    }
}

}  // namespace
