#pragma once
// The Java sources that one javac or javadoc run reads, and what it takes to
// read them all in one encoding: javac cannot read a byte-order mark, and it
// reads every source of a run (also the folder's sources it finds for the
// classes they hold) in the one encoding given.
#include "platform/FileStatus.h"
#include "platform/SourceEncoding.h"

#include <QList>
#include <QStringList>

namespace java {

struct SourceFile {
    QString name;  // in the folder
    platform::SourceEncoding encoding = platform::SourceEncoding::Ascii;
    platform::FileStatus status = {};  // when it was examined
};

// Each named regular file of the folder with its encoding; others and
// unreadable ones are left out.
QList<SourceFile> ExamineSources(const QString& folder, const QStringList& names);

struct SourcePlan {
    QStringList marked;         // named UTF-8 sources that begin with a byte-order mark
    QList<SourceFile> foreign;  // not UTF-8 where the sources do not share one encoding
    // Reads every source when they share one; otherwise the named ones when
    // they share one, else UTF-8 (then javac names each source it cannot read).
    platform::SourceEncoding encoding = platform::SourceEncoding::Ascii;
};

// named: the sources the tool is given; others: the rest of the folder.
// ASCII reads the same in every encoding but UTF-16.
SourcePlan PlanSources(const QList<SourceFile>& named, const QList<SourceFile>& others);

QString ByteOrderMarkQuestion(const QStringList& names);
QString MixedEncodingQuestion(const SourcePlan& plan, const QStringList& named);
// "Hello.java を Shift_JIS として読みました" for the sources that the plan reads in
// an encoding other than UTF-8; empty when it reads them as UTF-8.
QString ReadingNote(const SourcePlan& plan, const QList<SourceFile>& sources);

// Rewrites the file without its first three bytes: a complete new file takes
// the old one's name, so no reader ever sees half of it.
bool DropByteOrderMark(const QString& path);

// Rewrites the file in UTF-8 with the characters that javac read in the
// examined encoding, after keeping the original beside it under a name not
// yet taken (Foo.java.sjis, Foo.java.sjis.2, ...). Refuses a file changed
// since it was examined; a failed write leaves no copy behind. Empty on
// success, else why it was not converted.
QString ConvertToUtf8(const QString& path, const SourceFile& examined);

}  // namespace java
