// The encoding detector: its decoders against the JDK's own, its choice on
// Japanese text that nobody here wrote (dictionary entries and manual-page
// sentences, read from Debian's packages at test time), and the edges of the rules.
#include "platform/SourceEncoding.h"
#include "platform/ByteCodec.h"
#include "platform/TextReaders.h"
#include "tests/support/EncodedText.h"
#include "tests/support/InstalledJdks.h"
#include "tests/support/JapaneseCorpora.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

#include <memory>

using namespace platform;

namespace {

struct Text {
    void Character(char32_t c) { text.append(QChar::fromUcs4(c)); }
    void Undecodable() { failed = true; }
    QString text;
    bool failed = false;
};

// What a reader makes of bytes, in the decoder program's words.
template <typename Reader>
QByteArray Verdict(QByteArrayView bytes)
{
    Reader reader;
    Text sink;
    reader.Feed(bytes, sink);
    reader.Finish(sink);
    if (sink.failed)
        return "-";
    QByteArray units;
    for (const QChar c : sink.text)
        units += QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
    return units;
}

// Every sequence "prefix:count:suffix" stands for, in counting order.
QList<QByteArray> Sequences(const QString& pattern)
{
    const QStringList parts = pattern.split(u':');
    const QByteArray prefix = QByteArray::fromHex(parts[0].toLatin1()),
                     suffix = QByteArray::fromHex(parts[2].toLatin1());
    const int count = parts[1].toInt();
    QList<QByteArray> all;
    for (int n = 0; n < 1 << (8 * count); ++n) {
        QByteArray middle;
        for (int i = count - 1; i >= 0; --i)
            middle += char(n >> (8 * i));
        all << prefix + middle + suffix;
    }
    return all;
}

template <typename Reader>
void ExpectAgreement(const QString& jdk, const QString& charset, const QStringList& patterns)
{
    QProcess java;
    java.start(jdk + "java",
               QStringList{qEnvironmentVariable("TW_SOURCE_DIR") + "/tests/platform/jdk/JdkDecoders.java", charset}
                   + patterns);
    ASSERT_TRUE(java.waitForFinished(120000)) << jdk.toStdString();
    const QList<QByteArray> lines = java.readAllStandardOutput().split('\n');
    qsizetype line = 0, differ = 0;
    for (const QString& pattern : patterns) {
        for (const QByteArray& bytes : Sequences(pattern)) {
            const QByteArray ours = Verdict<Reader>(bytes), theirs = lines.value(line++);
            if (ours != theirs && ++differ <= 10)
                ADD_FAILURE() << charset.toStdString() << " " << bytes.toHex(' ').toStdString() << ": JDK "
                              << theirs.data() << ", Tarnwick " << ours.data();
        }
    }
    EXPECT_EQ(differ, 0) << charset.toStdString() << " of " << jdk.toStdString();
    EXPECT_EQ(line + 1, lines.size()) << "every sequence answered";
}

// Every lone byte, every pair, EUC-JP's three-byte codes and UTF-8's longer
// forms: accepted or rejected as the JDK's decoder does, with its characters.
TEST(SourceEncoding, DecodersReadExactlyWhatTheJdkReads)
{
    const QStringList jdks = InstalledJdks();
    if (jdks.isEmpty())
        GTEST_SKIP() << "no JDK installed";
    QStringList utf8{":1:", ":2:", "e180:1:", "f19080:1:"};
    for (int lead = 0xe0; lead <= 0xf4; ++lead)
        utf8 << QString("%1:1:%2").arg(lead, 2, 16).arg(lead < 0xf0 ? "80" : "8080");
    for (const QString& jdk : jdks) {
        ExpectAgreement<ShiftJisReader>(jdk, "windows-31j", {":1:", ":2:"});
        ExpectAgreement<EucJpReader>(jdk, "EUC-JP", {":1:", ":2:", "8f:2:"});
        ExpectAgreement<Utf8Reader>(jdk, "UTF-8", utf8);
    }
}

struct Sweep {
    qsizetype right = 0, all = 0;
    QStringList misses;
    void Check(const QString& text, LegacyCodec codec, SourceEncoding expected, const QString& shown)
    {
        const QByteArray bytes = EncodeStrictly(codec, text).value_or(QByteArray());
        if (bytes.isEmpty() || DecodeStrictly(codec, bytes) != text)
            return;  // a character the encoding does not have
        ++all;
        const SourceEncoding found = DetectSourceEncoding(bytes);
        EXPECT_TRUE(DecodeSource(bytes, found)) << "a candidate reads every byte";
        if (found == expected)
            ++right;
        else
            misses << QString("%1 (%2) as %3")
                          .arg(shown, QString(EncodeLeniently(codec, shown).value_or("").toHex(' ')),
                               EncodingLabel(found));
    }
    double Percent() const { return 100.0 * double(right) / double(std::max<qsizetype>(all, 1)); }
    // The figure and the first misses; every miss goes to the file.
    void Report(const char* what, QFile& file) const
    {
        std::printf("%s: %lld of %lld right (%.3f %%)\n", what, qlonglong(right), qlonglong(all), Percent());
        for (const QString& miss : misses.mid(0, 8))
            std::printf("  miss: %s\n", qPrintable(miss));
        file.write(QString("%1: %2 misses\n%3\n").arg(what).arg(misses.size()).arg(misses.join('\n')).toUtf8());
    }
};

// encoding-misses-<corpus>.txt in the build folder.
std::unique_ptr<QFile> MissesFile(const QString& corpus)
{
    auto file = std::make_unique<QFile>(qEnvironmentVariable("TW_BINARY_DIR") + "/encoding-misses-" + corpus + ".txt");
    EXPECT_TRUE(file->open(QIODevice::WriteOnly | QIODevice::Truncate));
    return file;
}

// Under the sanitizers the sweeps look for memory faults, not figures: a
// twentieth of the entries, no floors.
#ifdef __SANITIZE_ADDRESS__
constexpr qsizetype kStride = 20;
#else
constexpr qsizetype kStride = 1;
#endif

struct Floor {
    double shiftJis, eucJp, halfWidth;  // percent right
};

// Each entry alone in a string literal, in Shift_JIS and in EUC-JP; katakana
// entries also in half-width katakana for Shift_JIS. A lone word of
// half-width katakana often makes as good EUC-JP kanji (ﾀｲﾄﾙ reads 晴潰), so the
// floors say how far each class of input is read right today.
void SweepWords(const QStringList& words, const char* dictionary, Floor floor)
{
    Sweep sjis, euc, half;
    for (qsizetype i = 0; i < words.size(); i += kStride) {
        const QString& word = words[i];
        const QString line = "class A { String s = \"" + word + "\"; }\n";
        if (std::any_of(word.begin(), word.end(),
                        [](QChar c) { return c.unicode() >= 0x80 && c.unicode() < 0xff61; })) {
            sjis.Check(line, LegacyCodec::Cp932, SourceEncoding::ShiftJis, word);
            euc.Check(line, LegacyCodec::EucJp, SourceEncoding::EucJp, word);
        }
        if (const QString kana = HalfWidthKatakana(word); !kana.isEmpty())
            half.Check("class A { String s = \"" + kana + "\"; }\n", LegacyCodec::Cp932, SourceEncoding::ShiftJis,
                       kana);
    }
    std::printf("%s, %lld entries\n", dictionary, qlonglong(words.size()));
    const std::unique_ptr<QFile> misses = MissesFile(dictionary);
    sjis.Report("Shift_JIS", *misses);
    euc.Report("EUC-JP", *misses);
    half.Report("half-width katakana in Shift_JIS", *misses);
    if (kStride > 1)
        return;
    EXPECT_GE(sjis.Percent(), floor.shiftJis) << dictionary;
    EXPECT_GE(euc.Percent(), floor.eucJp) << dictionary;
    EXPECT_GE(half.Percent(), floor.halfWidth) << dictionary;
}

TEST(SourceEncoding, DictionaryEntriesAloneInAStringAreReadInTheirEncoding)
{
    const QStringList mecab = MecabWords(), skk = SkkWords();
    if (mecab.isEmpty() || skk.isEmpty())
        GTEST_SKIP() << "mecab-ipadic or skkdic not installed";
    SweepWords(mecab, "mecab-ipadic", {99.9, 99.9, 74});
    SweepWords(skk, "skkdic", {99.9, 99.4, 79});
}

TEST(SourceEncoding, ManualPageSentencesInACommentAreReadInTheirEncoding)
{
    const QStringList sentences = ManualSentences();
    if (sentences.isEmpty())
        GTEST_SKIP() << "manpages-ja not installed, or no gzip to read it";
    Sweep sjis, euc;
    for (qsizetype i = 0; i < sentences.size(); i += kStride) {
        const QString& sentence = sentences[i];
        sjis.Check("// " + sentence + "\nclass A { }\n", LegacyCodec::Cp932, SourceEncoding::ShiftJis, sentence);
        euc.Check("// " + sentence + "\nclass A { }\n", LegacyCodec::EucJp, SourceEncoding::EucJp, sentence);
    }
    const std::unique_ptr<QFile> misses = MissesFile("manpages-ja");
    sjis.Report("manpages-ja sentences, Shift_JIS", *misses);
    euc.Report("manpages-ja sentences, EUC-JP", *misses);
    EXPECT_EQ(sjis.misses, QStringList());
    EXPECT_EQ(euc.misses, QStringList());
}

// Whole files of the textbook corpus in every encoding, also fed a few bytes at a time.
TEST(SourceEncoding, WholeSourcesAreReadInTheirEncodingInPiecesOfAnySize)
{
    const QDir corpus(qEnvironmentVariable("TW_SOURCE_DIR") + "/tests/platform/corpus");
    for (const QString& name : corpus.entryList({"*.java"}, QDir::Files)) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const SourceEncoding encoding : kSourceEncodings) {
            const QByteArray bytes = EncodedText(encoding, text);
            const std::string what = (name + " " + EncodingLabel(encoding)).toStdString();
            EXPECT_EQ(DecodeSource(bytes, encoding), text) << what;
            for (const qsizetype piece : {qsizetype(1), qsizetype(2), qsizetype(3), qsizetype(7), bytes.size()}) {
                SourceEncodingDetector detector;
                for (qsizetype at = 0; at < bytes.size(); at += piece)
                    detector.Feed(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
                EXPECT_EQ(detector.Result(), encoding) << what << ", pieces of " << piece;
            }
        }
    }
}

