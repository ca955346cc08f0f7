#pragma once
#include <QObject>
#include <QString>
#include <optional>

namespace settings {

class FileUtil {
public:
    virtual ~FileUtil() = default;

    // True when a file or folder exists at the path. One trailing separator is
    // ignored; "*" and "?" in the last component match as wildcards.
    static bool FileExists(const QString& path);

    // The folder picker titled "フォルダを選択してください" with the initial
    // folder preselected: the chosen folder (no trailing separator, the root
    // excepted), none on cancel.
    std::optional<QString> BrowseForFolder(QObject* owner, const QString& initialFolder) const;
};

}  // namespace settings
