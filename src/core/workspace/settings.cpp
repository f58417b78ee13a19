#include "settings.h"

#include "core/workspace/support_files.h"
#include "core/datafile/file_access.h"
#include "core/datafile/number_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <system_error>

namespace vw::app {

namespace {
bool flagLine(const QStringList &lines, int index, bool missingDefault)
{
    if (index >= lines.size())
        return missingDefault;
    return datafile::readInteger(lines[index], 0) == 1;
}

bool isThere(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Reads a settings file whole, through the file rules. When it cannot be
// read, says why in `reason` and whether a file is there all the same (and so
// must not be written over at close).
std::optional<QByteArray> readSettingsFile(const QString &path, bool *unreadable, QString *reason)
{
    try {
        return readSupportFile(path);
    } catch (const datafile::FileError &e) {
        *unreadable = isThere(path);
        *reason = e.reason();
        return std::nullopt;
    }
}

// QSettings works on a private copy in a folder of its own, so that its lock
// file is never one another program (or a folder named window.ini.lock) holds.
struct PrivateCopy {
    QTemporaryDir folder;
    QString path() const { return folder.filePath(QStringLiteral("window.ini")); }
};
} // namespace

bool isUsableDecimalSeparator(QChar c)
{
    return !c.isLetterOrNumber() && c != QLatin1Char('+') && c != QLatin1Char('-') && c.isPrint() && !c.isSpace();
}

SettingsRead readSettings(const QString &path)
{
    SettingsRead result;
    const std::optional<QByteArray> read = readSettingsFile(path, &result.unreadable, &result.reason);
    if (!read)
        return result;
    const QByteArray &bytes = *read;
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
    if (!isUsableDecimalSeparator(s.decimalSeparator.at(0))) {
        result.separatorRefused = s.decimalSeparator.left(1);
        s.decimalSeparator = QStringLiteral(".");
    }
    return result;
}

void writeSettings(const QString &path, const EditorSettings &s)
{
    const std::pair<const QString &, const char *> paths[] = {
        {s.dataPath, QT_TRANSLATE_NOOP("vw::app", "the path of the plane data file")},
        {s.launcherPath, QT_TRANSLATE_NOOP("vw::app", "the launcher path")}};
    for (const auto &[text, what] : paths)
        if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
            throw datafile::FileError(
                path, QCoreApplication::translate("vw::app", "%1 contains a line break, and the file holds one value a "
                                                             "line; nothing was written")
                          .arg(QCoreApplication::translate("vw::app", what)));
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

StoredValues readWindowSettings(const QString &path)
{
    StoredValues result;
    const std::optional<QByteArray> bytes = readSettingsFile(path, &result.unreadable, &result.reason);
    if (!bytes)
        return result;
    PrivateCopy copy;
    if (!copy.folder.isValid()) {
        result.unreadable = true;
        result.reason = copy.folder.errorString();
        return result;
    }
    try {
        datafile::writeFileAtomically(copy.path(), *bytes);
    } catch (const datafile::FileError &e) {
        result.unreadable = true;
        result.reason = e.reason();
        return result;
    }
    const QSettings stored(copy.path(), QSettings::IniFormat);
    for (const QString &key : stored.allKeys())
        result.values.insert(key, stored.value(key));
    return result;
}

void writeWindowSettings(const QString &path, const QVariantMap &values)
{
    QVariantMap all = readWindowSettings(path).values;
    for (auto it = values.begin(); it != values.end(); ++it)
        all.insert(it.key(), it.value());
    PrivateCopy copy;
    if (!copy.folder.isValid())
        throw datafile::FileError(path, copy.folder.errorString());
    {
        QSettings stored(copy.path(), QSettings::IniFormat);
        for (auto it = all.begin(); it != all.end(); ++it)
            stored.setValue(it.key(), it.value());
        stored.sync();
        if (stored.status() != QSettings::NoError)
            throw datafile::FileError(path, QCoreApplication::translate("vw::app", "the settings could not be put together"));
    }
    datafile::writeFileAtomically(path, readSupportFile(copy.path()));
}

} // namespace vw::app
