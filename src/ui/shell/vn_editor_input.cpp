#include "vn_editor_input.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QWheelEvent>

namespace vw::app {

namespace {

// The combo box or spin box a widget belongs to (a spin box's own line edit too).
QWidget *valueWidget(QObject *watched)
{
    for (QObject *o = watched; o; o = o->parent()) {
        if (qobject_cast<QComboBox *>(o) || qobject_cast<QAbstractSpinBox *>(o))
            return static_cast<QWidget *>(o);
        if (o->isWidgetType() && static_cast<QWidget *>(o)->isWindow())
            break;
    }
    return nullptr;
}

bool isUndoOrRedo(const QKeyEvent *key)
{
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
        || (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier);
}

} // namespace

bool EditorInputFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Polish
        && (qobject_cast<QComboBox *>(watched) || qobject_cast<QAbstractSpinBox *>(watched))) {
        // The wheel alone must not give these boxes the focus (and so the wheel).
        static_cast<QWidget *>(watched)->setFocusPolicy(Qt::StrongFocus);
    } else if (event->type() == QEvent::Wheel) {
        QWidget *box = valueWidget(watched);
        if (box && !box->hasFocus() && !(box->focusProxy() && box->focusProxy()->hasFocus())) {
            // Not for this box: the page around it scrolls instead.
            if (QWidget *parent = box->parentWidget())
                QApplication::sendEvent(parent, event);
            return true;
        }
    } else if (event->type() == QEvent::ShortcutOverride && qobject_cast<QLineEdit *>(watched)) {
        // Leaving the override unaccepted lets the window's Undo and Redo take the keys.
        if (isUndoOrRedo(static_cast<QKeyEvent *>(event))) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool MenuBarItemKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *bar = qobject_cast<QMenuBar *>(watched);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool runs = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
    QAction *item = bar ? bar->activeAction() : nullptr;
    if (!runs || !item || item->menu() || !item->isEnabled())
        return false;
    bar->setActiveAction(nullptr);
    item->trigger();
    return true;
}

} // namespace vw::app
