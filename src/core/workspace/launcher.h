#pragma once

#include <QString>
#include <QStringList>

namespace vw::app {

// How "Launch Vornwing" starts the game: the launcher path as typed, with the
// switch " /offline" or " /online", from the launcher's own directory.
struct LaunchPlan {
    QString program;
    QStringList arguments;
    QString workingDirectory;
    QString commandLine() const { return program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')); }
};

LaunchPlan planLaunch(const QString &launcherPath, bool offline);

} // namespace vw::app
