#include "platform/gui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

bool InstallQtTranslations(QTranslator& translator)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    return translator.load(QStringLiteral("qtbase_ja"), folder) && QCoreApplication::installTranslator(&translator);
}

}  // namespace platform
