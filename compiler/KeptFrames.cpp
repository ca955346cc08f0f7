#include "compiler/KeptFrames.h"

#include <QtEndian>

namespace compiler {

namespace {

void AppendInt(QByteArray& bytes, qint32 value)
{
    char big[4];
    qToBigEndian(value, big);
    bytes.append(big, 4);
}

// Reads a length-prefixed block at at; false while it is incomplete.
class Reader {
public:
    explicit Reader(const QByteArray& bytes)
        : m_bytes(bytes)
    {}
    std::optional<qint32> Int()
    {
        if (m_bytes.size() - m_at < 4)
            return std::nullopt;
        const auto value = qFromBigEndian<qint32>(m_bytes.constData() + m_at);
        m_at += 4;
        return value;
    }
    // Nothing while incomplete; a negative length is no block (bad set).
    std::optional<QByteArray> Block()
    {
        const std::optional<qint32> length = Int();
        if (!length)
            return std::nullopt;
        if (*length < 0) {
            bad = true;
            return std::nullopt;
        }
        if (m_bytes.size() - m_at < *length)
            return std::nullopt;
        QByteArray block = m_bytes.mid(m_at, *length);
        m_at += *length;
        return block;
    }
    qsizetype At() const { return m_at; }
    bool bad = false;

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 1;  // after the tag
};

}  // namespace

QByteArray EncodeRequest(const QStringList& strings)
{
    QByteArray bytes;
    AppendInt(bytes, static_cast<qint32>(strings.size()));
    for (const QString& text : strings) {
        const QByteArray utf8 = text.toUtf8();
        AppendInt(bytes, static_cast<qint32>(utf8.size()));
        bytes += utf8;
    }
    return bytes;
}

std::optional<DecodedAnswer> DecodeAnswer(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return std::nullopt;
    Reader reader(bytes);
    if (bytes.front() == 'F') {
        if (!reader.Block())
            return reader.bad ? std::optional(DecodedAnswer{bytes.size(), std::nullopt}) : std::nullopt;
        return DecodedAnswer{reader.At(), std::nullopt};
    }
    if (bytes.front() != 'R')
        return DecodedAnswer{bytes.size(), std::nullopt};
    runner::KeptAnswer answer;
    const std::optional<qint32> exitCode = reader.Int();
    std::optional<QByteArray> output;
    std::optional<QByteArray> error;
    if (exitCode && (output = reader.Block()) && (error = reader.Block()))
        return DecodedAnswer{reader.At(), runner::KeptAnswer{*exitCode, *output, *error}};
    return reader.bad ? std::optional(DecodedAnswer{bytes.size(), std::nullopt}) : std::nullopt;
}

}  // namespace compiler
