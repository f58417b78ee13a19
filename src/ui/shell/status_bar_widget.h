#pragma once

#include <QStatusBar>

namespace vw::app {

// The main window's status bar. A message too long for the room left of the
// permanent labels is elided at a word's end with "...", never cut under
// them, and the whole message is the bar's tooltip while it shows.
class EditorStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit EditorStatusBar(QWidget *parent = nullptr);

    // The message as the bar shows it: whole, or elided to its room.
    QString shownMessage() const;
    // The room of the message: left of the first permanent label shown.
    QRect messageRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vw::app
