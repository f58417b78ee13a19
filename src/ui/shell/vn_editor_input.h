#pragma once

#include <QObject>

namespace vw::app {

// Keeps the mouse wheel and the undo keys from changing data behind the
// user's back, for every widget of the editor's windows:
// - a combo box, spin box or up-down takes the wheel only while it has the
//   keyboard focus; otherwise the wheel scrolls the page it sits on;
// - Ctrl+Z and the redo keys inside a text field run the editor's Undo and
//   Redo (every keystroke is already an editor step), not the field's own
//   text history, which would put back text the editor never stored.
class EditorInputFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// The menu bar's own items ("Launch Vornwing", "Exit"): Enter, Return or
// Space on the item the arrow keys highlight runs it, as they open a menu.
class MenuBarItemKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vw::app
