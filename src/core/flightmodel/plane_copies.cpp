#include "plane_copies.h"

#include "core/flightmodel/plane_record.h"

#include <QCoreApplication>

#include <algorithm>

namespace vw::flightmodel {

QString planeRecordRefusal(const DataFile &file, int plane, const QString &role)
{
    if (plane < 1)
        return QCoreApplication::translate("vw::flightmodel", "No %1 plane is chosen.").arg(role);
    if (plane > file.PlaneCount())
        return QCoreApplication::translate("vw::flightmodel", "The file has no plane %1 (it holds %2 planes).")
            .arg(plane)
            .arg(std::max(file.PlaneCount(), 0));
    if (!PlaneRecordView(file, plane).exists())
        return QCoreApplication::translate("vw::flightmodel", "Plane %1 has no plane record.").arg(plane);
    return {};
}

namespace {

QString refusal(const DataFile &file, int from, int to)
{
    QString reason = planeRecordRefusal(file, from, QCoreApplication::translate("vw::flightmodel", "source"));
    if (reason.isEmpty())
        reason = planeRecordRefusal(file, to, QCoreApplication::translate("vw::flightmodel", "destination"));
    return reason;
}

} // namespace

CopyResult copyFlightModel(DataFile &file, int from, int to)
{
    if (QString reason = refusal(file, from, to); !reason.isEmpty())
        return {reason};
    const PlaneRecordView source(file, from);
    source.copyTo(PlaneRecord(file, to), PlaneRecord::PrimaryTable);
    source.copyTo(PlaneRecord(file, to), PlaneRecord::EngineBlockToEnd);
    return {};
}

CopyResult copyEngines(DataFile &file, int from, int to)
{
    if (QString reason = refusal(file, from, to); !reason.isEmpty())
        return {reason};
    PlaneRecordView(file, from).copyTo(PlaneRecord(file, to), PlaneRecord::EngineTables);
    return {};
}

CopyResult copyFirstColumns(DataFile &file, int from, int to, int columns)
{
    if (QString reason = refusal(file, from, to); !reason.isEmpty())
        return {reason};
    const PlaneRecordView source(file, from);
    PlaneRecord destination(file, to);
    const int last = std::clamp(columns, 0, PlaneRecord::MatrixColumns);
    for (int row = 1; row <= PlaneRecord::MatrixRows; ++row) {
        for (int col = 1; col <= last; ++col) {
            // -0.0 counts as zero; the cell's bytes move unchanged.
            if (source.power(col, row) != 0.0)
                source.copyTo(destination, PlaneRecord::numberAt(PlaneRecord::powerOffset(col, row)));
        }
    }
    return {};
}

int firstColumnsFromText(const QString &text)
{
    return int(std::clamp<qint64>(datafile::readInteger(text, 0), 0, PlaneRecord::MatrixColumns));
}

} // namespace vw::flightmodel
