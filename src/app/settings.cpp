#include "settings.h"

#include "datafile/errors.h"
#include "datafile/number_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
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
    // Written as UTF-8, so that paths in any script survive; an older file in
    // a single-byte code page is read byte for byte.
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        while (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
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
        file.write(line.toUtf8() + '\n');
    if (!file.commit())
        throw datafile::FileError(path, file.errorString());
}

} // namespace vw::app
