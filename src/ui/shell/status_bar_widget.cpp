#include "status_bar_widget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QSizeGrip>
#include <QStyleOption>

namespace vw::app {

EditorStatusBar::EditorStatusBar(QWidget *parent) : QStatusBar(parent)
{
    connect(this, &QStatusBar::messageChanged, this, [this](const QString &message) {
        setToolTip(message);
        update();
    });
}

QRect EditorStatusBar::messageRect() const
{
    // The margins QStatusBar keeps; the labels beside the message are its children.
    int left = 6;
    int right = width() - 12;
    for (const QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible())
            continue;
        if (layoutDirection() == Qt::RightToLeft)
            left = std::max(left, child->geometry().right() + 3);
        else
            right = std::min(right, child->x() - 2);
    }
    return QRect(left, 0, std::max(0, right - left), height());
}

QString EditorStatusBar::shownMessage() const
{
    const QString message = currentMessage();
    const int room = messageRect().width();
    const QFontMetrics metrics = fontMetrics();
    if (metrics.horizontalAdvance(message) <= room)
        return message;
    // Whole words as far as they fit, then the ellipsis.
    const QString ellipsis(QChar(0x2026));
    QString cut = message;
    for (qsizetype space = cut.lastIndexOf(QLatin1Char(' ')); space > 0; space = cut.lastIndexOf(QLatin1Char(' '))) {
        cut.truncate(space);
        const QString shown = cut.trimmed() + ellipsis;
        if (metrics.horizontalAdvance(shown) <= room)
            return shown;
    }
    // One word longer than the room.
    return metrics.elidedText(message, Qt::ElideRight, room);
}

void EditorStatusBar::paintEvent(QPaintEvent *event)
{
    if (currentMessage().isEmpty()) {
        QStatusBar::paintEvent(event);
        return;
    }
    // As QStatusBar paints it, with the message elided instead of cut.
    QPainter painter(this);
    QStyleOption panel;
    panel.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &panel, &painter, this);
    for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible() || qobject_cast<QSizeGrip *>(child))
            continue;
        QStyleOption frame(0);
        frame.rect = child->geometry().adjusted(-2, -1, 2, 1);
        frame.palette = palette();
        frame.state = QStyle::State_None;
        style()->drawPrimitive(QStyle::PE_FrameStatusBarItem, &frame, &painter, child);
    }
    painter.setPen(palette().windowText().color());
    painter.drawText(messageRect(), Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine, shownMessage());
}

} // namespace vw::app
