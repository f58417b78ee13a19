#include "plane_reports.h"

#include "core/damage/damage_map.h"
#include "core/datafile/directory_entry.h"
#include "core/datafile/file_access.h"
#include "core/datafile/number_text.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace vw::app {

namespace {

using datafile::FormatError;
using flightmodel::PlaneRecordView;

constexpr char LineBreak[] = "\r\n";
constexpr int PaddedItemWidth = 20;
constexpr int WholeNumberWidth = 5;
constexpr int DamageParts = 32;

// printf-style text in the C locale, whatever the environment's locale is.
template <class... Args>
QByteArray printed(const char *format, Args... args)
{
    return QString::asprintf(format, args...).toLatin1();
}

// The planes of the plane list, from the first row to the last.
int listedPlanes(const DataFile &file)
{
    return std::clamp(file.PlaneCount(), 0, datafile::MaxPlaneCount);
}

// The plane list row: "%3.3d:" and the trimmed name, as stored bytes.
QByteArray planeItem(const DataFile &file, int plane)
{
    return datafile::planeListItem(file, plane).toLatin1();
}

QByteArray paddedItem(const DataFile &file, int plane)
{
    QByteArray item = planeItem(file, plane);
    if (item.size() < PaddedItemWidth)
        item.append(PaddedItemWidth - item.size(), ' ');
    return item;
}

// A primary row's value as the flight model grid gives it: the shown text read
// back. A plane without a record shows empty cells, which read as 0.
double gridValue(const PlaneRecordView &record, int row)
{
    if (!record.exists())
        return 0;
    return datafile::readNumber(datafile::formatNumber(record.primary(row)));
}

// Rounded to the nearest integer (halves to even) and shown without decimals,
// right-aligned to 5 characters.
QByteArray wholeNumberField(double value)
{
    const double rounded = datafile::roundHalfEven(value) + 0.0; // no "-0"
    const QByteArray text = std::isfinite(rounded) ? QByteArray::number(rounded, 'f', 0)
                                                   : datafile::formatNumber(rounded).toLatin1();
    return text.rightJustified(WholeNumberWidth, ' ');
}

// "%2.2f" with the editor's decimal separator.
QByteArray decimalText(double value, QChar separator)
{
    QByteArray text = printed("%2.2f", value);
    if (separator != QLatin1Char('.'))
        text.replace('.', QString(separator).toLatin1());
    return text;
}

} // namespace

PlaneReport chooseReport(const ReportOptions &options)
{
    if (options.damageCounts)
        return PlaneReport::DamageCounts;
    if (options.climbSpeed)
        return PlaneReport::ClimbSpeed;
    if (options.weight)
        return PlaneReport::Weight;
    if (options.fuel)
        return options.html ? PlaneReport::TimeOfFlightHtml : PlaneReport::TimeOfFlight;
    return options.soundDirectories ? PlaneReport::SoundDirectories : PlaneReport::PlainList;
}

QString reportFileName(PlaneReport report)
{
    return report == PlaneReport::PlainList || report == PlaneReport::SoundDirectories
               ? QStringLiteral("planes.txt")
               : QStringLiteral("editor/planes.txt");
}

QByteArray planeReport(const DataFile &file, PlaneReport report, QChar separator, const QStringList &damagePartNames)
{
    switch (report) {
    case PlaneReport::PlainList:
        return planeListReport(file, false);
    case PlaneReport::SoundDirectories:
        return planeListReport(file, true);
    case PlaneReport::DamageCounts:
        return damageCountsReport(file, damagePartNames);
    case PlaneReport::ClimbSpeed:
        return climbSpeedReport(file);
    case PlaneReport::Weight:
        return weightReport(file);
    case PlaneReport::TimeOfFlight:
        return timeOfFlightReport(file, false, separator);
    case PlaneReport::TimeOfFlightHtml:
        return timeOfFlightReport(file, true, separator);
    }
    return {};
}

QByteArray planeListReport(const DataFile &file, bool withSoundDirectories)
{
    QByteArray out;
    for (int p = 1; p <= listedPlanes(file); ++p) {
        out += planeItem(file, p) + LineBreak;
        if (withSoundDirectories)
            out += "Sound:" + flightmodel::PlaneHeaderView(file, p).textField(
                                  datafile::DirectoryEntryView::SoundsOffset, datafile::DirectoryEntryView::ShortTextWidth)
                                  .toLatin1()
                 + LineBreak;
    }
    return out;
}

std::array<int, 256> partCounts(const DataFile &file, int plane)
{
    std::array<int, 256> counts{};
    const damage::DamageMapView map(file, plane);
    if (!map.exists())
        return counts;
    for (char cell : map.bytes())
        ++counts[quint8(cell)];
    return counts;
}

