#include "platform/JdkFeatures.h"

#include "platform/JdkLocator.h"

#include <QRegularExpression>

namespace platform {

namespace {

constexpr int kFirstReleaseWithoutApplets = 26;

}  // namespace

int FeatureRelease(const QString& version)
{
    static const QRegularExpression leading(QStringLiteral("^(\\d+)(?:\\.(\\d+))?"));
    const QRegularExpressionMatch match = leading.match(version.trimmed());
    if (!match.hasMatch())
        return 0;
    const int first = match.captured(1).toInt();
    // Up to 8 the version began "1.": 1.8.0_392 is release 8.
    if (first == 1 && match.hasCaptured(2))
        return match.captured(2).toInt();
    return first;
}

int JdkFeatureRelease(const QString& toolFolder)
{
    return FeatureRelease(ReadJdkVersion(toolFolder).value_or(QString()));
}

bool LacksAppletApi(const QString& toolFolder) { return JdkFeatureRelease(toolFolder) >= kFirstReleaseWithoutApplets; }

}  // namespace platform
