#include "tests/runner/CommandsTestSupport.h"

#include <QFileInfo>

void FakeMainContext::SetFile(const QString& path)
{
    const QFileInfo info(path);
    file.fileName = info.fileName();
    file.folder = info.absolutePath() + QLatin1Char('/');
    const qsizetype dot = file.fileName.lastIndexOf(QLatin1Char('.'));
    file.title = dot < 0 ? file.fileName : file.fileName.left(dot);
    file.extension = dot < 0 ? QString() : file.fileName.mid(dot + 1).toLower();
}
