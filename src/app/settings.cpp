#include "settings.h"

#include "datafile/errors.h"
#include "datafile/number_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace vw::app {

namespace {
bool flagLine(const QStringList &lines, int index, bool missingDefault)
{
    if (index >= lines.size())
        return missingDefault;
    return datafile::readInteger(lines[index], 0) == 1;
}
} // namespace

SettingsRead readSettings(const QString &path)
{
    SettingsRead result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return result;
    result.found = true;
    QStringList lines;
    while (!file.atEnd()) {
        QString line = QString::fromLatin1(file.readLine());
        while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        lines << line;
    }
    EditorSettings &s = result.settings;
    // A settings file that stops early keeps the defaults for its missing lines.
    s.closeOnLaunch = flagLine(lines, 0, false);
    s.launchOffline = flagLine(lines, 1, true);
    s.dataPath = lines.value(2);
    s.launcherPath = lines.value(3);
    s.defaultPath = flagLine(lines, 4, true);
    s.writeOkay = lines.value(5) == QLatin1String("writeokay");
    s.decimalSeparator = lines.value(6).isEmpty() ? QStringLiteral(".") : lines.value(6);
    return result;
}

void writeSettings(const QString &path, const EditorSettings &s)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        throw datafile::FileError(path, file.errorString());
    const QString separator = s.decimalSeparator.isEmpty() ? QStringLiteral(".") : s.decimalSeparator.left(1);
    const QStringList lines = {
        s.closeOnLaunch ? QStringLiteral("1") : QStringLiteral("0"),
        s.launchOffline ? QStringLiteral("1") : QStringLiteral("0"),
        s.dataPath,
        s.launcherPath,
        s.defaultPath ? QStringLiteral("1") : QStringLiteral("0"),
        s.writeOkay ? QStringLiteral("writeokay") : QString(),
        separator,
    };
    for (const QString &line : lines)
        file.write(line.toLatin1() + '\n');
    if (!file.commit())
        throw datafile::FileError(path, file.errorString());
}

} // namespace vw::app
