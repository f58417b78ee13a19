#pragma once

#include "core/datafile/record.h"

#include <QCoreApplication>

namespace vw::damage {

using datafile::DataFile;

// A plane's damage map: 8192 bytes at its damage map offset, 8 levels of
// 32 x 32 cells, each cell the number of a damage part (0 none, 1..32 the
// catalogue's parts, above 32 no part of the catalogue).
template <class File>
class BasicDamageMap : public datafile::Record<File> {
    using Base = datafile::Record<File>;

public:
    static constexpr int Size = datafile::DamageMapSize;
    static constexpr int Levels = 8, Side = 32, LevelSize = Side * Side;

    BasicDamageMap(File &file, int plane) : Base(file, file.damageMapOffset(plane)), plane_(plane) {}

    int plane() const { return plane_; }
    // A plane has a damage map when its directory names one inside the file.
    bool exists() const { return this->file().hasDamageMap(plane_) && this->inFile(Size); }

    static constexpr bool inMap(int level, int col, int row)
    {
        return level >= 0 && level < Levels && col >= 0 && col < Side && row >= 0 && row < Side;
    }
    // Offset of cell (col x, row y) of level l inside the map.
    static constexpr int cellOffset(int level, int col, int row) { return LevelSize * level + Side * row + col; }

    int cell(int level, int col, int row) const { return this->u8(checked(level, col, row)); }
    void setCell(int level, int col, int row, int part) requires Base::Writable
    {
        this->setU8(checked(level, col, row), std::uint8_t(part));
    }
    // The whole map or one level as bytes (level-major, then rows, then columns).
    QByteArray bytes() const { return Base::bytes(0, Size); }
    // Writes a whole map of 8192 bytes.
    void setBytes(const QByteArray &map) requires Base::Writable
    {
        if (map.size() != Size)
            throw datafile::FormatError(
                QCoreApplication::translate("vw::damage", "A damage map has 8192 bytes, not %1.").arg(map.size()));
        checked(0, 0, 0);
        this->file().write(this->offset(), map);
    }
    QByteArray level(int level) const { return Base::bytes(checked(level, 0, 0), LevelSize); }
    void setLevel(int level, const QByteArray &cells) requires Base::Writable
    {
        if (cells.size() != LevelSize)
            throw datafile::FormatError(
                QCoreApplication::translate("vw::damage", "A damage map level has 1024 cells, not %1.")
                    .arg(cells.size()));
        this->file().write(this->offset() + checked(level, 0, 0), cells);
    }

private:
    int checked(int level, int col, int row) const
    {
        if (!exists())
            throw datafile::FormatError(
                QCoreApplication::translate("vw::damage", "Plane %1 has no damage map in the file.").arg(plane_));
        if (!inMap(level, col, row))
            throw datafile::FormatError(
                QCoreApplication::translate("vw::damage",
                                            "Damage map cell (%1, %2) of level %3 is outside the 32 x 32 x 8 map.")
                    .arg(col)
                    .arg(row)
                    .arg(level + 1));
        return cellOffset(level, col, row);
    }

    int plane_;
};

using DamageMap = BasicDamageMap<DataFile>;
using DamageMapView = BasicDamageMap<const DataFile>;

} // namespace vw::damage
