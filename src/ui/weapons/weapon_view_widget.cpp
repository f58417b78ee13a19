#include "weapon_view_widget.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace vw::weapons {

class WeaponViewWidget::Image : public QWidget {
public:
    explicit Image(QWidget *parent) : QWidget(parent), image(ViewSize, ViewSize, QImage::Format_RGB32)
    {
        setFixedSize(ViewSize, ViewSize);
        image.fill(Qt::black);
    }
    QImage image;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, image);
    }
};

WeaponViewWidget::WeaponViewWidget(const QString &imageName, const QString &label, Painter painter, QWidget *parent)
    : QFrame(parent), painter_(painter)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setFixedSize(ViewSize + 2, ViewSize + 2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    image_ = new Image(this);
    image_->setObjectName(imageName);
    layout->addWidget(image_);
    auto *caption = new QLabel(label, image_);
    caption->setStyleSheet(QStringLiteral("QLabel { color: #ff0000; background: transparent; }"));
    caption->adjustSize();
    caption->move((ViewSize - caption->width()) / 2, 2);
}

void WeaponViewWidget::redraw(const WeaponViewInput &input)
{
    QPainter painter(&image_->image);
    painter_(painter, input);
    painter.end();
    image_->update();
}

const QImage &WeaponViewWidget::image() const
{
    return image_->image;
}

} // namespace vw::weapons
