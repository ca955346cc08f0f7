#pragma once
// Helpers for checking generated texts line by line.
#include "tests/support/QtPrinters.h"

#include <QStringList>
#include <gtest/gtest.h>

// The lines of a generated text. Every line, the last included, must end in
// CR LF, and no other CR or LF may appear.
inline QStringList Lines(const QString& text)
{
    if (!text.isEmpty() && !text.endsWith(QStringLiteral("\r\n")))
        ADD_FAILURE() << "text does not end with CR LF";
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast();
    for (const QString& line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            ADD_FAILURE() << "bare CR or LF in line: " << line.toStdString();
    }
    return lines;
}

// The lines joined, each followed by CR LF.
inline QString Crlf(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

// True when the lines stand in the text one after another, as whole lines.
inline bool HasBlock(const QString& text, const QStringList& lines)
{
    return (QStringLiteral("\r\n") + text).contains(QStringLiteral("\r\n") + Crlf(lines));
}

#define EXPECT_BLOCK(text, ...) EXPECT_TRUE(HasBlock((text), QStringList{__VA_ARGS__})) << (text).toStdString()
#define EXPECT_NO_BLOCK(text, ...) EXPECT_FALSE(HasBlock((text), QStringList{__VA_ARGS__})) << (text).toStdString()
