// The class names that javah and rmic may be given, as the JDK itself decides them.
#include "commands/ToolArguments.h"

#include "platform/JdkLocator.h"
#include "tests/support/TempFolder.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

TEST(IsJavaIdentifier, AgreesWithTheJdkOnEveryName)
{
    const std::optional<QString> jdk = platform::FindJdk();
    if (!jdk)
        GTEST_SKIP() << "no JDK installed";
    const QStringList names{"Hello",
                            "_x",
                            "$",
                            "x1",
                            "Über",
                            "日本語",
                            "ｶﾀｶﾅ",
                            "e\u0301",
                            "a\u200Db",
                            "1x",
                            "-J-javaagent:evil.jar",
                            "@args",
                            "my-app",
                            "My App",
                            "a.b",
                            "class",
                            "_",
                            "var",
                            "true",
                            "x\U0001D400",
                            "\U0001D400y",
                            "x\u3000",
                            ""};
    TempFolder folder;
    folder.Write("names.txt", names.join('\n').toUtf8() + '\n');
    folder.Write(
        "Names.java",
        "import java.nio.file.*; import javax.lang.model.SourceVersion;\n"
        "public class Names { public static void main(String[] a) throws Exception {\n"
        "  for (String n : Files.readAllLines(Path.of(a[0])))\n"
        "    System.out.print(SourceVersion.isIdentifier(n) && !SourceVersion.isKeyword(n) ? 'y' : 'n'); } }\n");
    QProcess java;
    java.start(*jdk + "java", {folder.Path("Names.java"), folder.Path("names.txt")});
    ASSERT_TRUE(java.waitForFinished(60000));
    const QString verdicts = QString::fromUtf8(java.readAllStandardOutput());
    ASSERT_EQ(verdicts.size(), names.size()) << java.readAllStandardError().toStdString();
    for (qsizetype i = 0; i < names.size(); ++i)
        EXPECT_EQ(cmd::IsJavaIdentifier(names[i]), verdicts[i] == 'y') << names[i].toStdString();
}

}  // namespace
