#pragma once
// Hints for learners under the messages they meet most often: a table of
// rules, each looking at one finished javac message or at one line that no
// link parser took (what the program or the java launcher printed).
#include "output/OutputLinks.h"

#include <QList>
#include <QStringView>

namespace output {

// What is known of the run, for hints that depend on it.
struct HintContext {
    int jdkFeature = 0;        // the JDK's feature release (17, 25); 0 when unknown
    QString folder{};          // where the tool ran: the current file's folder or its package root
    QString fileName{};        // the current file ("Hello.java")
    QString className{};       // the current file's class ("a.b.Hello"); empty when unknown
    int programArguments = 0;  // how many arguments the program was given
};

// One javac message with the lines javac prints under it.
struct JavacMessage {
    SourceLink::Kind kind = SourceLink::Kind::Error;
    QString file;
    int line = 0;
    QString text;          // after "error: " or "エラー: "
    QString sourceLine;    // the line javac quotes; empty when it quoted none
    int caretColumn = -1;  // where its ^ stands
    int places = 1;        // messages of the same text in a row on this line, this the first
    QStringList details;   // the indented lines after the caret ("  symbol: ...")
    // The caret's column from 1 as the user counts characters (a pair of
    // surrogates is one); 0 without a caret.
    int Column() const;
};

struct HintRule {
    const char* name;
    // Each returns the hint without its "ヒント: ", or an empty string; either
    // may be null. Message rules see javac's errors. A line rule sees every plain line of a long output, so it
    // must reject quickly.
    QString (*message)(const JavacMessage& message, const HintContext& context) = nullptr;
    QString (*line)(QStringView line, const HintContext& context) = nullptr;
    // Text that every line the line rule hints holds; empty when any line
    // may get a hint. Text without it goes into the output in one piece.
    QStringView marker = {};
};

// The rules the output window uses: those for javac's messages, then those
// for the lines of the java launcher and of a program.
QList<HintRule> LearnerHintRules();
QList<HintRule> JavacHintRules();
QList<HintRule> EncodingHintRules();
QList<HintRule> LauncherHintRules();

// "ヒント: " and the hint of the first rule that has one; empty when none has.
QString HintFor(const QList<HintRule>& rules, const JavacMessage& message, const HintContext& context);
QString HintFor(const QList<HintRule>& rules, QStringView line, const HintContext& context);

}  // namespace output