TEST(SourceEncoding, EdgesOfTheRules)
{
    constexpr auto kSjis = SourceEncoding::ShiftJis, kEuc = SourceEncoding::EucJp, kUtf8 = SourceEncoding::Utf8;
    const std::tuple<const char*, QByteArray, SourceEncoding, std::optional<QString>> cases[] = {
        // name, bytes, encoding, text as javac reads it
        {"ASCII", "class A { }\r\n", SourceEncoding::Ascii, "class A { }\r\n"},
        {"a byte-order mark of two bytes alone", "\xff\xfe", SourceEncoding::Utf16Le, ""},
        {"UTF-16 with a lone surrogate", QByteArrayLiteral("\xff\xfe\x00\xd8"), SourceEncoding::Utf16Le, std::nullopt},
        {"a replacement character is UTF-8 text", "// \xef\xbf\xbd\n", kUtf8, "// \ufffd\n"},
        {"a cut UTF-8 character is a Shift_JIS kanji", "// \xe3\x81", kSjis, "// 縺"},
        {"テスト: 0x83 then an ASCII byte", "\"\x83\x65\x83\x58\x83\x67\"", kSjis, "\"テスト\""},
        {"、。 and １２３", "\"\x81\x41\x81\x42\x82\x50\x82\x51\x82\x52\"", kSjis, "\"、。１２３\""},
        {"ﾃﾞｰﾀ, also valid EUC-JP", "\"\xc3\xde\xb0\xc0\"", kSjis, "\"ﾃﾞｰﾀ\""},
        {"ｹﾞｰﾑ ｽﾀｰﾄ!", "\"\xb9\xde\xb0\xd1 \xbd\xc0\xb0\xc4!\"", kSjis, "\"ｹﾞｰﾑ ｽﾀｰﾄ!\""},
        {"こんにちは in EUC-JP", "\"\xa4\xb3\xa4\xf3\xa4\xcb\xa4\xc1\xa4\xcf\"", kEuc, "\"こんにちは\""},
        {"EUC-JP's wave dash is U+301C to the JDK", "// \xa1\xc1\n", kEuc, "// 〜\n"},
        {"Ctrl-Z closing a Shift_JIS file stays U+001A", "// \x95\x5c\x1a", kSjis, "// 表\x1a"},
        {"European words in UTF-8, also valid EUC-JP", "// © José García, 50 °C ± 2", kUtf8,
         "// © José García, 50 °C ± 2"},
    };
    for (const auto& [name, bytes, encoding, text] : cases) {
        EXPECT_EQ(DetectSourceEncoding(bytes), encoding) << name;
        EXPECT_EQ(DecodeSource(bytes, encoding), text) << name;
    }
}

}  // namespace
