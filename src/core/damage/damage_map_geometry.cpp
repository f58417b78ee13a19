#include "damage_map_geometry.h"

#include "core/damage/damage_parts.h"

namespace vw::damage {

DamageMapInput damageMapInput(const DataFile &file, int plane, int level, QPoint cursor)
{
    DamageMapInput input;
    input.level = level;
    input.cursor = cursor;
    const DamageMapView map(file, plane);
    if (map.exists())
        input.map = map.bytes();
    return input;
}

std::optional<QPoint> cellUnder(QPoint pixel)
{
    const auto cell = [](int p) { return std::min(p / CellPixels, DamageMapView::Side - 1); };
    if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= MapImageSize || pixel.y() >= MapImageSize)
        return std::nullopt;
    return QPoint(cell(pixel.x()), cell(pixel.y()));
}

quint32 flatCellColour(const DamageMapInput &input, int col, int row)
{
    const int b = input.cell(input.level, col, row);
    if (b != 0)
        return partColour(b);
    for (int l = 0; l < DamageMapView::Levels; ++l)
        if (input.cell(l, col, row) != 0)
            return EmptyFilledColour;
    return NoPartColour;
}

QString hoverText(const DamageMapInput &input, QPoint pixel)
{
    const std::optional<QPoint> cell = cellUnder(pixel);
    if (!cell || !input.hasMap())
        return {};
    return partName(input.cell(input.level, cell->x(), cell->y()));
}

std::optional<QString> referenceHoverText(const DamageMapInput &input, QPoint pixel)
{
    const std::optional<QPoint> cell = cellUnder(pixel);
    if (!cell || !input.differs(cell->x(), cell->y()))
        return std::nullopt;
    return partName(quint8(input.reference[DamageMapView::cellOffset(input.level, cell->x(), cell->y())]));
}

Cube cubeOf(int level, int col, int row)
{
    const int X = 8 * col + 4 * row - 30, Y = 160 - 8 * level + 4 * row;
    return {
        {QPoint(X, Y - 8), QPoint(X - 8, Y - 8), QPoint(X - 4, Y - 4), QPoint(X + 4, Y - 4)},
        {QPoint(X - 8, Y - 8), QPoint(X - 8, Y), QPoint(X - 4, Y + 4), QPoint(X + 4, Y + 4)},
        {QPoint(X - 4, Y - 4), QPoint(X - 4, Y + 4), QPoint(X + 4, Y + 4), QPoint(X + 4, Y - 4)},
    };
}

} // namespace vw::damage
