// The kept JVM answers as the commands do: the same exit code, the same text
// on each stream and the same files, byte for byte, on every installed JDK
// and in an English and a Japanese locale.
#include "compiler/KeptCompiler.h"
#include "runner/ToolInvocation.h"

#include "tests/compiler/KeptTestSupport.h"
#include "tests/support/InstalledJdks.h"

#include <QDir>

using namespace compiler;

namespace {

struct Case {
    const char* name;
    const char* tool;
    QString arguments;
    QMap<QString, QByteArray> sources;
};

QByteArray ShiftJis(const QString& text)
{
    // "テスト" and "日本語" in Shift_JIS, around ASCII.
    QByteArray bytes = text.toLatin1();
    bytes.replace("@T", "\x83\x65\x83\x58\x83\x67");
    bytes.replace("@J", "\x93\xfa\x96\x7b\x8c\xea");
    return bytes;
}

// The project's own Java sources, by their paths below the source folder.
QMap<QString, QByteArray> ProjectSources(QString* names)
{
    QMap<QString, QByteArray> sources;
    const QString root = qEnvironmentVariable("TW_SOURCE_DIR");
    for (const char* folder : {"appletviewer/src", "compiler/server"}) {
        QDirIterator it(root + QLatin1Char('/') + QLatin1String(folder), {"*.java"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            const QString relative = QDir(root).relativeFilePath(path);
            sources.insert(relative, file.readAll());
            *names += QLatin1Char(' ') + relative;
        }
    }
    return sources;
}

std::vector<Case> Cases()
{
    const QByteArray hello = "public class Hello {\n    public static void main(String[] args) {\n"
                             "        System.out.println(\"こんにちは\");\n    }\n}\n";
    QString projectNames;
    QMap<QString, QByteArray> project = ProjectSources(&projectNames);
    return {
        {"clean Hello", "javac.exe", "Hello.java", {{"Hello.java", hello}}},
        {"errors and a warning",
         "javac.exe",
         "-Xlint:all Broken.java",
         {{"Broken.java", "import java.util.*;\npublic class Broken {\n    List raw = new ArrayList();\n"
                          "    int f() { return \"日本\" }\n    void g() { undefined(); }\n}\n"}}},
        {"Shift_JIS source",
         "javac.exe",
         "-encoding Shift_JIS Sjis.java",
         {{"Sjis.java", ShiftJis("public class Sjis {\n    String s = \"@T\";\n    int n = \"@J\";\n}\n")}}},
        {"a package beside its sources",
         "javac.exe",
         "a/b/Main.java",
         {{"a/b/Main.java", "package a.b;\npublic class Main { Helper h = new Helper(); }\n"},
          {"a/b/Helper.java", "package a.b;\nclass Helper { }\n"}}},
        {"the version", "javac.exe", "-version", {}},
        {"an unknown option", "javac.exe", "-nosuch Hello.java", {{"Hello.java", hello}}},
        {"the project's sources", "javac.exe", "--release 11 -encoding UTF-8 -Xlint:all -d classes" + projectNames,
         project},
        {"javadoc's pages",
         "javadoc.exe",
         "-notimestamp -encoding UTF-8 -d doc Hello.java",
         {{"Hello.java", "/** 挨拶。 */\n" + hello}}},
        {"an archive's entries", "jar.exe", "cf h.jar Hello.java", {{"Hello.java", hello}}},
    };
}

void Refill(const TempFolder& folder, const QMap<QString, QByteArray>& sources)
{
    for (const QString& entry : QDir(folder.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        QFileInfo(folder.Path(entry)).isDir() ? QDir(folder.Path(entry)).removeRecursively()
                                              : QFile::remove(folder.Path(entry));
    for (auto it = sources.begin(); it != sources.end(); ++it)
        folder.Write(it.key(), it.value());
}

// An archive's bytes hold the time it was made; its entries' names are compared.
QMap<QString, QByteArray> Comparable(QMap<QString, QByteArray> files)
{
    for (auto it = files.begin(); it != files.end(); ++it) {
        if (it.key().endsWith(QLatin1String(".jar")))
            it.value() = QByteArray::number(it.value().size() > 0);
    }
    return files;
}

// One test per JDK and locale, so that each has the whole time limit.
class KeptDifferential : public testing::TestWithParam<std::tuple<int, const char*>> {};

TEST_P(KeptDifferential, SameAnswersAsTheCommands)
{
    const auto [index, locale] = GetParam();
    const QStringList jdks = InstalledJdks();
    if (index >= jdks.size())
        GTEST_SKIP() << "only " << jdks.size() << " JDK(s) installed";
    const QString jdk = jdks.at(index);
    const ScopedEnv lcAll("LC_ALL", QByteArray(locale));
    TempFolder byCommand;
    TempFolder byKept;
    KeptCompiler kept(KeptToolsJarForTests());
    ASSERT_TRUE(WaitUntilReady(kept, jdk, byKept.Path())) << jdk.toStdString();
    // One JVM for every case: what a compile leaves must not reach the next.
    for (const Case& c : Cases()) {
        SCOPED_TRACE(testing::Message() << jdk.toStdString() << ' ' << locale << ": " << c.name);
        Refill(byCommand, c.sources);
        Refill(byKept, c.sources);
        const ToolResult command =
            RunTool(runner::BuildInvocation(jdk, c.tool, c.arguments, byCommand.Path()), nullptr);
        const ToolResult warm = RunTool(runner::BuildInvocation(jdk, c.tool, c.arguments, byKept.Path()), &kept);
        EXPECT_TRUE(warm.kept);
        EXPECT_EQ(warm.status, command.status);
        EXPECT_EQ(warm.exitCode, command.exitCode);
        EXPECT_EQ(warm.output, command.output);
        EXPECT_EQ(warm.error, command.error);
        EXPECT_EQ(Comparable(warm.files), Comparable(command.files));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryJdkInBothLocales, KeptDifferential,
                         testing::Combine(testing::Range(0, 2), testing::Values("C", "ja_JP.UTF-8")));

}  // namespace
