#pragma once
// Captions that the messages of several windows share.
#include <QString>

namespace platform {

inline const QString kFileErrorCaption = QStringLiteral("ファイルエラー");
inline const QString kQuestionCaption = QStringLiteral("確認");
inline const QString kSettingsErrorCaption = QStringLiteral("設定エラー");

}  // namespace platform
