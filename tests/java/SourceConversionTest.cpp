// A conversion to UTF-8 keeps what javac reads: sources holding every entry of
// a Japanese dictionary and every character of the encoding, compiled as they
// were (with their -encoding) and as converted, give the same class files byte
// for byte.
#include "java/SourceSet.h"
#include "platform/JapaneseCodes.h"
#include "platform/SourceEncoding.h"
#include "tests/support/InstalledJdks.h"
#include "tests/support/JapaneseCorpora.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QProcess>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace java;
using platform::SourceEncoding;

namespace {

constexpr qsizetype kLiteral = 4000;  // characters a string constant: far below the class file's limit
constexpr int kLiteralsPerClass = 40;

// Java sources of string constants, each class a list of byte pieces already encoded.
QList<QByteArray> Classes(const QList<QByteArray>& pieces)
{
    QList<QByteArray> classes;
    QByteArray body, literal;
    int literals = 0;
    const auto endLiteral = [&] {
        body += "  static final String S" + QByteArray::number(literals++) + " = \"" + literal + "\";\n";
        literal.clear();
    };
    const auto endClass = [&] {
        classes << "class W" + QByteArray::number(classes.size()) + " {\n" + body + "}\n";
        body.clear();
        literals = 0;
    };
    for (const QByteArray& piece : pieces) {
        literal += piece + ' ';
        if (literal.size() >= kLiteral)
            endLiteral();
        if (literals == kLiteralsPerClass)
            endClass();
    }
    endLiteral();
    endClass();
    return classes;
}

// Every entry the encoding has, and every character it reads (as its own bytes).
QList<QByteArray> Pieces(const char* codec, SourceEncoding encoding, const QStringList& words)
{
    QList<QByteArray> pieces;
    QStringEncoder encoder(codec);
    for (const QString& word : words) {
        const QByteArray bytes = encoder.encode(word);
        if (!encoder.hasError() && !word.contains('"') && !word.contains('\\'))
            pieces << bytes;
    }
    for (int lead = 0x81; lead <= 0xfe; ++lead) {
        for (int trail = 0x40; trail <= 0xfe; ++trail) {
            const char16_t c = encoding == SourceEncoding::ShiftJis ? platform::ShiftJisCharacter(lead, trail)
                                                                    : platform::EucJpCharacter(lead, trail);
            if (c)
                pieces << QByteArray(1, char(lead)) + char(trail);
            if (encoding == SourceEncoding::EucJp && platform::EucJpSupplementCharacter(lead, trail))
                pieces << QByteArray("\x8f") + char(lead) + char(trail);
        }
    }
    return pieces;
}

QString Compile(const QString& jdk, const QString& folder, const QString& encoding, const QStringList& names)
{
    QProcess javac;
    javac.setWorkingDirectory(folder);
    javac.setProcessChannelMode(QProcess::MergedChannels);
    javac.start(jdk + "javac", QStringList{"-encoding", encoding, "-d", "classes"} + names);
    javac.waitForFinished(600000);
    return javac.exitCode() == 0 ? QString() : QString::fromUtf8(javac.readAll()).left(2000);
}

TEST(SourceConversion, OriginalAndConvertedSourcesCompileToTheSameClassFiles)
{
    const QStringList jdks = InstalledJdks();
    const QStringList words = MecabWords();
    if (jdks.isEmpty() || words.isEmpty())
        GTEST_SKIP() << "no JDK or no mecab-ipadic";
    for (const auto& [codec, encoding] :
         {std::pair("windows-31j", SourceEncoding::ShiftJis), std::pair("EUC-JP", SourceEncoding::EucJp)}) {
        SCOPED_TRACE(codec);
        TempFolder original, converted;
        QStringList names;
        for (const QByteArray& source : Classes(Pieces(codec, encoding, words))) {
            const QString name = "W" + QString::number(names.size()) + ".java";
            names << name;
            original.Write(name, source);
            converted.Write(name, source);
            const SourceFile examined = ExamineSources(converted.Path(), {name}).value(0);
            ASSERT_EQ(examined.encoding, encoding) << name.toStdString();
            ASSERT_EQ(ConvertToUtf8(converted.Path(name), examined), "");
        }
        ASSERT_EQ(Compile(jdks.first(), original.Path(), codec, names), "");
        ASSERT_EQ(Compile(jdks.first(), converted.Path(), "UTF-8", names), "");
        const QStringList classes = QDir(original.Path("classes")).entryList({"*.class"});
        ASSERT_EQ(classes.size(), names.size());
        for (const QString& name : classes)
            EXPECT_EQ(original.Read("classes/" + name), converted.Read("classes/" + name)) << name.toStdString();
    }
}

}  // namespace
