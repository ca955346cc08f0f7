#include "platform/FileContent.h"

namespace platform {

std::optional<QByteArray> ReadWholeFile(const QString& path)
{
    QByteArray all;
    if (!ReadFileInPieces(path, [&all](QByteArrayView piece) { all += piece; }))
        return std::nullopt;
    return all;
}

}  // namespace platform
