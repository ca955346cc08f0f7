#pragma once
// The JDKs installed on this machine that tests run: the one Tarnwick finds,
// and Temurin 25 where it is installed beside it. Each is its bin folder,
// ending in "/".
#include "platform/JdkLocator.h"

#include <QFile>
#include <QStringList>

inline QStringList InstalledJdks()
{
    QStringList jdks;
    if (const std::optional<QString> found = platform::FindJdk())
        jdks << *found;
#ifndef Q_OS_WIN  // under Wine, the Linux JDK's folder is there too, but not runnable
    const QString temurin = QStringLiteral("/usr/lib/jvm/temurin-25-jdk-amd64/bin/");
    if (QFile::exists(temurin + QStringLiteral("javac")) && !jdks.contains(temurin))
        jdks << temurin;
#endif
    return jdks;
}
