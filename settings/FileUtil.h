#pragma once
#include <QObject>
#include <QString>

namespace settings {

class FileUtil {
public:
    virtual ~FileUtil() = default;

    // True when a file or folder exists at the path. One trailing separator is
    // ignored; "*" and "?" in the last component match as wildcards.
    static bool FileExists(const QString& path);

    // The folder picker titled "フォルダを選択してください" with the initial
    // folder preselected. On a choice the folder (no trailing separator, the
    // root excepted) goes to output and the result is true; on cancel the
    // output is untouched and the result is false.
    bool BrowseForFolder(QObject* owner, QString& output, const QString& initialFolder) const;
};

}  // namespace settings
