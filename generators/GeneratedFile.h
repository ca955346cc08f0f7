#pragma once
#include <QObject>
#include <QString>

namespace gen {

// Writes a generated text to path in the platform's encoding, replacing the
// file atomically. Asks "上書き確認" first when the file exists and reports
// "作成確認" afterwards (shownName in the message); a failed write is shown
// with the system's reason and leaves the old file. True when written.
bool SaveGeneratedFile(QObject* owner, const QString& path, const QString& text, const QString& shownName);

}  // namespace gen
