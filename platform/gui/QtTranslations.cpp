#include "platform/gui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

bool InstallQtTranslations(QTranslator& translator)
{
    // A portable copy carries them beside the program; Qt's own folder is
    // where an installed Qt keeps them.
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    const QString name = QStringLiteral("qtbase_ja");
    return (translator.load(name, beside) || translator.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
           && QCoreApplication::installTranslator(&translator);
}

}  // namespace platform
