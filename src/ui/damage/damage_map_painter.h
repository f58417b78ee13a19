#pragma once

#include "core/damage/damage_map_geometry.h"

#include <QColor>

class QPainter;

namespace vw::damage {

// ReDrawMap with "Show 3D" cleared: the selected level as a 32 x 32 grid of
// catalogue colours with the cursor in red, on the 321 x 321 map image.
// Without a map only the black background with its grey border is drawn.
// Cells that differ from the reference's map are framed in `referenceMark`.
void paintDamageMapFlat(QPainter &painter, const DamageMapInput &input, const QColor &referenceMark = QColor());

// Damage3D: the axes and a cube per filled cell of all 8 levels. The cursor is
// not shown. Without a map only the background and the axes are drawn.
void paintDamage3D(QPainter &painter, const DamageMapInput &input);

} // namespace vw::damage
