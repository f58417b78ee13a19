#pragma once

#include "core/damage/damage_map_geometry.h"

#include <QWidget>

#include <functional>

namespace vw::damage {

// Image4: the 321 x 321 map image. It paints what its source gives at the
// moment it paints (the map is read from the file, never kept), either the
// 3D view or the flat view of one level, and reports presses, moves and
// double-clicks in image pixels.
class DamageMapWidget : public QWidget {
    Q_OBJECT
public:
    using Source = std::function<DamageMapInput()>;

    explicit DamageMapWidget(Source source, QWidget *parent = nullptr);

    void setThreeD(bool threeD);
    bool threeD() const { return threeD_; }
    // The picture as it is painted now.
    QImage picture() const;

Q_SIGNALS:
    void pressed(QPoint pixel);
    void moved(QPoint pixel);
    void doubleClicked(QPoint pixel);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void paintMap(QPainter &painter) const;

    Source source_;
    bool threeD_ = true;
};

} // namespace vw::damage
