#pragma once

#include "core/datafile/data_file.h"

#include <QString>

namespace vw::damage {

using datafile::DataFile;

// The figures beside the offline damage profile grid (UpdateOfflineDmg).
struct ProfileFigures {
    // R(sum of the 32 parts' Damage 1, Damage 2 and Armor / 144 · 100) / 100.
    double averageHp = 0;
    // The average of the 32 armor values, rounded to two decimals.
    double averageArmor = 0;
};
ProfileFigures profileFigures(const DataFile &file, int plane);

// Grid columns of StringGrid3 (column 0 holds the part names, row k part k).
enum ProfileColumn { Damage1Column = 1, Damage2Column = 2, ArmorColumn = 3, ModifierColumn = 4 };

// StringGrid3SetEditText: stores an edited cell of part `row` (1..32) of a
// plane's profile. Columns 1..3 store the double; column 4 stores floor(value)
// as the signed 16-bit modifier. Throws FormatError, storing nothing, for a
// modifier outside -32768..32767 or not a number, a cell outside the grid or a
// plane without a profile slot.
void editProfileCell(DataFile &file, int plane, int col, int row, double value);
// The same with the typed text, read as the editor reads numbers.
void editProfileCell(DataFile &file, int plane, int col, int row, const QString &text,
                     QChar separator = QLatin1Char('.'));

} // namespace vw::damage
