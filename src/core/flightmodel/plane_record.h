#pragma once

#include "core/datafile/number_text.h"
#include "core/datafile/record.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <bit>
#include <span>

#include <optional>

namespace vw::flightmodel {

using datafile::DataFile;

// Checks that (col, row) is a cell of the 20 x 80 engine power matrix; throws FormatError otherwise.
void requireMatrixCell(int col, int row);
// Seconds x 1000, rounded; refuses (FormatError) a value that does not fit 32 bits.
std::int32_t wepMilliseconds(double seconds);

// A run of plane record bytes, as the copies move them: unchanged, bit for bit.
struct RecordRange {
    int offset;
    int length;
};

// A plane's 31208-byte record: the flight model tables around the weapons
// block. Offsets are record offsets, counted from the record's first byte.
template <class File>
class BasicPlaneRecord : public datafile::Record<File> {
    using Base = datafile::Record<File>;

public:
    static constexpr int Size = datafile::PlaneRecordSize;
    static constexpr int PrimaryTableOffset = 0, SpeedPointCountOffset = 16540, AltitudeRowCountOffset = 16544,
                         ExtraEngineParameterOffset = 16548, PowerMatrixOffset = 16556, SpeedPointsOffset = 29356,
                         WepFuelTimeOffset = 29436, WepOverheatTimeOffset = 29440, WepCoolingTimeOffset = 29444,
                         WepEnabledTextOffset = 29456, WepDisabledTextOffset = 29496, OutOfWepTextOffset = 29536,
                         WepPowerOffset = 29576, HandlingOffset = 30216, TrailingRowsOffset = 31176,
                         LastPrimaryOffset = 31200;
    // The primary table holds 167 doubles before the weapons block; its last
    // four grid rows are the trailing doubles 31176..31200.
    static constexpr int PrimaryDoubles = 167, TrailingRows = 4;
    static constexpr int MatrixColumns = 20, MatrixRows = 80, MatrixRowStride = 160;
    static constexpr int WepTextWidth = 40, WepPowerRows = 81, HandlingRows = 41, HandlingRowSize = 24;
    static constexpr int WepPowerStepMetres = 305, HandlingStepMph = 40;

    // Primary rows with a fixed role.
    enum PrimaryRow {
        RollInertiaRow1 = 4, RollInertiaRow2 = 7, WingNumberRow = 12, BaseWeightRow = 13, LoadedWeightRow = 14,
        ClimbSpeedRow = 16, SecondSpeedMarkerRow = 17, EnduranceDivisorRow = 52, EnginePowerRow = 53,
        FuelLoadRow = 83, FuelConsumptionRow = 84, PositiveLoadLimitRow = 101, NegativeLoadLimitRow = 102,
        OverloadMarginRow = 103
    };
    enum WepTime { WepFuel = 0, WepOverheat = 1, WepCooling = 2 };
    enum WepText { WepEnabled = 0, WepDisabled = 1, OutOfWep = 2 };
    enum Axis { Pitch = 0, Yaw = 1, Roll = 2 };

    BasicPlaneRecord(File &file, int plane) : Base(file, file.recordOffset(plane)), plane_(plane) {}
    // A writable record also reads as a read-only one.
    template <class Other>
        requires(!Base::Writable && std::is_same_v<Other, DataFile>)
    BasicPlaneRecord(const BasicPlaneRecord<Other> &other) : Base(other.file(), other.offset()), plane_(other.plane()) {}

    int plane() const { return plane_; }
    // A plane has a record when its directory names one inside the file.
    bool exists() const { return this->file().hasRecord(plane_) && this->inFile(Size); }
    std::int64_t start() const { return this->offset(); }
    // File offset of a record offset.
    std::int64_t at(int recordOffset) const { return start() + recordOffset; }

    // Grid row (from 1) of the primary grid of an FM.dat with `labelCount`
    // lines -> record offset, or nullopt when the row names no field.
    static constexpr std::optional<int> primaryRowOffset(int row, int labelCount)
    {
        if (row < 1 || row > labelCount)
            return std::nullopt;
        if (row > labelCount - TrailingRows)
            return LastPrimaryOffset - 8 * (labelCount - row);
        if (row > PrimaryDoubles)
            return std::nullopt;
        return PrimaryTableOffset + 8 * (row - 1);
    }
    static constexpr int primaryOffset(int row) { return PrimaryTableOffset + 8 * (row - 1); }
    // A primary row with a fixed role (rows 1..167).
    double primary(int row) const { return number(primaryOffset(row)); }
    void setPrimary(int row, double value) requires Base::Writable { setNumber(primaryOffset(row), value); }

