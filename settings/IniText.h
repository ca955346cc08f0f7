#pragma once
// The bytes of an INI file as lines in one encoding, decided once per file:
// a byte-order mark decides (UTF-8, UTF-16LE, UTF-16BE); without one the file
// is UTF-8 when its bytes are valid UTF-8, else CP932. Lines keep their bytes,
// so a line that does not decode is still written back unchanged.
#include <QByteArray>
#include <QList>
#include <QString>

namespace settings {

enum class IniEncoding { Utf8, Cp932, Utf16Le, Utf16Be };

struct IniLine {
    QByteArray bytes;   // in the file's encoding, without the line end
    QByteArray ending;  // CR LF, LF or CR in the file's encoding; empty on the last line
};

struct IniText {
    IniEncoding encoding = IniEncoding::Utf8;
    QByteArray bom;  // as found, or added when a CP932 file moved to UTF-8 kept undecodable lines
    QList<IniLine> lines;
};

IniText SplitIniText(const QByteArray& bytes);
QByteArray JoinIniText(const IniText& text);

// Text of one line; what does not decode reads as U+FFFD.
QString DecodeIniLine(IniEncoding encoding, const QByteArray& bytes);
QByteArray EncodeIniLine(IniEncoding encoding, const QString& text);

// Gives the last line a line end, keeping UTF-16 aligned after half a character.
void EndIniLine(IniEncoding encoding, IniLine& line);

// Moves a CP932 file to UTF-8. A line that is not valid CP932 keeps its bytes,
// and a UTF-8 byte-order mark then keeps the file read as UTF-8.
void MoveIniTextToUtf8(IniText& text);

}  // namespace settings
