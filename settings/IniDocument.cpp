#include "settings/IniDocument.h"

#include "platform/TextCodec.h"

namespace {

QString IndexKey(const QString& section, const QString& key)
{
    return section.toLower() + QLatin1Char('\n') + key.toLower();
}

bool IsQuote(QChar c) { return c == QLatin1Char('"') || c == QLatin1Char('\''); }

QString Unquote(const QString& value)
{
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

}  // namespace

QString EncodeIniValue(const QString& value)
{
    QString v = value;
    v.replace(QLatin1String("\r\n"), QLatin1String(" "));
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const bool padded = !v.isEmpty() && (v.front().isSpace() || v.back().isSpace());
    if (padded || Unquote(v) != v)
        return QLatin1Char('"') + v + QLatin1Char('"');
    return v;
}

IniDocument IniDocument::FromBytes(const QByteArray& bytes)
{
    IniDocument doc;
    doc.m_cp932 = !platform::IsValidUtf8(bytes);
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        Line line;
        line.bytes = bytes.mid(start, end - start);
        qsizetype next = end;
        if (end < n) {
            if (bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n')
                next = end + 2;
            else
                next = end + 1;
        }
        line.ending = bytes.mid(end, next - end);
        doc.m_lines.append(line);
        start = next;
    }
    doc.Reindex();
    return doc;
}

QString IniDocument::Decode(const QByteArray& bytes) const
{
    return m_cp932 ? platform::FromCp932(bytes) : QString::fromUtf8(bytes);
}

void IniDocument::TranscodeToUtf8()
{
    for (Line& line : m_lines)
        line.bytes = platform::EncodeFileText(platform::FromCp932(line.bytes));
    m_cp932 = false;
}

QByteArray IniDocument::Encode(const QString& text)
{
    // Text that needs more than CP932 moves the whole file to UTF-8.
    if (m_cp932 && !platform::IsCp932Encodable(text))
        TranscodeToUtf8();
    return m_cp932 ? platform::ToCp932(text) : platform::EncodeFileText(text);
}

void IniDocument::KeepEncodingRecognisable()
{
    // A CP932 file whose only non-UTF-8 bytes were just replaced would be
    // read back as UTF-8 and garbled: it moves to UTF-8 as a whole.
    if (m_cp932 && platform::IsValidUtf8(ToBytes()))
        TranscodeToUtf8();
}

IniDocument::Parsed IniDocument::Parse(const Line& line) const
{
    Parsed parsed;
    const QString text = Decode(line.bytes).trimmed();
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        parsed.kind = Kind::Section;
        parsed.name = text.mid(1, close < 0 ? -1 : close - 1).trimmed();
        return parsed;
    }
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq <= 0 || text.startsWith(QLatin1Char(';')))
        return parsed;
    parsed.kind = Kind::Key;
    parsed.name = text.left(eq).trimmed();
    parsed.value = Unquote(text.mid(eq + 1).trimmed());
    return parsed;
}

void IniDocument::Reindex()
{
    m_index.clear();
    QString section;
    bool inSection = false;
    for (const Line& line : m_lines) {
        const Parsed parsed = Parse(line);
        if (parsed.kind == Kind::Section) {
            section = parsed.name;
            inSection = true;
        } else if (parsed.kind == Kind::Key && inSection) {
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
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Parsed parsed = Parse(m_lines[i]);
        if (parsed.kind == Kind::Section && parsed.name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void IniDocument::SetValue(const QString& section, const QString& key, const QString& value)
{
    const QByteArray crlf("\r\n");
    const QByteArray written = Encode(key + QLatin1Char('=') + EncodeIniValue(value));
    const qsizetype head = FindSection(section);
    if (head < 0) {
        if (!m_lines.isEmpty() && m_lines.last().ending.isEmpty())
            m_lines.last().ending = crlf;
        m_lines.append({Encode(QLatin1Char('[') + section + QLatin1Char(']')), crlf});
        m_lines.append({written, crlf});
        KeepEncodingRecognisable();
        Reindex();
        return;
    }
    qsizetype lastFilled = head;
    for (qsizetype i = head + 1; i < m_lines.size(); ++i) {
        const Parsed parsed = Parse(m_lines[i]);
        if (parsed.kind == Kind::Section)
            break;
        if (parsed.kind == Kind::Key && parsed.name.compare(key, Qt::CaseInsensitive) == 0) {
            m_lines[i] = {written, crlf};
            KeepEncodingRecognisable();
            Reindex();
            return;
        }
        if (!Decode(m_lines[i].bytes).trimmed().isEmpty())
            lastFilled = i;
    }
    if (m_lines[lastFilled].ending.isEmpty())
        m_lines[lastFilled].ending = crlf;
    m_lines.insert(lastFilled + 1, {written, crlf});
    KeepEncodingRecognisable();
    Reindex();
}

QByteArray IniDocument::ToBytes() const
{
    QByteArray out;
    for (const Line& line : m_lines) {
        out += line.bytes;
        out += line.ending;
    }
    return out;
}
