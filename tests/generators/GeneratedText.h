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

// The four cases of the commented key switch, each line begun with lead.
inline QStringList KeyCases(const QString& lead)
{
    const std::pair<const char*, const char16_t*> keys[] = {
        {"UP", u"上"}, {"DOWN", u"下"}, {"RIGHT", u"右"}, {"LEFT", u"左"}};
    QStringList lines;
    for (const auto& [key, name] : keys)
        lines << lead + "\tcase KeyEvent.VK_" + key + ":"
              << lead + "\t\t//キーボードの" + QString::fromUtf16(name) + "が押されたときのイベントを書いて下さい"
              << lead + "\t\t" << lead + "\t\tbreak;";
    return lines;
}
