#include "settings/IniDocument.h"

#include "platform/TextCodec.h"

#include <QSet>

namespace settings {

namespace {

QString NameKey(const QString& name) { return name.toCaseFolded(); }

QString IndexKey(const QString& section, const QString& key)
{
    return NameKey(section) + QLatin1Char('\n') + NameKey(key);
}

bool SameName(const QString& a, const QString& b) { return NameKey(a) == NameKey(b); }

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Only blanks and TABs: U+3000 and other white space belong to the text.
QString TrimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

bool IsQuote(QChar c) { return c == QLatin1Char('"') || c == QLatin1Char('\''); }

QString Unquote(const QString& value)
{
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

bool IsStorableName(const QString& name)
{
    return name.isValidUtf16() && TrimBlanks(name) == name && !name.contains(QLatin1Char('\r'))
           && !name.contains(QLatin1Char('\n')) && !name.contains(QChar(0));
}

}  // namespace

QString EncodeIniValue(const QString& value)
{
    QString v = value;
    v.replace(QLatin1String("\r\n"), QLatin1String(" "));
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (TrimBlanks(v) != v || Unquote(v) != v)
        return QLatin1Char('"') + v + QLatin1Char('"');
    return v;
}

bool IniDocument::IsSectionName(const QString& name)
{
    return IsStorableName(name) && !name.contains(QLatin1Char(']'));
}

bool IniDocument::IsKeyName(const QString& name)
{
    return IsStorableName(name) && !name.isEmpty() && !name.contains(QLatin1Char('='))
           && !name.startsWith(QLatin1Char('[')) && !name.startsWith(QLatin1Char(';'));
}

IniDocument IniDocument::FromBytes(const QByteArray& bytes)
{
    IniDocument doc;
    doc.m_text = SplitIniText(bytes);
    doc.Reindex();
    return doc;
}

QByteArray IniDocument::Encode(const QString& text)
{
    // Text that needs more than CP932 moves the whole file to UTF-8.
    if (m_text.encoding == IniEncoding::Cp932 && !platform::IsCp932Encodable(text))
        MoveIniTextToUtf8(m_text);
    return EncodeIniLine(m_text.encoding, text);
}

void IniDocument::KeepEncodingRecognisable()
{
    // A CP932 file whose only non-UTF-8 bytes were just replaced would be
    // read back as UTF-8 and garbled: it moves to UTF-8 as a whole.
    if (m_text.encoding == IniEncoding::Cp932 && platform::IsValidUtf8(ToBytes()))
        MoveIniTextToUtf8(m_text);
}

IniDocument::Parsed IniDocument::Parse(const IniLine& line) const
{
    Parsed parsed;
    const QString text = TrimBlanks(DecodeIniLine(m_text.encoding, line.bytes));
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        parsed.kind = Kind::Section;
        parsed.name = TrimBlanks(text.mid(1, close < 0 ? -1 : close - 1));
        return parsed;
    }
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq <= 0 || text.startsWith(QLatin1Char(';')))
        return parsed;
    parsed.kind = Kind::Key;
    parsed.name = TrimBlanks(text.left(eq));
    parsed.value = Unquote(TrimBlanks(text.mid(eq + 1)));
    return parsed;
}

void IniDocument::Reindex()
{
    m_index.clear();
    QSet<QString> seenSections;
    QString section;
    bool reading = false;  // inside the first section of its name
    for (const IniLine& line : m_text.lines) {
        const Parsed parsed = Parse(line);
        if (parsed.kind == Kind::Section) {
            section = parsed.name;
            reading = !seenSections.contains(NameKey(section));
            seenSections.insert(NameKey(section));
        } else if (parsed.kind == Kind::Key && reading) {
            const QString key = IndexKey(section, parsed.name);
            if (!m_index.contains(key))
                m_index.insert(key, parsed.value);
        }
    }
}

std::optional<QString> IniDocument::Value(const QString& section, const QString& key) const
{
    const auto it = m_index.constFind(IndexKey(section, key));
    if (it == m_index.constEnd())
        return {};
    return *it;
}

qsizetype IniDocument::FindSection(const QString& section) const
{
    for (qsizetype i = 0; i < m_text.lines.size(); ++i) {
        const Parsed parsed = Parse(m_text.lines[i]);
        if (parsed.kind == Kind::Section && SameName(parsed.name, section))
            return i;
    }
    return -1;
}

void IniDocument::InsertLine(qsizetype at, const QString& text)
{
    const QByteArray bytes = Encode(text);  // may move the file to UTF-8 first
    if (at > 0)
        EndIniLine(m_text.encoding, m_text.lines[at - 1]);
    m_text.lines.insert(at, {bytes, EncodeIniLine(m_text.encoding, QStringLiteral("\r\n"))});
}

bool IniDocument::SetValue(const QString& section, const QString& key, const QString& value)
{
    if (!IsSectionName(section) || !IsKeyName(key))
        return false;
    const QString written = key + QLatin1Char('=') + EncodeIniValue(value);
    const qsizetype head = FindSection(section);
    if (head < 0) {
        InsertLine(m_text.lines.size(), QLatin1Char('[') + section + QLatin1Char(']'));
        InsertLine(m_text.lines.size(), written);
    } else {
        qsizetype lastFilled = head;
        qsizetype replace = -1;
        for (qsizetype i = head + 1; i < m_text.lines.size() && replace < 0; ++i) {
            const Parsed parsed = Parse(m_text.lines[i]);
            if (parsed.kind == Kind::Section)
                break;
            if (parsed.kind == Kind::Key && SameName(parsed.name, key))
                replace = i;
            else if (!TrimBlanks(DecodeIniLine(m_text.encoding, m_text.lines[i].bytes)).isEmpty())
                lastFilled = i;
        }
        if (replace >= 0) {
            const QByteArray bytes = Encode(written);
            m_text.lines[replace] = {bytes, EncodeIniLine(m_text.encoding, QStringLiteral("\r\n"))};
        } else {
            InsertLine(lastFilled + 1, written);
        }
    }
    KeepEncodingRecognisable();
    Reindex();
    return true;
}

}  // namespace settings
