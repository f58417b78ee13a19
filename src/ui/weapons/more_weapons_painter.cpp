#include "more_weapons_painter.h"

#include <QPainter>

namespace vw::weapons {

namespace {

const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);
const QColor White(255, 255, 255);

enum class View { Top, Front };

void square(QPainter &painter, QPoint centre, const QColor &colour)
{
    painter.fillRect(QRect(centre.x() - 1, centre.y() - 1, 3, 3), colour);
}

void paintView(QPainter &painter, const WeaponViewInput &in, View view)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 0, 200, 200), Qt::black);
    QPen pen(Green, 1);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(0, ViewCentre, 200, ViewCentre);
    painter.drawLine(ViewCentre, 0, ViewCentre, 200);

    const double m = largestCoordinate(in.positions);
    if (m > 0) {
        for (int k = FirstTick; k <= LastTick; ++k) {
            const int t = ViewCentre - scaledOffset(k, m);
            for (const QPoint p : {QPoint(t, ViewCentre + 1), QPoint(t, ViewCentre - 1), QPoint(ViewCentre + 1, t),
                                   QPoint(ViewCentre - 1, t)})
                painter.fillRect(QRect(p, QSize(1, 1)), Green);
        }

        // Both limits are drawn when either is not 0.
        const double first = view == View::Top ? in.horizontalMin : in.verticalMin;
        const double second = view == View::Top ? in.horizontalMax : in.verticalMax;
        if (first != 0 || second != 0) {
            pen.setColor(Red);
            painter.setPen(pen);
            const QPoint centre(ViewCentre, ViewCentre);
            for (const double a : {first, second})
                painter.drawLine(centre, view == View::Top ? topArcEnd(a) : frontArcEnd(a));
        }

        const auto point = [&](const WeaponPosition &p) {
            return view == View::Top ? topViewPoint(p, m) : frontViewPoint(p, m);
        };
        for (const WeaponPosition &p : in.positions)
            square(painter, point(p), White);
        if (in.currentWeapon >= 1 && size_t(in.currentWeapon) <= in.positions.size())
            square(painter, point(in.positions[size_t(in.currentWeapon - 1)]), Red);
    }
    painter.restore();
}

} // namespace

void paintTopView(QPainter &painter, const WeaponViewInput &input)
{
    paintView(painter, input, View::Top);
}

void paintFrontView(QPainter &painter, const WeaponViewInput &input)
{
    paintView(painter, input, View::Front);
}

} // namespace vw::weapons
