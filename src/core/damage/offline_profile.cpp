#include "offline_profile.h"

#include "core/damage/damage_profile.h"
#include "core/datafile/number_text.h"

#include <QCoreApplication>

#include <cmath>

namespace vw::damage {

namespace {

double toHundredths(double value)
{
    return datafile::roundHalfEven(value * 100) / 100;
}

} // namespace

ProfileFigures profileFigures(const DataFile &file, int plane)
{
    const ProfileSlotView slot(file, plane);
    double sum = 0, armor = 0;
    for (int k = 1; k <= ProfileSlotView::Parts; ++k) {
        sum += slot.value(ProfileSlotView::Damage1, k) + slot.value(ProfileSlotView::Damage2, k);
        const double a = slot.value(ProfileSlotView::Armor, k);
        sum += a;
        armor += a;
    }
    // The divisor 144 is the editor's own; the figure is not a per-value mean.
    return {toHundredths(sum / 144), toHundredths(armor / ProfileSlotView::Parts)};
}

void editProfileCell(DataFile &file, int plane, int col, int row, double value)
{
    if (col < Damage1Column || col > ModifierColumn || row < 1 || row > ProfileSlot::Parts)
        throw datafile::FormatError(
            QCoreApplication::translate("vw::damage",
                                        "The damage profile grid has columns 1 to 4 and rows 1 to 32, not (%1, %2).")
                .arg(col)
                .arg(row));
    ProfileSlot slot(file, plane);
    if (!slot.exists())
        throw datafile::FormatError(
            QCoreApplication::translate("vw::damage", "Plane %1 has no damage profile slot in the file.").arg(plane));
    if (col == ModifierColumn) {
        const double whole = std::floor(value);
        if (!(whole >= -32768 && whole <= 32767))
            throw datafile::FormatError(
                QCoreApplication::translate("vw::damage",
                                            "A modifier is a whole number from -32768 to 32767; %1 is not stored.")
                    .arg(datafile::formatNumber(value)));
        slot.setModifier(row, std::int16_t(whole));
        return;
    }
    slot.setValue(ProfileSlot::Column(col - Damage1Column), row, value);
}

void editProfileCell(DataFile &file, int plane, int col, int row, const QString &text, QChar separator)
{
    editProfileCell(file, plane, col, row, datafile::readNumber(text, separator));
}

} // namespace vw::damage
