#include "settings.h"

#include "app/support_files.h"
#include "datafile/file_access.h"
#include "datafile/number_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringList>

#include <filesystem>
#include <system_error>

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
    QByteArray bytes;
    try {
        bytes = readSupportFile(path);
    } catch (const datafile::FileError &e) {
        result.reason = e.reason();
        return result;
    }
    result.found = true;
    // Written as UTF-8, so that paths in any script survive; an older file in
    // a single-byte code page is read byte for byte.
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
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        const QString base = QFileInfo(folder).absolutePath();
        if (!QFileInfo(base).isDir())
            throw datafile::FileError(
                path,
                QCoreApplication::translate("vw::app",
                                            "the folder %1 does not exist; the settings are written "
                                            "only into an existing base folder")
                    .arg(QDir::toNativeSeparators(base)));
        std::error_code error;
        if (!std::filesystem::create_directory(std::filesystem::path(folder.toStdU16String()), error))
            throw datafile::FileError(
                path, QCoreApplication::translate("vw::app", "the folder %1 could not be made: %2")
                          .arg(QDir::toNativeSeparators(folder),
                               error ? QString::fromStdString(error.message())
                                     : QCoreApplication::translate("vw::app", "something else has that name")));
    }
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
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + '\n';
    datafile::writeFileAtomically(path, bytes);
}

} // namespace vw::app
