#pragma once

#include "core/weapons/more_weapons_geometry.h"

#include <QFrame>
#include <QImage>

class QLabel;

namespace vw::weapons {

// One view of the More Weapons dialog: a lowered 200 x 200 panel holding the
// 198 x 198 image (Image1, Image2) with its red label at the top. Each redraw
// paints the whole view into the image at once; the widget shows that image.
class WeaponViewWidget : public QFrame {
    Q_OBJECT
public:
    using Painter = void (*)(QPainter &, const WeaponViewInput &);

    WeaponViewWidget(const QString &imageName, const QString &label, Painter painter, QWidget *parent = nullptr);

    void redraw(const WeaponViewInput &input);
    const QImage &image() const;

private:
    class Image;
    Image *image_;
    Painter painter_;
};

} // namespace vw::weapons
