#pragma once
// Finding a program's cases: pairs NAME.in + NAME.out in a folder, or the
// folders in/ and out/ holding files of the same names.
#include <QList>
#include <QString>
#include <QStringList>

namespace judge {

struct TestCase {
    QString name;          // "sample-1", or "in/01" style names as the files are named, without ".in"
    QString inputPath;     // absolute
    QString expectedPath;  // absolute; empty when the case has no expected output (listed, not run)
};

struct CaseFolder {
    QString folder;         // where the cases were found (and the rules file is read), ending in "/"
    QList<TestCase> cases;  // in the order a user reads names: "sample-2" before "sample-10"
};

// The cases of one folder: NAME.in with NAME.out beside it, and in/NAME with
// out/NAME (any extension, the same file name). Hidden files, folders and
// anything but regular files (after links) are left out.
CaseFolder CasesIn(const QString& folder);

// The first of the source folder and its test/, tests/ and cases/
// sub-folders that holds a case with expected output, else the first that
// holds any case (a lone input kept beside the source for a manual run does
// not hide tests/); an empty CaseFolder when none does.
CaseFolder FindCases(const QString& sourceFolder);

// Names compared as a user reads them: runs of digits by their value.
bool NaturalLess(const QString& left, const QString& right);

}  // namespace judge
