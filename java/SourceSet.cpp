#include "java/SourceSet.h"

#include "platform/FileContent.h"

#include <QFile>

namespace java {

using platform::SourceEncoding;

namespace {

constexpr int kListedFiles = 10;

// Sources in one group read alike; ASCII (empty) reads in every group but UTF-16.
QString Group(SourceEncoding encoding)
{
    return encoding == SourceEncoding::Ascii ? QString() : platform::JavaCharsetName(encoding);
}

const QString kUtf16 = QStringLiteral("UTF-16");
const QString kUtf8 = QStringLiteral("UTF-8");

// The encoding that reads all of the sources, when there is one.
std::optional<SourceEncoding> SharedEncoding(const QList<SourceFile>& sources)
{
    std::optional<SourceEncoding> shared;
    bool ascii = false;
    for (const SourceFile& source : sources) {
        if (source.encoding == SourceEncoding::Ascii)
            ascii = true;
        else if (!shared)
            shared = source.encoding;
        else if (Group(*shared) != Group(source.encoding))
            return std::nullopt;
    }
    if (!shared)
        return SourceEncoding::Ascii;
    if (ascii && Group(*shared) == kUtf16)
        return std::nullopt;
    return shared;
}

QString Listed(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines.mid(0, kListedFiles))
        text += QStringLiteral("・") + line + QLatin1Char('\n');
    if (lines.size() > kListedFiles)
        text += QStringLiteral("ほか %1 個\n").arg(lines.size() - kListedFiles);
    return text;
}

QString KeptSuffix(SourceEncoding encoding)
{
    switch (encoding) {
    case SourceEncoding::ShiftJis: return QStringLiteral(".sjis");
    case SourceEncoding::EucJp: return QStringLiteral(".eucjp");
    default: return QStringLiteral(".utf16");
    }
}

QString FreeName(const QString& name)
{
    QString free = name;
    for (int n = 2; QFile::exists(free); ++n)
        free = name + QLatin1Char('.') + QString::number(n);
    return free;
}

}  // namespace

QList<SourceFile> ExamineSources(const QString& folder, const QStringList& names)
{
    QList<SourceFile> sources;
    for (const QString& name : names) {
        const platform::FileStatus status = platform::StatusOf(folder + name);
        if (status.kind != platform::FileKind::Regular)
            continue;
        if (const std::optional<platform::SourceEncoding> encoding = platform::DetectFileEncoding(folder + name))
            sources.append({name, *encoding, status});
    }
    return sources;
}

SourcePlan PlanSources(const QList<SourceFile>& named, const QList<SourceFile>& others)
{
    SourcePlan plan;
    for (const SourceFile& source : named) {
        if (source.encoding == SourceEncoding::Utf8Bom)
            plan.marked << source.name;
    }
    const QList<SourceFile> all = named + others;
    if (const std::optional<SourceEncoding> shared = SharedEncoding(all)) {
        plan.encoding = *shared;
        return plan;
    }
    for (const SourceFile& source : all) {
        const QString group = Group(source.encoding);
        if (!group.isEmpty() && group != kUtf8)
            plan.foreign << source;
    }
    plan.encoding = SharedEncoding(named).value_or(SourceEncoding::Utf8);
    return plan;
}

QString ByteOrderMarkQuestion(const QStringList& names)
{
    return QStringLiteral("次のファイルは先頭にバイトオーダーマーク（BOM）の付いた UTF-8 です。"
                          "javac と javadoc はこのマークを読めません。\n\n%1\n"
                          "マークを取り除きますか？ ファイルのほかの部分は変わりません。")
        .arg(Listed(names));
}

QString MixedEncodingQuestion(const SourcePlan& plan, const QStringList& named)
{
    QStringList lines;
    for (const SourceFile& source : plan.foreign)
        lines << QStringLiteral("%1（%2）").arg(source.name, platform::EncodingLabel(source.encoding));
    const SourceFile& first = plan.foreign.first();
    const QString readAs =
        named.size() == 1 ? QLatin1Char(' ') + named.first() + QStringLiteral(" を") : QStringLiteral("すべてを");
    return QStringLiteral("このフォルダの Java ソースの文字コードがそろっていません。"
                          "javac と javadoc はすべてを一つの文字コードで読みます。\n\n%1\n"
                          "これらを UTF-8 に変換しますか？ 元のファイルは %2 のように残します。\n"
                          "いいえの場合は%3 %4 として読みます。")
        .arg(Listed(lines), first.name + KeptSuffix(first.encoding), readAs,
             platform::EncodingLabel(plan.encoding == SourceEncoding::Ascii ? SourceEncoding::Utf8 : plan.encoding));
}

QString ReadingNote(const SourcePlan& plan, const QList<SourceFile>& sources)
{
    if (plan.encoding == SourceEncoding::Ascii || plan.encoding == SourceEncoding::Utf8)
        return {};
    QStringList names;
    for (const SourceFile& source : sources) {
        if (Group(source.encoding) == Group(plan.encoding))
            names << source.name;
    }
    if (names.isEmpty())
        return {};
    QString listed = names.mid(0, 3).join(QStringLiteral("、"));
    if (names.size() > 3)
        listed += QStringLiteral(" ほか %1 個").arg(names.size() - 3);
    return QStringLiteral("%1 を %2 として読みました").arg(listed, platform::EncodingLabel(plan.encoding));
}

bool DropByteOrderMark(const QString& path)
{
    const std::optional<QByteArray> bytes = platform::ReadWholeFile(path);
    return bytes && platform::DetectSourceEncoding(*bytes) == SourceEncoding::Utf8Bom
           && platform::ReplaceFile(path, QByteArrayView(*bytes).sliced(3));
}

QString ConvertToUtf8(const QString& path, const SourceFile& examined)
{
    const std::optional<QByteArray> bytes = platform::ReadWholeFile(path);
    if (!bytes)
        return QStringLiteral("読めません");
    const SourceEncoding encoding = platform::DetectSourceEncoding(*bytes);
    if (platform::StatusOf(path) != examined.status || encoding != examined.encoding)
        return QStringLiteral("確認のあとでファイルが変わりました。もう一度実行してください");
    const std::optional<QString> text = platform::DecodeSource(*bytes, encoding);
    if (!text)
        return QStringLiteral("%1 として読めないバイトがあります").arg(platform::EncodingLabel(encoding));
    const QString kept = FreeName(path + KeptSuffix(encoding));
    if (!platform::ReplaceFile(kept, *bytes))
        return QStringLiteral("%1 を作れません").arg(kept);
    if (!platform::ReplaceFile(path, text->toUtf8())) {
        QFile::remove(kept);
        return QStringLiteral("書き込めません");
    }
    return {};
}

}  // namespace java
