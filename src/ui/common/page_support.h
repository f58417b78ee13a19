#pragma once

#include "ui/common/editor_document.h"
#include "core/datafile/number_text.h"

#include <QCoreApplication>
#include <QObject>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <limits>

// What every page uses to build its widgets and attach its handlers.

namespace vw::app {

// A widget with its documented name as object name (which is how tests find it).
template <typename Widget>
Widget *named(const char *name, QWidget *parent)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

template <typename Widget>
Widget *named(const QString &name, QWidget *parent)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

// A button, check box or label with its documented name and caption.
template <typename Widget>
Widget *named(const char *name, const QString &caption, QWidget *parent)
{
    auto *widget = named<Widget>(name, parent);
    widget->setText(caption);
    return widget;
}

// Attaches a page's handler to a user-edit signal. The handler runs inside
// the document's error boundary: no exception crosses the Qt signal, and an
// error is shown in one box. The handler may take fewer arguments than the
// signal carries.
template <class Sender, class Signal, class Receiver, class... Args>
QMetaObject::Connection connectHandler(EditorDocument &document, Sender *sender, Signal signal, Receiver *receiver,
                                       void (Receiver::*handler)(Args...))
{
    return QObject::connect(sender, signal, receiver, [&document, receiver, handler](Args... args) {
        document.guarded([&] { (receiver->*handler)(args...); });
    });
}

template <class Sender, class Signal>
QMetaObject::Connection connectHandler(EditorDocument &document, Sender *sender, Signal signal, QObject *context,
                                       std::function<void()> handler)
{
    return QObject::connect(sender, signal, context,
                            [&document, handler = std::move(handler)] { document.guarded(handler); });
}

// Lets the user see how a field's text was read: with a problem (the text is
// not a number of its kind, or its value was clamped or cut) the field gets a
// red frame and the problem as tooltip and status-bar message; without one
// the field looks plain again.
inline void markInput(EditorDocument &document, QWidget *field, const QString &problem)
{
    const bool marked = field->property("vwInputProblem").toBool();
    if (problem.isEmpty()) {
        if (marked) {
            field->setProperty("vwInputProblem", false);
            field->setStyleSheet(QString());
            field->setToolTip(field->property("vwPlainToolTip").toString());
        }
        return;
    }
    if (!marked) {
        field->setProperty("vwPlainToolTip", field->toolTip());
        field->setProperty("vwInputProblem", true);
        field->setStyleSheet(QStringLiteral("border: 2px solid #c00000;"));
    }
    field->setToolTip(problem);
    document.showStatus(problem);
}

// How a typed text was stored, for a field's mark and the status bar, and for
// a grid cell's status message: one rule for every field and cell. A text that
// is not a number of the field's kind (an empty one too: it stores 0) is named
// with what was stored instead; a number the field could not hold is named with
// the value it was limited to. Empty when the text was stored as typed. The
// caption is the field's label, with or without its closing colon.
inline QString inputCaption(const QString &caption)
{
    return caption.endsWith(QLatin1Char(':')) ? caption.chopped(1) : caption;
}

// An integer field whose text was stored as `stored`: the text is not a whole
// number, or its value was clamped.
inline QString integerInputProblem(const QString &caption, const QString &text, qint64 stored)
{
    bool whole = false;
    const qint64 typed = datafile::readInteger(text, 0, &whole);
    if (!whole)
        return QCoreApplication::translate("vw::app::EditorDocument", "%1: \"%2\" is not a whole number; stored as %3")
            .arg(inputCaption(caption), text)
            .arg(stored);
    if (typed != stored)
        return QCoreApplication::translate("vw::app::EditorDocument", "%1: %2 stored as %3")
            .arg(inputCaption(caption))
            .arg(typed)
            .arg(stored);
    return {};
}

// A 32-bit field whose stored value is shown as `storedText` (a key's name, a
// delay): only a text that is not a whole number of 32 bits is named.
inline QString integerInputProblem(const QString &caption, const QString &text, const QString &storedText)
{
    bool whole = false;
    const qint64 typed = datafile::readInteger(text, 0, &whole);
    if (whole && typed >= std::numeric_limits<std::int32_t>::min() && typed <= std::numeric_limits<std::int32_t>::max())
        return {};
    return QCoreApplication::translate("vw::app::EditorDocument", "%1: \"%2\" is not a whole number; stored as %3")
        .arg(inputCaption(caption), text, storedText);
}

// A decimal field or cell: the text is not a complete number, so only the
// number it begins with (0 for none) was stored.
inline QString numberInputProblem(const QString &caption, const QString &text, QChar separator,
                                  const QString &storedText)
{
    if (!text.trimmed().isEmpty() && datafile::isCompleteNumber(text, separator))
        return {};
    return QCoreApplication::translate("vw::app::EditorDocument", "%1: \"%2\" is not a number; stored as %3")
        .arg(inputCaption(caption), text, storedText);
}

inline QString numberInputProblem(const QString &caption, const QString &text, QChar separator, double stored)
{
    return numberInputProblem(caption, text, separator, datafile::formatNumber(stored, separator));
}

} // namespace vw::app
