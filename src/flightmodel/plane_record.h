#pragma once

#include "datafile/data_file.h"

#include <optional>

namespace vw::flightmodel {

using datafile::DataFile;

// A plane's 31208-byte record: the flight model tables around the weapons
// block. Offsets are record offsets, counted from the record's first byte.
class PlaneRecord {
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
        WingNumberRow = 12, BaseWeightRow = 13, LoadedWeightRow = 14, ClimbSpeedRow = 16, SecondSpeedMarkerRow = 17,
        EnduranceDivisorRow = 52, EnginePowerRow = 53, FuelLoadRow = 83, FuelConsumptionRow = 84,
        PositiveLoadLimitRow = 101, NegativeLoadLimitRow = 102, OverloadMarginRow = 103
    };
    enum WepTime { WepFuel = 0, WepOverheat = 1, WepCooling = 2 };
    enum WepText { WepEnabled = 0, WepDisabled = 1, OutOfWep = 2 };
    enum Axis { Pitch = 0, Yaw = 1, Roll = 2 };

    PlaneRecord(DataFile &file, int plane) : file_(file), plane_(plane) {}

    // A plane has a record when its directory names one inside the file.
    bool exists() const { return file_.hasRecord(plane_) && file_.contains(start(), Size); }
    std::int64_t start() const { return file_.recordOffset(plane_); }
    // File offset of a record offset.
    std::int64_t at(int recordOffset) const { return start() + recordOffset; }
    DataFile &file() const { return file_; }

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
    // A primary row with a fixed role (rows 1..167).
    double primary(int row) const { return number(PrimaryTableOffset + 8 * (row - 1)); }

    double number(int recordOffset) const { return file_.f64(at(recordOffset)); }
    void setNumber(int recordOffset, double value) { file_.writeF64(at(recordOffset), value); }

    // The engine block's counts as stored, and as used: within the matrix.
    int storedSpeedPointCount() const { return file_.u8(at(SpeedPointCountOffset)); }
    int storedAltitudeRowCount() const { return file_.u8(at(AltitudeRowCountOffset)); }
    int speedPointCount() const { return std::clamp(storedSpeedPointCount(), 1, MatrixColumns); }
    int altitudeRowCount() const { return std::clamp(storedAltitudeRowCount(), 1, MatrixRows); }
    void setSpeedPointCount(int count);
    void setAltitudeRowCount(int count);
    double extraEngineParameter() const { return number(ExtraEngineParameterOffset); }

    // Engine power matrix cell (column 1..20, row 1..80).
    static constexpr int powerOffset(int col, int row)
    {
        return PowerMatrixOffset + 8 * (col - 1) + MatrixRowStride * (row - 1);
    }
    static constexpr bool inMatrix(int col, int row)
    {
        return col >= 1 && col <= MatrixColumns && row >= 1 && row <= MatrixRows;
    }
    double power(int col, int row) const;
    void setPower(int col, int row, double value);
    // Speed of matrix column 1..20, mph.
    static constexpr int speedOffset(int col) { return SpeedPointsOffset + 4 * (col - 1); }
    int speed(int col) const;
    void setSpeed(int col, std::int32_t mph);

    // WEP times: stored in milliseconds, shown and typed in seconds.
    static constexpr int wepTimeOffset(WepTime which) { return WepFuelTimeOffset + 4 * which; }
    std::int32_t wepTimeMs(WepTime which) const { return file_.i32(at(wepTimeOffset(which))); }
    // Seconds x 1000, rounded; refuses (FormatError) a value that does not fit 32 bits.
    void setWepTimeSeconds(WepTime which, double seconds);
    // The whole seconds a stored time shows as (halves to even: 2500 -> 2, 3500 -> 4).
    static qint64 wepSecondsShown(std::int32_t ms);

    static constexpr int wepTextOffset(WepText which) { return WepEnabledTextOffset + WepTextWidth * which; }
    QString wepText(WepText which) const { return file_.text(at(wepTextOffset(which)), WepTextWidth); }
    void setWepText(WepText which, const QString &text) { file_.writeText(at(wepTextOffset(which)), WepTextWidth, text); }

    // WEP power for altitude step k (0..80, 305 m each); step 80 is also the
    // handling table's first pitch.
    static constexpr int wepPowerOffset(int step) { return WepPowerOffset + 8 * step; }
    // Handling row j (0..40, 40 mph each).
    static constexpr int handlingOffset(int j, Axis axis) { return HandlingOffset + HandlingRowSize * j + 8 * axis; }

private:
    DataFile &file_;
    int plane_;
};

// The wings table shared by all planes: 100 wing entries of 60 doubles.
class WingsTable {
public:
    static constexpr int Entries = 100, Steps = 60, EntrySize = 480, Size = datafile::WingsTableSize;

    explicit WingsTable(DataFile &file) : file_(file) {}
    bool exists() const { return file_.WingsTableStart() > 0 && file_.contains(file_.WingsTableStart(), Size); }
    // File offset of wing entry w (0..99), altitude step a (0..59).
    std::int64_t offset(int wing, int step) const { return file_.WingsTableStart() + std::int64_t(EntrySize) * wing + 8 * step; }

private:
    DataFile &file_;
};

} // namespace vw::flightmodel
