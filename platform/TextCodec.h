#pragma once
// Conversions between the program's Unicode text and the bytes of files and
// processes. The platform's text encoding is UTF-8 on Linux.
#include <QByteArray>
#include <QString>

namespace platform {

bool IsValidUtf8(const QByteArray& bytes);

// Text of a file that the program reads back (settings): UTF-8, or CP932 when
// the bytes are not valid UTF-8 (a file copied from a Japanese Windows system).
QString DecodeFileText(const QByteArray& bytes);

// Text that a tool wrote: UTF-8 where valid, every invalid byte becomes U+FFFD.
QString DecodeToolOutput(const QByteArray& bytes);

// Bytes of a text file the program writes.
QByteArray EncodeFileText(const QString& text);

// CP932 (Shift-JIS) bytes of a text; characters without a CP932 form become "?".
QByteArray ToCp932(const QString& text);
// Bytes that do not decode (a lead byte at the end included) read as U+FFFD or U+001A.
QString FromCp932(const QByteArray& bytes);
bool IsValidCp932(const QByteArray& bytes);
bool IsCp932Encodable(const QString& text);

}  // namespace platform
