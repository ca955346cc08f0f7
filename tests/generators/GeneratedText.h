#pragma once
// Helpers for checking generated texts line by line.
#include "tests/support/QtPrinters.h"

#include <QStringList>
#include <gtest/gtest.h>

// The lines of a text whose every line, the last included, must end in CR LF.
inline QStringList Lines(const QString& text)
{
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n"))) << "no CR LF at the end";
    EXPECT_EQ(text.count(u'\r') + text.count(u'\n'), 2 * text.count(QStringLiteral("\r\n"))) << "a bare CR or LF";
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

inline QString Crlf(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }

// Passes when the lines stand in the text one after another, as whole lines.
#define EXPECT_BLOCK(text, ...)                                                                                        \
    EXPECT_TRUE(("\r\n" + (text)).contains("\r\n" + Crlf(QStringList{__VA_ARGS__})))                                   \
        << "missing:\n"                                                                                                \
        << Crlf(QStringList{__VA_ARGS__}).toStdString() << "in:\n"                                                     \
        << (text).toStdString()
