#include "support_files.h"

#include "core/damage/damage_parts.h"
#include "core/datafile/data_file.h"
#include "core/datafile/file_access.h"
#include "core/datafile/number_text.h"
#include "core/weapons/ammo_entry.h"
#include "core/workspace/workspace.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace vw::app {

using datafile::trimFieldText;

namespace {

const char LabelContext[] = "vw::app::LabelTables";

QString label(const char *name, bool shown)
{
    return shown ? QCoreApplication::translate(LabelContext, name) : QString::fromLatin1(name);
}

template <size_t N>
QStringList labels(const char *const (&names)[N], bool shown)
{
    QStringList list;
    list.reserve(qsizetype(N));
    for (const char *name : names)
        list << label(name, shown);
    return list;
}

} // namespace

QByteArray readSupportFile(const QString &path)
{
    return datafile::readRegularFile(path, datafile::SupportFileLimit,
                                     QCoreApplication::translate("vw::app", "a support file is read up to %1 bytes")
                                         .arg(QLocale::c().toString(datafile::SupportFileLimit)));
}

namespace {

TextLines readLines(const QString &path, bool utf8)
{
    TextLines result;
    QByteArray all;
    try {
        all = readSupportFile(path);
    } catch (const datafile::FileError &e) {
        result.reason = e.reason();
        return result;
    }
    result.found = true;
    if (all.isEmpty())
        return result;
    // Support files are single-byte text (their Russian copies UTF-8) with DOS
    // or Unix line ends.
    QList<QByteArray> lines = all.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        result.lines << (utf8 ? QString::fromUtf8(line) : QString::fromLatin1(line));
    }
    return result;
}

} // namespace

TextLines readTextLines(const QString &path)
{
    return readLines(path, false);
}

QString russianCopyPath(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString copy = dot > 0 ? name.left(dot) + QStringLiteral(".ru") + name.mid(dot) : name + QStringLiteral(".ru");
    return path.left(path.size() - name.size()) + copy;
}

TextLines readRussianCopy(const QString &path)
{
    const QString copy = russianCopyPath(path);
    if (!QFileInfo::exists(copy) && !QFileInfo(copy).isSymLink())
        return {};
    return readLines(copy, true);
}

std::vector<PlaneSummary> planeSummaries(const QStringList &lines, int planeCount)
{
    std::vector<PlaneSummary> summaries(PlaneSummaryCapacity);
    const int planes = std::min(planeCount, PlaneSummaryCapacity);
    for (int p = 0; p < planes; ++p)
        for (int k = 0; k < 4; ++k)
            summaries[p][k] = lines.value(4 * p + k);
    return summaries;
}

FmLabels fmLabels(const QStringList &lines)
{
    FmLabels result;
    result.labels = lines.mid(0, MaxFmLabels);
    result.cut = lines.size() > MaxFmLabels;
    return result;
}

std::vector<QString> ammoNamesFromExecutable(const QString &path, bool *recognised)
{
    struct Build {
        qint64 size;
        qint64 tableStart;
    };
    static constexpr Build builds[] = {{1153024, 1074581}, {1126912, 1043253}, {1134592, 1049365}};
    std::vector<QString> names(AmmoNameCount);
    if (recognised)
        *recognised = false;
    QByteArray bytes;
    try {
        bytes = readSupportFile(path);
    } catch (const datafile::FileError &) {
        return names; // no executable to read: the table names stand alone
    }
    for (const Build &build : builds) {
        if (bytes.size() != build.size)
            continue;
        for (int k = 0; k < AmmoNameCount; ++k)
            names[k] = trimFieldText(bytes.mid(build.tableStart + 43 * k, 19)) + QStringLiteral(" (");
        if (recognised)
            *recognised = true;
        break;
    }
    return names;
}

QStringList buildAmmoNames(const std::vector<QString> &executableNames, const datafile::DataFile &file)
{
    QStringList names;
    for (int k = 0; k < AmmoNameCount; ++k) {
        const weapons::AmmoEntryView entry(file, k);
        const QByteArray tableName = entry.hasName() ? entry.rawName() : QByteArray();
        const QString opening = k < int(executableNames.size()) ? executableNames[k] : QString();
        // Without a game executable of a known build the names are the table's
        // short names as they are, not each ending in a lone ")".
        if (opening.isEmpty())
            names << trimFieldText(tableName);
        else // the whole name is trimmed the same way as its parts
            names << trimFieldText((opening + QString::fromLatin1(tableName)).toLatin1()) + QStringLiteral(")");
    }
    return names;
}

