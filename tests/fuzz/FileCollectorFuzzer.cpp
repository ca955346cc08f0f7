// The classic command-line scan over any text: it never fails, and every
// collected path exists inside the fuzzing folder's tree.
#include "app/FileCollector.h"
#include "tests/fuzz/FuzzCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace app;

namespace {

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    static const bool ready = [] {
        for (const char* name : {"A.java", "b c.java", "sub/x.class", "sub/deep/y.jar", "\xe3\x82\xbd.java"}) {
            const QString path = folder.filePath(QString::fromUtf8(name));
            QDir().mkpath(QFileInfo(path).absolutePath());
            QFile file(path);
            file.open(QIODevice::WriteOnly);
        }
        QDir::setCurrent(folder.path());
        return true;
    }();
    (void)ready;
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const QString root = QFileInfo(Folder().path()).canonicalFilePath();
    // Absolute names and ".." would walk the whole machine: keep the scan in
    // the folder. Quotes vanish in the scan, so ".\"." counts as ".." too.
    const QString input = QString::fromUtf8(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    QString text;
    QChar previous;
    for (QChar c : input) {
        if (c == QLatin1Char('/') || (c == QLatin1Char('.') && previous == QLatin1Char('.')))
            c = QLatin1Char('_');
        text.append(c);
        if (c != QLatin1Char('"'))
            previous = c;
    }
    FileCollector collector;
    collector.AddFromCommandLine(text);
    for (const QString& path : collector.Paths())
        Check(QFileInfo::exists(path) && QFileInfo(path).canonicalFilePath().startsWith(root));
    return 0;
}
