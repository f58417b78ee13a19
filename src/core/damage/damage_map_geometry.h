#pragma once

#include "core/damage/damage_map.h"

#include <QByteArray>
#include <QPoint>

#include <array>
#include <optional>

namespace vw::damage {

// The map image (Image4): 321 x 321 pixels, cells of 10 pixels sharing
// 1-pixel grid lines.
constexpr int MapImageSize = 321, CellPixels = 10;
constexpr QPoint StartCursor(15, 15);

// What the map views show: the plane's 8192 map bytes (empty for a plane
// without a damage map), the selected level (0..7) and the cursor cell.
struct DamageMapInput {
    QByteArray map;
    int level = 0;
    QPoint cursor = StartCursor;
    // The reference file's map of the same plane; empty without one.
    QByteArray reference;

    bool hasMap() const { return map.size() == DamageMapView::Size; }
    // Cell (col, row) of the selected level holds another part than the reference's.
    bool differs(int col, int row) const
    {
        return hasMap() && reference.size() == DamageMapView::Size && DamageMapView::inMap(level, col, row)
               && map[DamageMapView::cellOffset(level, col, row)] != reference[DamageMapView::cellOffset(level, col, row)];
    }
    // The byte of a cell; 0 without a map.
    int cell(int mapLevel, int col, int row) const
    {
        return hasMap() && DamageMapView::inMap(mapLevel, col, row)
                   ? quint8(map[DamageMapView::cellOffset(mapLevel, col, row)])
                   : 0;
    }
};

// The input for a plane's map; without a damage map the input has no bytes.
DamageMapInput damageMapInput(const DataFile &file, int plane, int level, QPoint cursor);

// The cell under a pixel of the map image: (floor(X / 10), floor(Y / 10)),
// the last pixel column and row (320) counting as cell 31. None outside the image.
std::optional<QPoint> cellUnder(QPoint pixel);

// The flat view's fill of cell (col, row) of the selected level: the catalogue
// colour, dark grey for an empty cell that any level fills, black otherwise.
quint32 flatCellColour(const DamageMapInput &input, int col, int row);

// What hovering a pixel shows: the name of the part in that cell of the
// selected level; empty outside the image or without a map.
QString hoverText(const DamageMapInput &input, QPoint pixel);
// The part the reference holds in the hovered cell where it differs; none otherwise.
std::optional<QString> referenceHoverText(const DamageMapInput &input, QPoint pixel);

// The 3D view. Axes run from (220, 160) to (0, 160), (220, 0) and (320, 260).
constexpr QPoint AxesOrigin(220, 160);
using Quad = std::array<QPoint, 4>;
struct Cube {
    Quad top, side, front;
};
// The cube of a cell: anchored at X = 8·col + 4·row − 30, Y = 160 − 8·level + 4·row,
// so levels stack 8 pixels upwards, rows step 4 right and 4 down, columns 8 right.
Cube cubeOf(int level, int col, int row);

// The order the 3D view draws its cells in (later cubes cover earlier ones):
// level 0..7, row 0..31, column 31 down to 0. Calls f(level, col, row).
template <class F>
void forEachCubeInDrawingOrder(F &&f)
{
    for (int l = 0; l < DamageMapView::Levels; ++l)
        for (int y = 0; y < DamageMapView::Side; ++y)
            for (int x = DamageMapView::Side - 1; x >= 0; --x)
                f(l, x, y);
}

} // namespace vw::damage
