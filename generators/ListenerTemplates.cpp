#include "generators/ListenerTemplates.h"

#include <QStringList>

namespace gen {

namespace {

struct ArrowKey {
    const char16_t* name;  // after "KeyEvent.VK_"
    const char16_t* word;  // the key's direction in the hint
};
constexpr ArrowKey kArrowKeys[] = {{u"UP", u"上"}, {u"DOWN", u"下"}, {u"RIGHT", u"右"}, {u"LEFT", u"左"}};

// The switch's lines without comment marks, below keyPressed's indent.
QStringList KeySwitchLines()
{
    QStringList lines{QStringLiteral("int n = e.getKeyCode();"), QStringLiteral("switch (n) {")};
    for (const ArrowKey& key : kArrowKeys) {
        lines << QStringLiteral("\tcase KeyEvent.VK_") + QString::fromUtf16(key.name) + QLatin1Char(':')
              << QStringLiteral("\t\t//キーボードの") + QString::fromUtf16(key.word)
                     + QStringLiteral("が押されたときのイベントを書いて下さい")
              << QStringLiteral("\t\t") << QStringLiteral("\t\tbreak;");
    }
    lines << QStringLiteral("}");
    return lines;
}

}  // namespace

void AppendKeySwitch(QString& out, CommentMarks marks)
{
    const QStringList lines = KeySwitchLines();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool eachLine = marks == CommentMarks::EachLine;
        const QStringView opening = eachLine ? u"//" : i == 0 ? u"/*" : u"";
        const QStringView closing = !eachLine && i + 1 == lines.size() ? u"*/" : u"";
        Append(out, u"\t\t%s%s%s\n", {opening, lines[i], closing});
    }
}

void AppendListenerLines(QString& out, std::span<const TemplateLine> lines, bool comments, CommentMarks marks)
{
    for (const TemplateLine& line : lines) {
        if (line.text == kKeySwitchSlot) {
            if (comments)
                AppendKeySwitch(out, marks);
        } else if (comments || !line.commentsOnly) {
            Append(out, line.text);
        }
    }
}

}  // namespace gen