    double number(int recordOffset) const { return this->f64(recordOffset); }
    void setNumber(int recordOffset, double value) requires Base::Writable { this->setF64(recordOffset, value); }

    using Range = RecordRange;
    // The primary table in front of the weapons block.
    static constexpr Range PrimaryTable{PrimaryTableOffset, datafile::WeaponsBlockRecordOffset};
    // The engine block to the end of the record: counts, matrix, speed points,
    // WEP fields and tables, the whole handling table and the trailing double.
    static constexpr Range EngineBlockToEnd{SpeedPointCountOffset, Size - SpeedPointCountOffset};
    // The engine tables without the last handling row and the trailing double.
    static constexpr Range EngineTables{SpeedPointCountOffset, TrailingRowsOffset - SpeedPointCountOffset};
    static constexpr Range WholeRecord{0, Size};
    static constexpr Range numberAt(int recordOffset) { return {recordOffset, 8}; }

    QByteArray bytes(Range range) const { return Base::bytes(checked(range), range.length); }
    void setBytes(int recordOffset, const QByteArray &bytes) requires Base::Writable
    {
        this->file().write(at(checked({recordOffset, int(bytes.size())})), bytes);
    }
    // Copies a range of this record over the same range of another plane's record.
    void copyTo(BasicPlaneRecord<DataFile> other, Range range) const
    {
        other.setBytes(range.offset, bytes(range));
    }

    // The engine block's counts as stored, and as used: within the matrix.
    int storedSpeedPointCount() const { return this->u8(SpeedPointCountOffset); }
    int storedAltitudeRowCount() const { return this->u8(AltitudeRowCountOffset); }
    int speedPointCount() const { return std::clamp(storedSpeedPointCount(), 1, MatrixColumns); }
    int altitudeRowCount() const { return std::clamp(storedAltitudeRowCount(), 1, MatrixRows); }
    void setSpeedPointCount(int count) requires Base::Writable
    {
        this->setU8(SpeedPointCountOffset, std::uint8_t(std::clamp(count, 1, MatrixColumns)));
    }
    void setAltitudeRowCount(int count) requires Base::Writable
    {
        this->setU8(AltitudeRowCountOffset, std::uint8_t(std::clamp(count, 1, MatrixRows)));
    }
    double extraEngineParameter() const { return number(ExtraEngineParameterOffset); }
    void setExtraEngineParameter(double value) requires Base::Writable { setNumber(ExtraEngineParameterOffset, value); }
    // The four rows kept at the end of the record, 0 to 3 from the first.
    static constexpr int trailingRowOffset(int i) { return LastPrimaryOffset - 8 * (TrailingRows - 1 - i); }

    // Engine power matrix cell (column 1..20, row 1..80).
    static constexpr int powerOffset(int col, int row)
    {
        return PowerMatrixOffset + 8 * (col - 1) + MatrixRowStride * (row - 1);
    }
    static constexpr bool inMatrix(int col, int row)
    {
        return col >= 1 && col <= MatrixColumns && row >= 1 && row <= MatrixRows;
    }
    double power(int col, int row) const
    {
        requireMatrixCell(col, row);
        return number(powerOffset(col, row));
    }
    void setPower(int col, int row, double value) requires Base::Writable
    {
        requireMatrixCell(col, row);
        setNumber(powerOffset(col, row), value);
    }
    // Speed of matrix column 1..20, mph.
    static constexpr int speedOffset(int col) { return SpeedPointsOffset + 4 * (col - 1); }
    int speed(int col) const
    {
        requireMatrixCell(col, 1);
        return this->i32(speedOffset(col));
    }
    void setSpeed(int col, std::int32_t mph) requires Base::Writable
    {
        requireMatrixCell(col, 1);
        this->setI32(speedOffset(col), mph);
    }

    // WEP times: stored in milliseconds, shown and typed in seconds.
    static constexpr int wepTimeOffset(WepTime which) { return WepFuelTimeOffset + 4 * which; }
    std::int32_t wepTimeMs(WepTime which) const { return this->i32(wepTimeOffset(which)); }
    // Seconds x 1000, rounded; refuses (FormatError) a value that does not fit 32 bits.
    void setWepTimeMs(WepTime which, std::int32_t ms) requires Base::Writable { this->setI32(wepTimeOffset(which), ms); }
    void setWepTimeSeconds(WepTime which, double seconds) requires Base::Writable
    {
        this->setI32(wepTimeOffset(which), wepMilliseconds(seconds));
    }
    // The whole seconds a stored time shows as (halves to even: 2500 -> 2, 3500 -> 4).
    static qint64 wepSecondsShown(std::int32_t ms) { return qint64(datafile::roundHalfEven(double(ms) / 1000.0)); }

