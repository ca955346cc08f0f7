// The classic command-line scan over any text: it never fails, and every
// collected path exists inside the fuzzing folder's tree.
#include "app/CFileCollector.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

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
    // Absolute names would walk the whole machine: keep the scan in the folder.
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    text.replace(QLatin1Char('/'), QLatin1Char('_'));
    text.replace(QLatin1String(".."), QLatin1String("_"));
    CFileCollector collector;
    collector.AddFromCommandLine(text);
    for (const QString& path : collector.Paths()) {
        if (!QFileInfo::exists(path) || !QFileInfo(path).canonicalFilePath().startsWith(root))
            std::abort();
    }
    return 0;
}