QStringList weaponGroupNames(bool shown)
{
    QStringList names;
    for (int n = 0; n <= 20; ++n)
        names << label(QT_TRANSLATE_NOOP("vw::app::LabelTables", "Group %1"), shown).arg(n);
    names[0] = label(QT_TRANSLATE_NOOP("vw::app::LabelTables", "Primary single shot"), shown);
    names[8] = label(QT_TRANSLATE_NOOP("vw::app::LabelTables", "Secondary single shot"), shown);
    names[5] = label(QT_TRANSLATE_NOOP("vw::app::LabelTables", "Primary guns"), shown);
    names[6] = label(QT_TRANSLATE_NOOP("vw::app::LabelTables", "Secondary guns"), shown);
    names[4] = label(QT_TRANSLATE_NOOP("vw::app::LabelTables", "Heavy guns"), shown);
    names[20] = label(QT_TRANSLATE_NOOP("vw::app::LabelTables", "Turreted gun"), shown);
    return names;
}

QStringList weaponTypeList(const QStringList &ammoNames)
{
    QStringList items;
    for (int k = 0; k < AmmoNameCount; ++k)
        items << QStringLiteral("%1 : ").arg(k, 3, 10, QLatin1Char('0')) + ammoNames.value(k);
    return items;
}

QStringList damagePartNames(bool shown)
{
    QStringList list;
    list.reserve(damage::LastCataloguePart + 1);
    for (int part = 0; part <= damage::LastCataloguePart; ++part)
        list << label(damage::catalogueName(part), shown);
    return list;
}

QStringList damageLevelNames(bool shown)
{
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("vw::app::LabelTables", "1 - Lowest"),
        QT_TRANSLATE_NOOP("vw::app::LabelTables", "2 - Lower"),
        QT_TRANSLATE_NOOP("vw::app::LabelTables", "3 - Low"),
        QT_TRANSLATE_NOOP("vw::app::LabelTables", "4 - Medium-Low"),
        QT_TRANSLATE_NOOP("vw::app::LabelTables", "5 - Medium-High"),
        QT_TRANSLATE_NOOP("vw::app::LabelTables", "6 - High"),
        QT_TRANSLATE_NOOP("vw::app::LabelTables", "7 - Higher"),
        QT_TRANSLATE_NOOP("vw::app::LabelTables", "8 - Highest"),
    };
    return labels(names, shown);
}

QString shownLabel(const QString &name)
{
    return QCoreApplication::translate(LabelContext, name.toLatin1().constData());
}

StartupTables readStartupTables(const QString &baseDirectory, const datafile::DataFile &file, bool russian)
{
    StartupTables tables;
    const auto missing = [&tables](const QString &what, const TextLines &text) {
        if (!text.found)
            tables.problems << what + (text.reason.isEmpty() ? QString() : QStringLiteral(": ") + text.reason);
    };
    // planes.dat.
    const TextLines planes = readTextLines(editorFile(baseDirectory, QStringLiteral("planes.dat")));
    missing(QCoreApplication::translate("vw::app", "planes.dat (plane summaries)"), planes);
    tables.planeSummaries = planeSummaries(planes.lines, file.PlaneCount());
    // FM.dat; the Russian window shows the labels of FM.ru.dat beside it,
    // when that has as many lines (so that every row names the same field).
    const QString fmPath = editorFile(baseDirectory, QStringLiteral("FM.dat"));
    TextLines fm = readTextLines(fmPath);
    if (russian) {
        const TextLines copy = readRussianCopy(fmPath);
        if (copy.found && (!fm.found || copy.lines.size() == fm.lines.size()))
            fm = copy;
        else if (copy.found)
            tables.notes << QCoreApplication::translate("vw::app",
                                                        "FM.ru.dat has %1 lines and FM.dat %2, so its rows would name "
                                                        "other fields: the labels of FM.dat are shown.")
                                .arg(copy.lines.size())
                                .arg(fm.lines.size());
        else if (!copy.reason.isEmpty())
            tables.problems << QStringLiteral("FM.ru.dat: ") + copy.reason;
    }
    missing(QCoreApplication::translate("vw::app", "FM.dat (flight model row labels)"), fm);
    const FmLabels fmRows = fmLabels(fm.lines);
    tables.fmLabels = fmRows.labels;
    if (fmRows.cut)
        tables.notes << QCoreApplication::translate("vw::app",
                                                    "FM.dat has %1 lines; only the first %2 are used as flight model "
                                                    "rows.")
                            .arg(fm.lines.size())
                            .arg(MaxFmLabels);
    // The ammunition names.
    tables.ammoNames = buildAmmoNames(ammoNamesFromExecutable(gameExecutablePath(baseDirectory)), file);
    tables.weaponTypeList = weaponTypeList(tables.ammoNames);
    // readme.txt; the Russian window shows readme.ru.txt where it lies beside it.
    const QString readmePath = editorFile(baseDirectory, QStringLiteral("readme.txt"));
    TextLines readme = readTextLines(readmePath);
    if (russian) {
        const TextLines copy = readRussianCopy(readmePath);
        if (copy.found)
            readme = copy;
        else if (!copy.reason.isEmpty())
            tables.problems << QStringLiteral("readme.ru.txt: ") + copy.reason;
    }
    missing(QCoreApplication::translate("vw::app", "readme.txt (help text)"), readme);
    tables.helpLines = readme.lines;
    return tables;
}

} // namespace vw::app
