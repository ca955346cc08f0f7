#include "commands/AppletViewerArguments.h"

#include "platform/CommandLine.h"

namespace cmd {

QString PatchModuleOptions(const QString& module, const QString& patchPath, const QStringList& packages)
{
    QString options = QStringLiteral("--patch-module ") + platform::QuoteArgument(module + QLatin1Char('=') + patchPath)
                      + QLatin1Char(' ');
    for (const QString& package : packages)
        options += QStringLiteral("--add-exports %1/%2=ALL-UNNAMED ").arg(module, package);
    return options;
}

QString AppletApiOptions(const QString& apiJar)
{
    return PatchModuleOptions(QStringLiteral("java.desktop"), apiJar, {QStringLiteral("java.applet")});
}

QString OwnAppletViewerArguments(const QString& viewerJar, const QString& apiOptions, const QString& title)
{
    return apiOptions + QStringLiteral("-cp ") + platform::QuoteArgument(viewerJar) + QLatin1Char(' ')
           + QLatin1String(kAppletViewerMainClass) + QLatin1Char(' ')
           + platform::QuoteArgument(title + QStringLiteral(".html"));
}

}  // namespace cmd
