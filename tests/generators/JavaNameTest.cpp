// The dialogs accept as class names exactly the names that javac accepts, on every installed JDK.
#include "generators/JavaName.h"
#include "generators/ClassGenerator.h"
#include "platform/TextCodec.h"
#include "tests/generators/Javac.h"
#include "tests/support/TempFolder.h"

using namespace gen;

namespace {

// Letters of any script, digits after the first character, connectors and currency signs; keywords, literals and the
// names that may not name a type are refused. Each name is a file's title.
const char* const kNames[] = {
    "Foo",    "挨拶",    "Ｆｏｏ", "$x",     "_x",       "x1",        "€uro",   "ａ＿ｂ",    "Ⅻ",      "x٣",
    "módulo", "Record",  "Var",    "when",   "module",   "Foo_Bar$1", "my-app", "My Applet", "1abc",   "٣x",
    "a.b",    "a·b",     "x+y",    "ｘ－ｙ", "日本　語", "class",     "_",      "var",       "record", "yield",
    "sealed", "permits", "true",   "null",   "goto",     "const",     "enum",   "strictfp",  "int",    "non-sealed",
};

TEST(JavaClassName, AgreesWithJavac)
{
    const QStringList jdks = InstalledJdks();
    if (jdks.isEmpty())
        GTEST_SKIP() << "no JDK found";
    for (const QString& jdk : jdks) {
        TempFolder folder;
        QStringList accepted, refused;
        for (const char* raw : kNames) {
            const QString name = QString::fromUtf8(raw);
            ClassChoices c;
            c.className = name;
            c.fileName = name + ".java";
            // A folder of its own, so that javac names each file in ASCII in whatever locale.
            const QString file = QString("n%1/%2").arg(accepted.size() + refused.size()).arg(c.fileName);
            (IsJavaClassName(name) ? accepted : refused)
                << folder.Write(file, platform::EncodeFileText(GenerateClassSource(c)));
        }
        const QStringList options = {"-encoding", "UTF-8", "-XDshould-stop.ifError=FLOW", "-d", folder.Path("out")};
        const ToolRun ok = Javac(jdk, options + accepted);
        EXPECT_EQ(ok.exitCode, 0) << jdk.toStdString() << "\n" << ok.output.toStdString();
        const ToolRun bad = Javac(jdk, options + refused);
        for (const QString& file : refused)
            EXPECT_TRUE(bad.output.contains("/" + file.section('/', -2, -2) + "/"))
                << jdk.toStdString() << ": javac takes " << file.toStdString();
    }
}

}  // namespace
