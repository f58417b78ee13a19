#include "field_binding.h"

#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "core/datafile/number_text.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

#include <cstdint>
#include <limits>

namespace vw::app {

FieldBinding::FieldBinding(EditorDocument &document, QLineEdit *edit, StoreOn when, BoundField field, Store store,
                           std::function<void()> then)
    : QObject(edit), document_(document), edit_(edit), field_(std::move(field)), store_(std::move(store)),
      then_(std::move(then))
{
    if (field_.undoName.isEmpty())
        field_.undoName = inputCaption(field_.caption);
    switch (when) {
    case StoreOn::Typing:
        connect(edit, &QLineEdit::textEdited, this,
                [this](const QString &text) { document_.guarded([this, &text] { storeText(text); }); });
        break;
    case StoreOn::Return:
        connect(edit, &QLineEdit::returnPressed, this,
                [this] { document_.guarded([this] { storeText(edit_->text()); }); });
        break;
    case StoreOn::KeyRelease:
        edit->installEventFilter(this);
        break;
    }
}

bool FieldBinding::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edit_ && event->type() == QEvent::KeyRelease)
        document_.guarded([this] { storeText(edit_->text()); });
    return QObject::eventFilter(watched, event);
}

void FieldBinding::storeText(const QString &text)
{
    if (document_.refreshing() || (field_.shown && !field_.shown()))
        return;
    QString problem;
    if (!document_.edit(field_.undoName, field_.key ? field_.key() : MergeKey::none(),
                        [&] { problem = store_(document_.file(), text); }))
        return;
    markInput(document_, edit_, problem);
    if (then_)
        then_();
}

FieldBinding *bindInteger(EditorDocument &document, QLineEdit *edit, StoreOn when, BoundField field,
                          std::function<qint64(datafile::DataFile &, qint64)> setter, Limits limits, bool showStored)
{
    const QString caption = field.caption;
    auto store = [caption, setter = std::move(setter), limits, showStored, edit](datafile::DataFile &file,
                                                                                 const QString &text) {
        bool whole = false;
        qint64 value = datafile::readInteger(text, 0, &whole);
        if (limits == Limits::Refused
            && (!whole || value < std::numeric_limits<std::int32_t>::min()
                || value > std::numeric_limits<std::int32_t>::max()))
            value = 0;
        const qint64 stored = setter(file, value);
        if (showStored && text != QString::number(stored))
            edit->setText(QString::number(stored));
        return limits == Limits::Refused ? integerInputProblem(caption, text, QString::number(stored))
                                         : integerInputProblem(caption, text, stored);
    };
    return new FieldBinding(document, edit, when, std::move(field), std::move(store));
}

FieldBinding *bindText(EditorDocument &document, QLineEdit *edit, StoreOn when, BoundField field,
                       std::function<void(datafile::DataFile &, const QString &)> setter, std::function<void()> then)
{
    auto store = [setter = std::move(setter)](datafile::DataFile &file, const QString &text) {
        setter(file, text);
        return QString();
    };
    return new FieldBinding(document, edit, when, std::move(field), std::move(store), std::move(then));
}

FieldBinding *bindNumber(EditorDocument &document, QLineEdit *edit, StoreOn when, BoundField field,
                         std::function<void(datafile::DataFile &, double)> setter)
{
    const QString caption = field.caption;
    auto store = [&document, caption, setter = std::move(setter)](datafile::DataFile &file, const QString &text) {
        const QChar separator = document.decimalSeparator();
        const double value = datafile::readNumber(text, separator);
        setter(file, value);
        return numberInputProblem(caption, text, separator, value);
    };
    return new FieldBinding(document, edit, when, std::move(field), std::move(store));
}

void bindChoice(EditorDocument &document, QComboBox *box, BoundField field,
                std::function<void(datafile::DataFile &, int)> setter, std::function<void()> then)
{
    if (field.undoName.isEmpty())
        field.undoName = inputCaption(field.caption);
    QObject::connect(box, &QComboBox::activated, box,
                     [&document, field = std::move(field), setter = std::move(setter), then = std::move(then)](int index) {
                         document.guarded([&] {
                             if (document.refreshing() || index < 0 || (field.shown && !field.shown()))
                                 return;
                             if (document.edit(field.undoName, field.key ? field.key() : MergeKey::none(),
                                               [&] { setter(document.file(), index); })
                                 && then)
                                 then();
                         });
                     });
}

} // namespace vw::app
