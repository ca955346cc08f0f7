#pragma once
// Turns one stream of a tool's output, arriving in pieces of any size, into
// whole lines of text: the unfinished tail (even half a UTF-8 character)
// waits for its LF. The same rules as the captured text: CR LF and LF end a
// line, over-long lines are broken, the stream is cut after a limit, and
// both are noted at the end.
#include "runner/CapturedText.h"

#include <QByteArray>
#include <QString>

namespace runner {

class LineAssembler {
public:
    explicit LineAssembler(qsizetype lineLimit = kLineLimit, qint64 streamLimit = kStreamLimit);

    // The complete lines of everything pushed so far, each ended by LF.
    QString Push(QByteArrayView chunk);
    // The last line (given its LF) and the notices; call once at the end.
    QString Flush();
    // The unfinished line so far, up to its last whole character, without an
    // LF (a prompt that waits for input); the line goes on from there.
    QString TakeUnfinished();

    bool Broke() const { return m_broke; }
    bool Cut() const { return m_cut; }
    qint64 Total() const { return m_total; }

private:
    void TakeLine(qsizetype end, QByteArray& lines);
    void BreakTail(QByteArray& lines);
    qsizetype CutPoint(qsizetype start) const;

    qsizetype m_lineLimit;
    qint64 m_streamLimit;
    QByteArray m_tail;
    qint64 m_total = 0;  // bytes pushed, also those beyond the limit
    bool m_broke = false;
    bool m_cut = false;
};

}  // namespace runner
