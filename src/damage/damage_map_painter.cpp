#include "damage_map_painter.h"

#include "damage/damage_parts.h"

#include <QPainter>

namespace vw::damage {

namespace {

QColor colour(quint32 rgb)
{
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

// Black with a grey border: the rectangle (0, 0)..(width + 1, height + 1),
// whose right and bottom edges lie outside the image.
void paintBackground(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour(GridColour), 1));
    painter.setBrush(Qt::black);
    painter.drawRect(QRect(0, 0, MapImageSize + 1, MapImageSize + 1));
}

// A cell's rectangle from (10·x, 10·y) to (10·x + 10, 10·y + 10), both ends
// drawn, so neighbouring cells share their grid line.
QRect cellRect(int col, int row)
{
    return QRect(CellPixels * col, CellPixels * row, CellPixels, CellPixels);
}

} // namespace

void paintDamageMapFlat(QPainter &painter, const DamageMapInput &input)
{
    painter.save();
    paintBackground(painter);
    if (input.hasMap()) {
        for (int y = 0; y < DamageMapView::Side; ++y)
            for (int x = 0; x < DamageMapView::Side; ++x) {
                painter.setBrush(colour(flatCellColour(input, x, y)));
                painter.drawRect(cellRect(x, y));
            }
        if (DamageMapView::inMap(input.level, input.cursor.x(), input.cursor.y())) {
            painter.setPen(QPen(colour(CursorColour), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cellRect(input.cursor.x(), input.cursor.y()));
        }
    }
    painter.restore();
}

void paintDamage3D(QPainter &painter, const DamageMapInput &input)
{
    painter.save();
    paintBackground(painter);
    painter.drawLine(AxesOrigin, QPoint(0, 160));
    painter.drawLine(AxesOrigin, QPoint(220, 0));
    painter.drawLine(AxesOrigin, QPoint(320, 260));
    if (input.hasMap()) {
        const auto *bytes = reinterpret_cast<const quint8 *>(input.map.constData());
        int brushPart = -1;
        forEachCubeInDrawingOrder([&](int l, int x, int y) {
            const int b = bytes[DamageMapView::cellOffset(l, x, y)];
            if (b == 0)
                return;
            if (b != brushPart) {
                painter.setBrush(colour(partColour(b)));
                brushPart = b;
            }
            const Cube cube = cubeOf(l, x, y);
            painter.drawPolygon(cube.top.data(), 4);
            painter.drawPolygon(cube.side.data(), 4);
            painter.drawPolygon(cube.front.data(), 4);
        });
    }
    painter.restore();
}

} // namespace vw::damage
