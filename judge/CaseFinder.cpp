#include "judge/CaseFinder.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace judge {

namespace {

const QString kInputSuffix = QStringLiteral(".in");
const QString kExpectedSuffix = QStringLiteral(".out");

// Regular files only (after links, which a listing follows once and so
// cannot loop through); hidden files left out.
QFileInfoList RegularFiles(const QString& folder)
{
    QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    files.removeIf([](const QFileInfo& file) { return !file.isFile(); });
    return files;
}

QString WithoutSuffix(const QString& name, const QString& suffix)
{
    return name.endsWith(suffix) ? name.chopped(suffix.size()) : name;
}

// NAME.in with NAME.out beside it.
void AddPairs(const QString& folder, QList<TestCase>& cases)
{
    const QFileInfoList files = RegularFiles(folder);
    QHash<QString, QString> expected;
    for (const QFileInfo& file : files) {
        if (file.fileName().endsWith(kExpectedSuffix))
            expected.insert(WithoutSuffix(file.fileName(), kExpectedSuffix), file.absoluteFilePath());
    }
    for (const QFileInfo& file : files) {
        const QString name = WithoutSuffix(file.fileName(), kInputSuffix);
        if (file.fileName().endsWith(kInputSuffix) && !name.isEmpty())
            cases.append({name, file.absoluteFilePath(), expected.value(name)});
    }
}

// in/NAME with out/NAME; in/NAME.in may also have out/NAME.out.
void AddFolders(const QString& folder, QList<TestCase>& cases)
{
    const QFileInfo inputs(folder + QStringLiteral("in"));
    if (!inputs.isDir())
        return;
    QHash<QString, QString> expected;
    for (const QFileInfo& file : RegularFiles(folder + QStringLiteral("out")))
        expected.insert(file.fileName(), file.absoluteFilePath());
    for (const QFileInfo& file : RegularFiles(inputs.filePath())) {
        const QString fileName = file.fileName();
        QString expectedPath = expected.value(fileName);
        if (expectedPath.isEmpty() && fileName.endsWith(kInputSuffix))
            expectedPath = expected.value(WithoutSuffix(fileName, kInputSuffix) + kExpectedSuffix);
        cases.append(
            {QStringLiteral("in/") + WithoutSuffix(fileName, kInputSuffix), file.absoluteFilePath(), expectedPath});
    }
}

bool IsAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

qsizetype DigitRunEnd(QStringView text, qsizetype at)
{
    while (at < text.size() && IsAsciiDigit(text[at]))
        ++at;
    return at;
}

// Compares two runs of digits by value; 0 when equal.
int CompareNumbers(QStringView left, QStringView right)
{
    while (left.size() > 1 && left.front() == QLatin1Char('0'))
        left = left.sliced(1);
    while (right.size() > 1 && right.front() == QLatin1Char('0'))
        right = right.sliced(1);
    if (left.size() != right.size())
        return left.size() < right.size() ? -1 : 1;
    return left.compare(right);
}

}  // namespace

bool NaturalLess(const QString& left, const QString& right)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < left.size() && j < right.size()) {
        if (IsAsciiDigit(left[i]) && IsAsciiDigit(right[j])) {
            const qsizetype leftEnd = DigitRunEnd(left, i);
            const qsizetype rightEnd = DigitRunEnd(right, j);
            if (const int order = CompareNumbers(QStringView(left).sliced(i, leftEnd - i),
                                                 QStringView(right).sliced(j, rightEnd - j));
                order != 0)
                return order < 0;
            i = leftEnd;
            j = rightEnd;
            continue;
        }
        const QChar a = left[i].toCaseFolded();
        const QChar b = right[j].toCaseFolded();
        if (a != b)
            return a < b;
        ++i;
        ++j;
    }
    if (i < left.size() || j < right.size())
        return j < right.size();
    // Equal by value ("01" and "1", "A" and "a"): an order all the same.
    return left < right;
}

CaseFolder CasesIn(const QString& folder)
{
    CaseFolder result;
    result.folder = QDir(folder).absolutePath();
    if (!result.folder.endsWith(QLatin1Char('/')))
        result.folder += QLatin1Char('/');
    AddPairs(result.folder, result.cases);
    AddFolders(result.folder, result.cases);
    std::sort(result.cases.begin(), result.cases.end(),
              [](const TestCase& a, const TestCase& b) { return NaturalLess(a.name, b.name); });
    return result;
}

CaseFolder FindCases(const QString& sourceFolder)
{
    const QString base = QDir(sourceFolder).absolutePath() + QLatin1Char('/');
    CaseFolder firstAny;
    for (const QString& sub : {QString(), QStringLiteral("test"), QStringLiteral("tests"), QStringLiteral("cases")}) {
        CaseFolder found = CasesIn(base + sub);
        if (std::any_of(found.cases.begin(), found.cases.end(),
                        [](const TestCase& c) { return !c.expectedPath.isEmpty(); }))
            return found;
        if (firstAny.cases.isEmpty())
            firstAny = std::move(found);
    }
    return firstAny.cases.isEmpty() ? CaseFolder{} : firstAny;
}

}  // namespace judge
