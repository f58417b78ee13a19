#pragma once

#include "core/datafile/data_file.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace vw::app {

using datafile::DataFile;

// The reports of "Generate Plane list" (Button13Click). Each is the whole text
// of its report file as bytes: plane names are single-byte (Latin-1) texts and
// go out as they are stored. Lines end with CR LF, as the game's text files do.
// The editor and the command-line tool write these bytes unchanged.
enum class PlaneReport {
    PlainList,        // "planes.txt": the plane list
    SoundDirectories, // "planes.txt": the plane list with each plane's sounds text
    DamageCounts,     // "editor/planes.txt" from here on
    ClimbSpeed,
    Weight,
    TimeOfFlight,
    TimeOfFlightHtml,
};

// The options of the Misc page, in the order they decide the report: "With DM
// counts", "With climb speed", "With weight", "With fuel" (with "HTML"), else
// the plain list, with sound directories when that option is checked.
struct ReportOptions {
    bool soundDirectories = false, fuel = false, weight = false, climbSpeed = false, damageCounts = false;
    bool html = false;
};
PlaneReport chooseReport(const ReportOptions &options);

// Where the report goes, relative to BaseDirectory.
QString reportFileName(PlaneReport report);

// The report's text. `separator` is the editor's decimal separator (time of
// flight); `damagePartNames` the 33 names "None" .. "Flaps" (damage counts).
QByteArray planeReport(const DataFile &file, PlaneReport report, QChar separator = QLatin1Char('.'),
                       const QStringList &damagePartNames = {});

QByteArray planeListReport(const DataFile &file, bool withSoundDirectories);
QByteArray damageCountsReport(const DataFile &file, const QStringList &damagePartNames);
QByteArray climbSpeedReport(const DataFile &file);
QByteArray weightReport(const DataFile &file);
QByteArray timeOfFlightReport(const DataFile &file, bool html, QChar separator = QLatin1Char('.'));

// How many bytes of plane p's 8192-byte damage map equal each value 0..255;
// all 0 for a plane without a damage map.
std::array<int, 256> partCounts(const DataFile &file, int plane);

// Time of flight in hours as the report shows it: round(100·F/(C + 0.0001)/(E + 0.0000001))/100.
double reportedTimeOfFlight(double fuelLoad, double consumption, double enduranceDivisor);

// "Correct Fuel by Time" (Button28Click): the wanted times of flight, one
// number per line in plane order (blanks and empty lines before a number are
// skipped, the rest of its line is ignored), set each plane's fuel
// consumption to round(10·C·T/W)/10, with T = F/C/E (0 when C or E is 0).
// A wanted time of 0, or no number left, leaves the plane unchanged. The whole
// text is read first: a line that is not a number is refused with a
// FormatError naming it, and no plane is changed.
struct FuelCorrection {
    QList<int> changedPlanes;  // planes whose consumption was written
    QList<int> planesWithoutRecord; // had a wanted time but no record to write it to
};
FuelCorrection correctFuelByTime(DataFile &file, const QByteArray &wantedTimesText,
                                 QChar separator = QLatin1Char('.'));

// The wanted times of the text above, in order; throws FormatError for a line that is not a number.
QList<double> readWantedTimes(const QByteArray &wantedTimesText);

// The wanted-times file "planes-fuel.txt" whole. It holds one short line per
// plane, so a file above this size is refused rather than read; like a support
// file, only a regular file is read (a FIFO is refused, not waited on).
// Throws FileError.
constexpr qint64 MaxWantedTimesFileSize = 1 << 20;
QByteArray readWantedTimesFile(const QString &path);

// Writes a report file anew, as a save writes the data file: the old file is
// replaced only when the whole report was written, and a folder, a FIFO, a
// device or a link loop is refused and left as it is. Throws FileError.
void writeReportFile(const QString &path, const QByteArray &report);

} // namespace vw::app
