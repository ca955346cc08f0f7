#pragma once
// What one case's run gave.
#include "judge/Comparison.h"
#include "judge/Verdict.h"

#include <QByteArray>
#include <QString>

namespace judge {

struct CaseResult {
    Verdict verdict = Verdict::Pending;
    qint64 elapsedMs = 0;         // wall time from the start to the end, the JVM's start included
    int exitCode = 0;             // when the program ended by itself
    bool crashed = false;         // ended by a signal it did not send itself
    QString output;               // standard output, as the program wrote it (decoded as UTF-8)
    QString error;                // standard error, apart
    bool outputCut = false;       // a stream passed the output limit: the program was stopped there
    bool inputExhausted = false;  // at a time limit: the program had read all of its input
    Difference difference;        // against the expected output, when the run ended by itself
    QString message;              // why a case was not run, or what stopped it ("出力が…を超えました")
};

}  // namespace judge
