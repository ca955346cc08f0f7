#pragma once
// A case file's text, read in its own encoding (UTF-8, Shift_JIS, EUC-JP, a
// byte-order mark), as the program's input or its expected output.
#include <QByteArray>
#include <QString>

#include <optional>

namespace judge {

struct CaseText {
    QString text;
    QString encoding;  // the name shown to the user: "UTF-8", "Shift_JIS" ...
};

// Nothing when the file cannot be read, is not a regular file, or is longer
// than limit bytes.
std::optional<CaseText> ReadCaseText(const QString& path, qint64 limit);

// The bytes a program reads as its standard input: the text in UTF-8, as the
// JDK's tools run under a UTF-8 locale.
QByteArray ProgramInput(const CaseText& text);

}  // namespace judge
