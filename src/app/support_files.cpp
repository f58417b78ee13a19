#include "support_files.h"

#include "datafile/data_file.h"
#include "datafile/file_access.h"
#include "datafile/number_text.h"
#include "weapons/ammo_entry.h"

#include <QLocale>

namespace vw::app {

using datafile::trimFieldText;

QByteArray readSupportFile(const QString &path)
{
    return datafile::readRegularFile(path, datafile::SupportFileLimit,
                                     QStringLiteral("a support file is read up to %1 bytes")
                                         .arg(QLocale::c().toString(datafile::SupportFileLimit)));
}

TextLines readTextLines(const QString &path)
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
    // Support files are single-byte text with DOS or Unix line ends.
    QList<QByteArray> lines = all.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        result.lines << QString::fromLatin1(line);
    }
    return result;
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

QStringList weaponGroupNames()
{
    QStringList names;
    for (int n = 0; n <= 20; ++n)
        names << QStringLiteral("Group %1").arg(n);
    names[0] = QStringLiteral("Primary single shot");
    names[8] = QStringLiteral("Secondary single shot");
    names[5] = QStringLiteral("Primary guns");
    names[6] = QStringLiteral("Secondary guns");
    names[4] = QStringLiteral("Heavy guns");
    names[20] = QStringLiteral("Turreted gun");
    return names;
}

QStringList weaponTypeList(const QStringList &ammoNames)
{
    QStringList items;
    for (int k = 0; k < AmmoNameCount; ++k)
        items << QStringLiteral("%1 : ").arg(k, 3, 10, QLatin1Char('0')) + ammoNames.value(k);
    return items;
}

QStringList damagePartNames()
{
    return {QStringLiteral("None"), QStringLiteral("Engine 1"), QStringLiteral("Engine 2"),
            QStringLiteral("Engine 3"), QStringLiteral("Engine 4"), QStringLiteral("Engine 1 Oil System"),
            QStringLiteral("Engine 2 Oil System"), QStringLiteral("Engine 3 Oil System"),
            QStringLiteral("Engine 4 Oil System"), QStringLiteral("Elevator"), QStringLiteral("Horizontal Stabilizer"),
            QStringLiteral("Rudder"), QStringLiteral("Vertical Stabilizer"), QStringLiteral("Left Aileron"),
            QStringLiteral("Right Aileron"), QStringLiteral("Left Fuel Tank"), QStringLiteral("Right Fuel Tank"),
            QStringLiteral("Center Fuel Tank"), QStringLiteral("Rear Fuselage"), QStringLiteral("Center Fuselage"),
            QStringLiteral("Pilot Armor"), QStringLiteral("Pilot"), QStringLiteral("Tail Gunner"),
            QStringLiteral("Nose Gun"), QStringLiteral("Left Gun"), QStringLiteral("Right Gun"),
            QStringLiteral("Top Gun"), QStringLiteral("Bottom Gun"), QStringLiteral("Left Wing"),
            QStringLiteral("Right Wing"), QStringLiteral("Right Gear"), QStringLiteral("Left Gear"),
            QStringLiteral("Flaps")};
}

QStringList damageLevelNames()
{
    return {QStringLiteral("1 - Lowest"), QStringLiteral("2 - Lower"), QStringLiteral("3 - Low"),
            QStringLiteral("4 - Medium-Low"), QStringLiteral("5 - Medium-High"), QStringLiteral("6 - High"),
            QStringLiteral("7 - Higher"), QStringLiteral("8 - Highest")};
}

} // namespace vw::app
