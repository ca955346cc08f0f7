#pragma once
// Japanese text that nobody here wrote, read at test time from the Debian
// packages that ship it: the word lists of mecab-ipadic and skkdic, and the
// sentences of the Japanese manual pages (manpages-ja). Each list is empty
// when its package is not installed.
#include <QStringList>

// Every distinct entry of mecab-ipadic's word lists.
QStringList MecabWords();
// Every distinct candidate of skkdic's large dictionary.
QStringList SkkWords();
// The sentences of the Japanese manual pages, one line each, markup removed.
QStringList ManualSentences();

// The word in half-width katakana; empty when it is not all katakana that
// have half-width forms.
QString HalfWidthKatakana(const QString& word);
