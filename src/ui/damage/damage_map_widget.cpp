#include "damage_map_widget.h"

#include "ui/common/reference_file.h"
#include "ui/damage/damage_map_painter.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace vw::damage {

DamageMapWidget::DamageMapWidget(Source source, QWidget *parent) : QWidget(parent), source_(std::move(source))
{
    setObjectName(QStringLiteral("Image4"));
    setFixedSize(MapImageSize, MapImageSize);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DamageMapWidget::setThreeD(bool threeD)
{
    threeD_ = threeD;
    update();
}

void DamageMapWidget::paintMap(QPainter &painter) const
{
    const DamageMapInput input = source_();
    if (threeD_)
        paintDamage3D(painter, input);
    else
        paintDamageMapFlat(painter, input, app::referenceMarkColour(palette()));
}

QImage DamageMapWidget::picture() const
{
    QImage image(MapImageSize, MapImageSize, QImage::Format_RGB32);
    QPainter painter(&image);
    paintMap(painter);
    return image;
}

void DamageMapWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintMap(painter);
}

void DamageMapWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT pressed(event->position().toPoint());
}

void DamageMapWidget::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT moved(event->position().toPoint());
}

void DamageMapWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked(event->position().toPoint());
}

} // namespace vw::damage
