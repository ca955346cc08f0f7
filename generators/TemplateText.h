#pragma once
// Writing the generators' line templates. A template is written as it stands
// except for two things: '\n' becomes the line end CR LF, and each %s, %d or
// %c takes the next argument. When a template names more placeholders than
// there are arguments the last argument repeats (a component's number appears
// twice in some lines).
#include <QString>
#include <QStringView>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace gen {

inline constexpr QStringView kLineEnd = u"\r\n";

void Append(QString& out, QStringView tmpl, std::initializer_list<QStringView> args = {});

// A template split once into its pieces, for templates written many times
// over (one per menu entry): the same output as Append without the scanning.
class Template {
public:
    explicit Template(QStringView text);
    void AppendTo(std::u16string& out, std::initializer_list<QStringView> args) const;

private:
    struct Piece {
        int arg;              // index of the argument, or -1 for literal text
        std::u16string text;  // literal text, line ends already CR LF
    };
    std::vector<Piece> m_pieces;
};

inline void AppendView(std::u16string& out, QStringView text)
{
    out.append(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
}
inline QStringView View(const std::u16string& text) { return QStringView(text.data(), qsizetype(text.size())); }

// One line of a fixed block; some lines are written only with comments on.
struct TemplateLine {
    const char16_t* text;
    bool commentsOnly = false;
};

// Appends the lines of a block that apply (templates without placeholders).
void AppendLines(QString& out, std::span<const TemplateLine> lines, bool comments);

// The text between double quotes of a Java string literal.
QString JavaStringText(const QString& text);
// The text between single quotes of a Java character literal (one character,
// a surrogate pair counted as one).
QString JavaCharText(const QString& character);

// User text for a Java comment. javac reads a backslash and "u" as a Unicode
// escape even there (an invalid one fails, "\u000a" ends a line comment), so
// such a backslash gets another one before it; every other character stays.
QString JavaCommentText(const QString& text);

// HTML text with the four characters " < > & replaced by their entities.
QString HtmlEscaped(QStringView text);

}  // namespace gen