    static constexpr int wepTextOffset(WepText which) { return WepEnabledTextOffset + WepTextWidth * which; }
    QString wepText(WepText which) const { return this->text(wepTextOffset(which), WepTextWidth); }
    void setWepText(WepText which, const QString &text) requires Base::Writable
    {
        this->setText(wepTextOffset(which), WepTextWidth, text);
    }

    // WEP power for altitude step k (0..80, 305 m each); step 80 is also the
    // handling table's first pitch.
    static constexpr int wepPowerOffset(int step) { return WepPowerOffset + 8 * step; }
    // Handling row j (0..40, 40 mph each).
    static constexpr int handlingOffset(int j, Axis axis) { return HandlingOffset + HandlingRowSize * j + 8 * axis; }
    double handling(int j, Axis axis) const { return number(handlingOffset(checkedHandlingRow(j), axis)); }
    void setHandling(int j, Axis axis, double value) requires Base::Writable
    {
        setNumber(handlingOffset(checkedHandlingRow(j), axis), value);
    }
    // Handling rows as (pitch, yaw, roll); consecutive rows are written as one
    // change, so a pass over every plane records one step per plane.
    using HandlingRow = std::array<double, 3>;
    HandlingRow handlingRow(int j) const { return {handling(j, Pitch), handling(j, Yaw), handling(j, Roll)}; }
    void setHandlingRows(int first, std::span<const HandlingRow> rows) requires Base::Writable
    {
        checkedHandlingRow(first);
        checkedHandlingRow(first + int(rows.size()) - 1);
        setBytes(handlingOffset(first, Pitch), encode(std::span<const double>(rows.front().data(), 3 * rows.size())));
    }
    // Consecutive primary rows from `first`, written as one change.
    void setPrimaryRows(int first, std::span<const double> values) requires Base::Writable
    {
        setBytes(primaryOffset(first), encode(values));
    }
    // Moves the value of handling row `from` over row `to`, bit for bit.
    void moveHandling(int from, int to, Axis axis) requires Base::Writable
    {
        setBytes(handlingOffset(checkedHandlingRow(to), axis),
                 bytes(numberAt(handlingOffset(checkedHandlingRow(from), axis))));
    }

private:
    static QByteArray encode(std::span<const double> values)
    {
        QByteArray bytes(qsizetype(8 * values.size()), Qt::Uninitialized);
        for (std::size_t i = 0; i < values.size(); ++i)
            qToLittleEndian(std::bit_cast<quint64>(values[i]), bytes.data() + 8 * i);
        return bytes;
    }
    static int checkedHandlingRow(int j)
    {
        if (j < 0 || j >= HandlingRows)
            throw datafile::FormatError(
                QCoreApplication::translate("vw::flightmodel", "The handling table has rows 0 to 40, not %1.").arg(j));
        return j;
    }
    int checked(Range range) const
    {
        if (range.offset < 0 || range.length < 0 || range.offset > Size - range.length)
            throw datafile::FormatError(
                QCoreApplication::translate("vw::flightmodel",
                                            "Record bytes %1..%2 lie outside the 31208-byte plane record.")
                    .arg(range.offset)
                    .arg(qint64(range.offset) + range.length - 1));
        return range.offset;
    }

    int plane_;
};

// The wings table shared by all planes: 100 wing entries of 60 doubles.
template <class File>
class BasicWingsTable : public datafile::Record<File> {
    using Base = datafile::Record<File>;

public:
    static constexpr int Entries = 100, Steps = 60, EntrySize = 480, Size = datafile::WingsTableSize;

    explicit BasicWingsTable(File &file) : Base(file, file.WingsTableStart()) {}
    bool exists() const { return this->offset() > 0 && this->inFile(Size); }
    // File offset of wing entry w (0..99), altitude step a (0..59).
    std::int64_t offset(int wing, int step) const { return this->offset() + std::int64_t(EntrySize) * wing + 8 * step; }
    using Base::offset;
    double value(int wing, int step) const { return this->file().f64(offset(wing, step)); }
    void setValue(int wing, int step, double v) requires Base::Writable { this->file().writeF64(offset(wing, step), v); }
};

using PlaneRecord = BasicPlaneRecord<DataFile>;
using PlaneRecordView = BasicPlaneRecord<const DataFile>;
using WingsTable = BasicWingsTable<DataFile>;
using WingsTableView = BasicWingsTable<const DataFile>;

} // namespace vw::flightmodel
