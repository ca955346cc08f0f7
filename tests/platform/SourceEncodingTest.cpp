// The encoding detector on textbook and learner sources in every encoding, from one Japanese line to 100 KiB.
#include "platform/SourceEncoding.h"
#include "tests/support/EncodedText.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// Each file up to every line that holds Japanese, and all of them repeated up to 100 KiB.
QStringList Samples()
{
    const QDir corpus(qEnvironmentVariable("TW_SOURCE_DIR") + "/tests/platform/corpus");
    QStringList samples;
    QString all;
    for (const QString& name : corpus.entryList({"*.java"}, QDir::Files, QDir::Name)) {
        QFile file(corpus.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QString text = QString::fromUtf8(file.readAll());
        all += text;
        QString prefix;
        for (const QString& line : text.split('\n', Qt::SkipEmptyParts)) {
            prefix += line + '\n';
            if (std::any_of(line.begin(), line.end(), [](QChar c) { return c.unicode() > 0x7f; }))
                samples << prefix;
        }
    }
    EXPECT_GT(samples.size(), 50);
    QString large;
    while (large.toUtf8().size() < 100 * 1024)
        large += all;
    return samples << large;
}

TEST(SourceEncoding, EverySampleOfTheCorpusIsReadInItsOwnEncoding)
{
    const QStringList samples = Samples();
    for (const SourceEncoding encoding : kSourceEncodings) {
        for (const QString& sample : samples) {
            const QByteArray bytes = EncodedText(encoding, sample);
            const auto what = QString("%1, %2 bytes").arg(EncodingLabel(encoding)).arg(bytes.size());
            EXPECT_EQ(DetectSourceEncoding(bytes), encoding) << what.toStdString();
            EXPECT_EQ(DecodeSource(bytes, encoding), sample) << what.toStdString();
        }
    }
}

TEST(SourceEncoding, EdgesOfTheRules)
{
    const std::tuple<const char*, QByteArray, SourceEncoding, bool> cases[] = {
        // name, bytes, encoding, decodes
        {"ASCII", "class A { }\r\n", SourceEncoding::Ascii, true},
        {"a replacement character is UTF-8 text", "// \xef\xbf\xbd\n", SourceEncoding::Utf8, true},
        {"a cut UTF-8 character", "// \xe3\x81", SourceEncoding::ShiftJis, true},
        {"EUC-JP with a code that maps to nothing", "// \xa9\xa1\n", SourceEncoding::ShiftJis, true},
    };
    for (const auto& [name, bytes, encoding, decodes] : cases) {
        EXPECT_EQ(DetectSourceEncoding(bytes), encoding) << name;
        EXPECT_EQ(DecodeSource(bytes, encoding).has_value(), decodes) << name;
    }
}

}  // namespace
