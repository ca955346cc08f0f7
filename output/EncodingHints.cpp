// Hints for javac's errors about the bytes of a source, in English and in
// Japanese: a character the chosen encoding does not have, and a byte-order
// mark.
#include "output/LearnerHints.h"

#include <QRegularExpression>

namespace output {

namespace {

QString UnmappableHint(const JavacMessage& message, const HintContext&)
{
    static const QRegularExpression english(QStringLiteral(R"(^unmappable character \((0x\w+)\) for encoding (\S+)$)"));
    static const QRegularExpression japanese(
        QStringLiteral(R"(^この文字\((0x\w+)\)は、エンコーディング(\S+)にマップできません$)"));
    if (!message.text.contains(u"0x"))
        return {};
    QRegularExpressionMatch match = english.match(message.text);
    if (!match.hasMatch())
        match = japanese.match(message.text);
    if (!match.hasMatch())
        return {};
    const QString encoding = match.captured(2);
    QStringList others{QStringLiteral("UTF-8"), QStringLiteral("windows-31j"), QStringLiteral("EUC-JP")};
    others.removeIf([&encoding](const QString& name) { return name.compare(encoding, Qt::CaseInsensitive) == 0; });
    return QStringLiteral("このファイルは %1 として読まれましたが、%1 にない文字（%2）があります。"
                          "別の文字コードで保存されたファイルなら、オプション設定の「その他のコンパイルオプション」に "
                          "-encoding と文字コード名を書いてください（例: -encoding %3）")
        .arg(encoding, match.captured(1), others.first());
}

QString ByteOrderMarkHint(const JavacMessage& message, const HintContext&)
{
    if (message.text != u"illegal character: '\\ufeff'" && message.text != u"'\\ufeff'は不正な文字です")
        return {};
    return QStringLiteral("ファイルの先頭にバイトオーダーマーク（BOM）があります。javac はこれを読めません。"
                          "エディタで BOM なしの UTF-8 として保存し直すか、コンパイル前の確認で"
                          "「はい」を選んで取り除いてください");
}

}  // namespace

QList<HintRule> EncodingHintRules()
{
    return {{"character the encoding lacks", UnmappableHint}, {"byte-order mark", ByteOrderMarkHint}};
}

}  // namespace output
