#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace vw::datafile {
class DataFile;
}

namespace vw::app {

// The flight-model grid has at most 171 label rows: more would bind its rows
// into the weapons block of the plane record.
constexpr int MaxFmLabels = 171;
constexpr int AmmoNameCount = 151;
constexpr int PlaneSummaryCapacity = 256;

using PlaneSummary = std::array<QString, 4>;

// The whole of a support file (or the game executable): only a regular file
// of at most datafile::SupportFileLimit bytes is read. Throws FileError with
// the reason, e.g. "not a regular file (a FIFO)".
QByteArray readSupportFile(const QString &path);

// A text file read line by line; `found` is false when it could not be read,
// and `reason` then says why (for the start-up warning).
struct TextLines {
    QStringList lines;
    bool found = false;
    QString reason;
};
TextLines readTextLines(const QString &path);

// The Russian window's own copy of a support file, beside it: FM.ru.dat for
// FM.dat, readme.ru.txt for readme.txt. It is UTF-8 text (the originals are
// single-byte text). `found` is false with an empty reason when there is no
// copy, and with the reason when one is there but cannot be read.
QString russianCopyPath(const QString &path);
TextLines readRussianCopy(const QString &path);

// planes.dat: four lines per plane, planes 1..planeCount, at most 256 planes.
std::vector<PlaneSummary> planeSummaries(const QStringList &lines, int planeCount);

// FM.dat: the labels of the flight-model grid's rows; cut to 171 lines.
struct FmLabels {
    QStringList labels;
    bool cut = false; // the file had more than 171 lines
};
FmLabels fmLabels(const QStringList &lines);

// The opening parts of the ammunition names, read from the game executable of
// one of three known builds; empty texts for any other file (or none).
std::vector<QString> ammoNamesFromExecutable(const QString &path, bool *recognised = nullptr);
// AmmoNames: executable part + " (" + the ammunition table's file name + ")".
QStringList buildAmmoNames(const std::vector<QString> &executableNames, const datafile::DataFile &file);

// The tables the editor reads at start-up from the support files of a base
// directory (planes.dat, FM.dat, readme.txt; with `russian`, FM.ru.dat and
// readme.ru.txt where they lie beside them) and the ammunition names of the
// game executable and the file. `problems` names the files that could not be
// read, in that order; `notes` says what was read but not used whole.
struct StartupTables {
    std::vector<PlaneSummary> planeSummaries;
    QStringList fmLabels;
    QStringList ammoNames;
    QStringList weaponTypeList;
    QStringList helpLines;
    QStringList problems;
    QStringList notes;
};
StartupTables readStartupTables(const QString &baseDirectory, const datafile::DataFile &file, bool russian);

// Label tables filled at start-up, as the program writes them (the reports
// and the command-line tool use them so); `shown` gives them in the user's
// language, for the window's lists.
QStringList weaponGroupNames(bool shown = false); // WeaponGroupNames, 21 items
QStringList weaponTypeList(const QStringList &ammoNames); // "000 : name" .. "150 : name"
QStringList damagePartNames(bool shown = false); // 33 names "None" .. "Flaps"
QStringList damageLevelNames(bool shown = false); // "1 - Lowest" .. "8 - Highest"
// One name of these tables (as the program writes it) in the user's language.
QString shownLabel(const QString &name);

} // namespace vw::app
