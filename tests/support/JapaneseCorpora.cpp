#include "tests/support/JapaneseCorpora.h"

#include "platform/ByteCodec.h"

#include <QDir>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

namespace {

QStringList Sorted(const QSet<QString>& words)
{
    QStringList list(words.begin(), words.end());
    list.sort();
    return list;
}

QString ReadEucJp(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return platform::DecodeLeniently(platform::LegacyCodec::EucJp, file.readAll()).value_or(QString());
}

}  // namespace

QStringList MecabWords()
{
    const QDir folder(QStringLiteral("/usr/share/mecab/dic/ipadic"));
    QSet<QString> words;
    for (const QString& name : folder.entryList({QStringLiteral("*.csv")}, QDir::Files)) {
        const QString text = ReadEucJp(folder.filePath(name));
        for (const QStringView line : QStringView(text).split(u'\n')) {
            if (const QStringView word = line.left(line.indexOf(u',')); !word.isEmpty() && line.contains(u','))
                words.insert(word.toString());
        }
    }
    return Sorted(words);
}

// Lines "よみ /候補1/候補2;注釈/"; candidates in parentheses are Lisp forms.
QStringList SkkWords()
{
    QSet<QString> words;
    const QString text = ReadEucJp(QStringLiteral("/usr/share/skk/SKK-JISYO.L"));
    for (const QStringView line : QStringView(text).split(u'\n')) {
        if (line.startsWith(u';') || !line.contains(u" /"))
            continue;
        for (const QStringView candidate : line.mid(line.indexOf(u" /") + 2).split(u'/')) {
            const QStringView word = candidate.left(candidate.indexOf(u';'));
            if (!word.isEmpty() && !word.startsWith(u'('))
                words.insert(word.toString());
        }
    }
    return Sorted(words);
}

QStringList ManualSentences()
{
    QStringList pages;
    const QDir manuals(QStringLiteral("/usr/share/man/ja"));
    for (const QString& section : manuals.entryList({QStringLiteral("man*")}, QDir::Dirs)) {
        const QDir folder(manuals.filePath(section));
        for (const QString& page : folder.entryList({QStringLiteral("*.gz")}, QDir::Files))
            pages << folder.filePath(page);
    }
    if (pages.isEmpty())
        return {};
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), QStringList{QStringLiteral("-dc")} + pages);
    gzip.waitForFinished(-1);
    static const QRegularExpression escapes(QStringLiteral(R"(\\f(\(..|\[[^]]*\]|.)|\\\(..|\\.)"));
    QSet<QString> sentences;
    for (const QString& line : QString::fromUtf8(gzip.readAllStandardOutput()).split(u'\n')) {
        if (line.startsWith(u'.') || line.startsWith(u'\''))
            continue;
        const QString text = QString(line).remove(escapes);
        for (qsizetype start = 0; start < text.size();) {
            const qsizetype stop = text.indexOf(u'。', start);
            const qsizetype end = stop < 0 ? text.size() : stop + 1;
            const QString sentence = text.mid(start, end - start).trimmed();
            if (std::any_of(sentence.begin(), sentence.end(), [](QChar c) { return c.unicode() >= 0x3000; }))
                sentences.insert(sentence);
            start = end;
        }
    }
    return Sorted(sentences);
}

// Built from Unicode's own compatibility mappings: each half-width form (and
// with a sound mark) mapped back to the full-width katakana it stands for.
QString HalfWidthKatakana(const QString& word)
{
    static const QHash<QChar, QString> forms = [] {
        QHash<QChar, QString> map;
        for (char16_t c = 0xff61; c <= 0xff9d; ++c) {
            const QString half(QChar{c});
            for (const QString& form : {half, half + QChar(0xff9e), half + QChar(0xff9f)}) {
                const QString full = form.normalized(QString::NormalizationForm_KC);
                if (full.size() == 1 && !map.contains(full[0]))
                    map.insert(full[0], form);
            }
        }
        return map;
    }();
    QString half;
    for (const QChar c : word) {
        const auto form = forms.find(c);
        if (c.unicode() < 0x30a1 || c.unicode() > 0x30fc || form == forms.end())
            return {};
        half += *form;
    }
    return half;
}
