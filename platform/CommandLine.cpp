#include "platform/CommandLine.h"

namespace platform {

namespace {

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

}  // namespace

QStringList SplitCommandLine(const QString& text)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = text[i];
        if (!quoted && IsBlank(c)) {
            if (inArgument)
                arguments.append(current);
            current.clear();
            inArgument = false;
            ++i;
            continue;
        }
        inArgument = true;
        if (c == QLatin1Char('\\')) {
            qsizetype count = 0;
            while (i < n && text[i] == QLatin1Char('\\')) {
                ++count;
                ++i;
            }
            if (i < n && text[i] == QLatin1Char('"')) {
                current.append(QString(count / 2, QLatin1Char('\\')));
                if (count % 2 == 1) {
                    current.append(QLatin1Char('"'));
                    ++i;
                }
                // An even count leaves the quote to the next round.
            } else {
                current.append(QString(count, QLatin1Char('\\')));
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            if (quoted && i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                current.append(QLatin1Char('"'));
                i += 2;
                continue;
            }
            quoted = !quoted;
            ++i;
            continue;
        }
        current.append(c);
        ++i;
    }
    if (inArgument)
        arguments.append(current);
    return arguments;
}

QString QuoteArgument(const QString& argument)
{
    const bool needsQuotes = argument.isEmpty() || argument.contains(QLatin1Char(' '))
                             || argument.contains(QLatin1Char('\t')) || argument.contains(QLatin1Char('"'));
    if (!needsQuotes)
        return argument;
    QString out(QLatin1Char('"'));
    qsizetype backslashes = 0;
    for (const QChar c : argument) {
        if (c == QLatin1Char('\\')) {
            ++backslashes;
            continue;
        }
        if (c == QLatin1Char('"')) {
            out.append(QString(backslashes * 2 + 1, QLatin1Char('\\')));
            out.append(QLatin1Char('"'));
        } else {
            out.append(QString(backslashes, QLatin1Char('\\')));
            out.append(c);
        }
        backslashes = 0;
    }
    out.append(QString(backslashes * 2, QLatin1Char('\\')));
    out.append(QLatin1Char('"'));
    return out;
}

QString AsFileArgument(const QString& name)
{
    if (name.startsWith(QLatin1Char('-')) || name.startsWith(QLatin1Char('@')))
        return QStringLiteral("./") + name;
    return name;
}

}  // namespace platform
