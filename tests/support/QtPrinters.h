#pragma once
// Readable Qt values in test failure messages.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

inline void PrintTo(const QByteArray& bytes, std::ostream* out)
{
    *out << '"' << QString::fromLatin1(bytes.toPercentEncoding(" \t!#$%&'()*+,-./:;<=>?@[]^_`{|}~")).toStdString()
         << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '{';
    for (const QString& s : list)
        *out << '"' << s.toStdString() << "\" ";
    *out << '}';
}