QByteArray damageCountsReport(const DataFile &file, const QStringList &damagePartNames)
{
    QByteArray out;
    for (int i = 1; i <= DamageParts; ++i)
        out += printed("%2.2d - ", i) + damagePartNames.value(i).toLatin1() + LineBreak;
    out += " N        Plane        ";
    for (int i = 1; i <= DamageParts; ++i)
        out += printed("  %2.2d  ", i);
    for (int p = 1; p <= listedPlanes(file); ++p) {
        const std::array<int, 256> counts = partCounts(file, p);
        out += LineBreak + paddedItem(file, p) + " : ";
        for (int i = 1; i <= DamageParts; ++i) {
            out += printed(" %3.3d", counts[i]);
            if (i < DamageParts)
                out += ", ";
        }
    }
    return out;
}

QByteArray climbSpeedReport(const DataFile &file)
{
    QByteArray out;
    for (int p = 1; p <= listedPlanes(file); ++p) {
        const double climb = gridValue(PlaneRecordView(file, p), PlaneRecordView::ClimbSpeedRow);
        out += paddedItem(file, p) + " : " + wholeNumberField(climb) + " mph" + LineBreak;
    }
    return out;
}

QByteArray weightReport(const DataFile &file)
{
    QByteArray out;
    for (int p = 1; p <= listedPlanes(file); ++p) {
        const double pounds = gridValue(PlaneRecordView(file, p), PlaneRecordView::BaseWeightRow);
        out += paddedItem(file, p) + " : " + wholeNumberField(pounds * 0.45) + " kg" + LineBreak;
    }
    return out;
}

double reportedTimeOfFlight(double fuelLoad, double consumption, double enduranceDivisor)
{
    return datafile::roundHalfEven(100.0 * fuelLoad / (consumption + 0.0001) / (enduranceDivisor + 0.0000001)) / 100.0;
}

QByteArray timeOfFlightReport(const DataFile &file, bool html, QChar separator)
{
    QByteArray out;
    for (int p = 1; p <= listedPlanes(file); ++p) {
        const PlaneRecordView record(file, p);
        const double hours = reportedTimeOfFlight(gridValue(record, PlaneRecordView::FuelLoadRow),
                                                  gridValue(record, PlaneRecordView::FuelConsumptionRow),
                                                  gridValue(record, PlaneRecordView::EnduranceDivisorRow));
        if (html)
            out += "<TR><TD>" + planeItem(file, p).mid(4) + "</TD><TD>" + decimalText(hours, separator)
                 + "</TD></TR>" + LineBreak;
        else
            out += paddedItem(file, p) + " : " + decimalText(hours, separator) + "h" + LineBreak;
    }
    return out;
}

QList<double> readWantedTimes(const QByteArray &wantedTimesText)
{
    QList<double> times;
    const QList<QByteArray> lines = wantedTimesText.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // Blanks and empty lines before a number are skipped; the rest of its line is ignored.
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        qsizetype end = 0;
        while (end < line.size() && quint8(line[end]) > 32)
            ++end;
        const QString word = QString::fromLatin1(line.left(end));
        const double value = datafile::readNumber(word);
        if (!datafile::isCompleteNumber(word) || !std::isfinite(value))
            throw FormatError(
                QCoreApplication::translate("vw::app",
                                            "Line %1 of the wanted times of flight, \"%2\", is not a number; "
                                            "no plane was changed.")
                    .arg(i + 1)
                    .arg(QString::fromLatin1(line.left(40))));
        times.append(value);
    }
    return times;
}

FuelCorrection correctFuelByTime(DataFile &file, const QByteArray &wantedTimesText, QChar separator)
{
    const QList<double> wanted = readWantedTimes(wantedTimesText);
    FuelCorrection result;
    const int planes = std::min<qsizetype>(listedPlanes(file), wanted.size());
    for (int p = 1; p <= planes; ++p) {
        const double w = wanted[p - 1];
        if (w == 0)
            continue;
        flightmodel::PlaneRecord record(file, p);
        if (!record.exists()) {
            result.planesWithoutRecord.append(p);
            continue;
        }
        const double f = gridValue(record, PlaneRecordView::FuelLoadRow);
        const double c = gridValue(record, PlaneRecordView::FuelConsumptionRow);
        const double e = gridValue(record, PlaneRecordView::EnduranceDivisorRow);
        const double current = c == 0 || e == 0 ? 0.0 : f / c / e;
        const double consumption = datafile::roundHalfEven(10.0 * c * (current / w)) / 10.0;
        // Stored as the grid stores the number typed into it: its shown text read back.
        record.setPrimary(PlaneRecordView::FuelConsumptionRow,
                          datafile::readNumber(datafile::formatNumber(consumption, separator), separator));
        result.changedPlanes.append(p);
    }
    return result;
}

QByteArray readWantedTimesFile(const QString &path)
{
    // Read as the support files are: a FIFO or a device is refused before it is opened.
    return datafile::readRegularFile(
        path, MaxWantedTimesFileSize,
        QCoreApplication::translate("vw::app", "it should hold one time of flight per plane, at most %1 bytes")
            .arg(QLocale::c().toString(MaxWantedTimesFileSize)));
}

void writeReportFile(const QString &path, const QByteArray &report)
{
    datafile::writeFileAtomically(path, report);
}

} // namespace vw::app
