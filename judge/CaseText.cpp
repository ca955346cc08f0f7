#include "judge/CaseText.h"

#include "platform/FileContent.h"
#include "platform/SourceEncoding.h"

#include <QFileInfo>

namespace judge {

std::optional<CaseText> ReadCaseText(const QString& path, qint64 limit)
{
    // The size first, so that a huge file is not read only to be refused;
    // the reader refuses anything but a regular file (a FIFO would block).
    if (QFileInfo(path).size() > limit)
        return std::nullopt;
    const std::optional<QByteArray> bytes = platform::ReadWholeFile(path);
    if (!bytes || bytes->size() > limit)
        return std::nullopt;
    const platform::SourceEncoding encoding = platform::DetectSourceEncoding(*bytes);
    std::optional<QString> text = platform::DecodeSource(*bytes, encoding);
    if (!text)
        return std::nullopt;
    return CaseText{std::move(*text), platform::EncodingLabel(encoding)};
}

QByteArray ProgramInput(const CaseText& text) { return text.text.toUtf8(); }

}  // namespace judge
