#pragma once
// Argument strings in the classic command-line form, as the program builds
// them for the JDK tools, turned into argument lists (no shell is involved).
#include <QString>
#include <QStringList>

namespace platform {

// Splits by the rules of the C runtime on Windows: blanks and TABs separate,
// double quotes group (and are removed), "" inside quotes is a literal quote,
// 2n backslashes before a quote give n backslashes and a grouping quote,
// 2n+1 give n backslashes and a literal quote; other backslashes are literal.
QStringList SplitCommandLine(const QString& text);

// The inverse for one argument: quoted when it is empty or holds a blank, a
// TAB or a double quote, so that SplitCommandLine gives it back whole.
QString QuoteArgument(const QString& argument);

// A relative file name that begins like an option ("-") or an argument file
// ("@") with "./" in front, so that a tool takes it as a file.
QString AsFileArgument(const QString& name);

}  // namespace platform
