#pragma once
#include <QByteArray>
#include <QtGlobal>

// Where the sources and the build live, for tests that need files of either.
inline void SetTestFolders()
{
    if (!qEnvironmentVariableIsSet("TW_SOURCE_DIR"))
        qputenv("TW_SOURCE_DIR", QByteArray(TW_SOURCE_DIR_DEFAULT));
    if (!qEnvironmentVariableIsSet("TW_BINARY_DIR"))
        qputenv("TW_BINARY_DIR", QByteArray(TW_BINARY_DIR_DEFAULT));
}
