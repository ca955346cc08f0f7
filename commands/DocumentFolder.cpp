#include "commands/DocumentFolder.h"

#include "commands/ToolArguments.h"

#include <QDir>
#include <QFileInfo>

namespace cmd {

// javadoc lists what it documented in element-list (package-list before
// JDK 9); a folder with either is one it made.
DocumentFolder InspectDocumentFolder(const QString& folder)
{
    DocumentFolder doc;
    doc.path = folder + QLatin1String(kDocumentFolder);
    const QFileInfo info(doc.path);
    if (info.isSymLink()) {
        doc.target = info.canonicalFilePath();
        const QString inside = QFileInfo(folder).canonicalFilePath() + QLatin1Char('/');
        if (doc.target.isEmpty() || !doc.target.startsWith(inside)) {
            doc.kind = DocumentFolder::Kind::LinkOutside;
            return doc;
        }
    }
    const QDir dir(doc.path);
    if (!info.isDir() || dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
        || dir.exists(QStringLiteral("element-list")) || dir.exists(QStringLiteral("package-list")))
        return doc;
    doc.kind = DocumentFolder::Kind::Foreign;
    return doc;
}

}  // namespace cmd
