#pragma once
// The places in a tool's output that name a line of a source file: javac's
// "File.java:LINE: error|warning: ..." (also in Japanese) and the
// "at pkg.Class.method(File.java:LINE)" lines of a stack trace.
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace runner {

struct SourceLink {
    enum class Kind { Error, Warning, Trace };
    Kind kind = Kind::Error;
    QString file;         // as written: relative to the working folder, or absolute
    int line = 0;         // from 1
    QString package;      // of a stack-trace line: "pkg.sub"; else empty
    qsizetype start = 0;  // the part of the line shown as the link
    qsizetype length = 0;
};

std::optional<SourceLink> FindSourceLink(QStringView line);
// Whether the line is a compiler error or warning, quickly (for counting).
std::optional<SourceLink::Kind> DiagnosticKind(QStringView line);

// The files a link may mean, most likely first: javac's name in the working
// folder; a stack trace's file beside the current file, then under its
// package's path.
QStringList LinkCandidates(const SourceLink& link, const QString& folder);

// "エラー 2 件、警告 1 件"; empty when there are none.
QString DiagnosticSummary(int errors, int warnings);

}  // namespace runner
