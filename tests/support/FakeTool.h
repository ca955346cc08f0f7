#pragma once
// Copies of the fake tool (FakeTool.cpp) that stand in for a JDK's tools.
#include "tests/support/TempFolder.h"

#include <QFile>
#include <QStringList>

// What ends a program's file name on this system.
#ifdef Q_OS_WIN
inline const QString kExe = QStringLiteral(".exe");
#else
inline const QString kExe;
#endif

// The fake tool as relative (plus kExe) in folder, running steps whatever it
// is given.
inline QString WriteFakeTool(const TempFolder& folder, const QString& relative, const QStringList& steps)
{
    folder.Write(relative + ".steps", steps.join('\n').toUtf8() + '\n');
    const QString path = folder.Path(relative + kExe);
    QFile::remove(path);
    QFile::copy(QStringLiteral(TW_FAKE_TOOL), path);
    return path;
}
