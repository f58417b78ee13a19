#include "damage_map_painter.h"

#include "core/damage/damage_parts.h"

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

void paintDamageMapFlat(QPainter &painter, const DamageMapInput &input, const QColor &referenceMark)
{
    painter.save();
    paintBackground(painter);
    if (input.hasMap()) {
        // Every cell is outlined in the same grey and the cells tile the whole
        // image, so the shared grid lines are drawn once and only the insides
        // of the cells that are not black are filled.
        constexpr int Side = DamageMapView::Side, End = CellPixels * Side;
        for (int y = 0; y < Side; ++y)
            for (int x = 0; x < Side; ++x) {
                const quint32 fill = flatCellColour(input, x, y);
                const QRect inside = cellRect(x, y).adjusted(1, 1, 0, 0);
                painter.fillRect(inside, fill == NoPartColour ? QColor(Qt::black) : colour(fill));
            }
        QList<QLine> grid;
        for (int i = 0; i <= Side; ++i)
            grid << QLine(CellPixels * i, 0, CellPixels * i, End) << QLine(0, CellPixels * i, End, CellPixels * i);
        painter.drawLines(grid);
        if (referenceMark.isValid() && !input.reference.isEmpty()) {
            painter.setPen(QPen(referenceMark, 2));
            painter.setBrush(Qt::NoBrush);
            for (int y = 0; y < Side; ++y)
                for (int x = 0; x < Side; ++x)
                    if (input.differs(x, y))
                        painter.drawRect(cellRect(x, y).adjusted(2, 2, -1, -1));
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
        const auto filled = [&](int l, int x, int y) {
            return DamageMapView::inMap(l, x, y) && bytes[DamageMapView::cellOffset(l, x, y)] != 0;
        };
        int brushPart = -1;
        forEachCubeInDrawingOrder([&](int l, int x, int y) {
            const int b = bytes[DamageMapView::cellOffset(l, x, y)];
            if (b == 0)
                return;
            // A face that a later cube paints over entirely is left out: the top
            // under the cube above, the side under the next column down (and
            // the cube's own front), the front under the next row's cube.
            const bool top = !filled(l + 1, x, y), side = !filled(l, x - 1, y), front = !filled(l, x, y + 1);
            if (!top && !side && !front)
                return;
            if (b != brushPart) {
                painter.setBrush(colour(partColour(b)));
                brushPart = b;
            }
            const Cube cube = cubeOf(l, x, y);
            if (top)
                painter.drawPolygon(cube.top.data(), 4);
            if (side)
                painter.drawPolygon(cube.side.data(), 4);
            if (front)
                painter.drawPolygon(cube.front.data(), 4);
        });
    }
    painter.restore();
}

} // namespace vw::damage
