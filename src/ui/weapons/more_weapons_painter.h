#pragma once

#include "core/weapons/more_weapons_geometry.h"

class QPainter;

namespace vw::weapons {

// UpdateGraph's drawing of the More Weapons dialog's two views, each into its
// 198 x 198 image: black background, green axes and ticks (one per unit of
// position), red firing-arc lines, white weapon squares and the current
// weapon's red squares on top. With all weapons at the centre only the
// background and the axes are drawn.
void paintTopView(QPainter &painter, const WeaponViewInput &input);   // X across (positive left), Y up
void paintFrontView(QPainter &painter, const WeaponViewInput &input); // X across (positive left), Z up

} // namespace vw::weapons
