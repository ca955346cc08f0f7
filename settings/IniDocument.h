#pragma once
// The text of an INI file as a list of lines, read and changed without
// disturbing any line that is not the one written.
//
// Format: "[section]" opens a section; "key=value" lines follow. Section and
// key names match without regard to letter case; blanks and TABs around names
// and values do not count (other white space, U+3000 included, does); a value
// in one pair of single or double quotes is read without them. Only the first
// of sections with the same name is read and written; in it the first key wins.
#include "settings/IniText.h"

#include <QHash>
#include <QString>
#include <optional>

namespace settings {

class IniDocument {
public:
    IniDocument() = default;
    static IniDocument FromBytes(const QByteArray& bytes);

    std::optional<QString> Value(const QString& section, const QString& key) const;

    // Replaces the value of an existing key in place, else adds the key at the
    // end of its section, else appends the section at the end. The written
    // line is "key=value" ended by CR LF; every other line keeps its bytes.
    // False, changing nothing, for names that IsSectionName or IsKeyName refuse.
    bool SetValue(const QString& section, const QString& key, const QString& value);

    QByteArray ToBytes() const { return JoinIniText(m_text); }
    IniEncoding Encoding() const { return m_text.encoding; }

    // Names that a write can store so that they read back and add no other
    // line: no line break or NUL, no blank or TAB at either end; a section name
    // holds no "]"; a key name is not empty, holds no "=" and does not begin
    // with "[" or ";".
    static bool IsSectionName(const QString& name);
    static bool IsKeyName(const QString& name);

private:
    enum class Kind { Other, Section, Key };
    struct Parsed {
        Kind kind = Kind::Other;
        QString name;   // section or key name, trimmed
        QString value;  // key value, trimmed and unquoted
    };

    Parsed Parse(const IniLine& line) const;
    QByteArray Encode(const QString& text);
    void KeepEncodingRecognisable();
    void Reindex();
    qsizetype FindSection(const QString& section) const;
    void InsertLine(qsizetype at, const QString& text);

    IniText m_text;
    // case-folded "section\nkey" -> value of the first key in the first section
    QHash<QString, QString> m_index;
};

// How a value is written so that it reads back unchanged: line breaks become
// blanks (they would end the line), and a value with blanks or TABs at either
// end or enclosed in quotes is wrapped in double quotes.
QString EncodeIniValue(const QString& value);

}  // namespace settings
