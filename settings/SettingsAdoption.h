#pragma once
// A Setting.ini beside the program that the program does not use (its folder
// is read-only, or the copy is installed) holds what a teacher or an earlier
// run prepared: it starts the user's own file, once.
#include <QString>

namespace settings {

// Copies programFolder's Setting.ini into settingsFolder when the user has
// none there yet. Returns the notice that says where the settings are kept
// from now on; empty when nothing was copied.
QString AdoptProgramSettings(const QString& programFolder, const QString& settingsFolder);

}  // namespace settings
