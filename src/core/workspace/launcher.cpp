#include "launcher.h"

#include <QDir>

namespace vw::app {

LaunchPlan planLaunch(const QString &launcherPath, bool offline)
{
    LaunchPlan plan;
    plan.program = launcherPath;
    plan.arguments << (offline ? QStringLiteral("/offline") : QStringLiteral("/online"));
    // The directory part: the path without its last component and separator.
    const QString normalized = QDir::fromNativeSeparators(launcherPath);
    const qsizetype slash = normalized.lastIndexOf(QLatin1Char('/'));
    plan.workingDirectory = slash > 0 ? QDir::toNativeSeparators(normalized.left(slash)) : QString();
    return plan;
}

} // namespace vw::app
