#pragma once
// The text of an INI file as a list of lines, read and changed without
// disturbing any line that is not the one written.
//
// Format: "[section]" opens a section; "key=value" lines follow. Section and
// key names match without regard to letter case; blanks around names and
// values do not count; a value in one pair of single or double quotes is read
// without them. The first matching section and key win.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

class IniDocument {
public:
    IniDocument() = default;
    // UTF-8, or CP932 when the bytes are not valid UTF-8.
    static IniDocument FromBytes(const QByteArray& bytes);

    std::optional<QString> Value(const QString& section, const QString& key) const;

    // Replaces the value of an existing key in place, else adds the key at the
    // end of its section, else appends the section at the end. The written
    // line is "key=value" ended by CR LF; every other line keeps its bytes.
    void SetValue(const QString& section, const QString& key, const QString& value);

    QByteArray ToBytes() const;
    bool IsCp932() const { return m_cp932; }

private:
    struct Line {
        QByteArray bytes;   // without the line end
        QByteArray ending;  // "\r\n", "\n", "\r" or empty on the last line
    };
    enum class Kind { Other, Section, Key };
    struct Parsed {
        Kind kind = Kind::Other;
        QString name;   // section or key name, trimmed
        QString value;  // key value, trimmed and unquoted
    };

    Parsed Parse(const Line& line) const;
    QString Decode(const QByteArray& bytes) const;
    QByteArray Encode(const QString& text);
    void TranscodeToUtf8();
    void KeepEncodingRecognisable();
    void Reindex();
    qsizetype FindSection(const QString& section) const;

    QList<Line> m_lines;
    bool m_cp932 = false;
    // lower-case "section\nkey" -> first value
    QHash<QString, QString> m_index;
};

// How a value is written so that it reads back unchanged: line breaks become
// blanks (they would end the line), and a value with blanks at either end or
// enclosed in quotes is wrapped in double quotes.
QString EncodeIniValue(const QString& value);
