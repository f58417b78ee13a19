#pragma once

#include "ui/common/merge_key.h"

#include <QObject>
#include <QString>

#include <functional>

class QComboBox;
class QLineEdit;

namespace vw::datafile {
class DataFile;
}

namespace vw::app {

class EditorDocument;

// When a bound field stores its text, as the product documents per field.
enum class StoreOn {
    Typing,     // every change the user makes
    Return,     // Return or Enter
    KeyRelease, // any key released in the field, an arrow key too
};

// A line edit bound to one field of the data the pages show. The user's text
// is stored through the document's edit (one undo step; keystrokes with one
// merge key make one step), never while the pages are being shown again and
// never when no record is shown; the text is read by the one input rule and
// the field is marked with what was stored. Showing the value is the page's
// refresh. A new field on a page is one call:
//
//     bindInteger(document, edit2, StoreOn::Typing, {tr("Ammo"), shown, key},
//                 [&](DataFile &f, qint64 typed) { return weapon(f).setAmmo(typed); });
struct BoundField {
    QString caption;                   // the field's label: the input message names it
    std::function<bool()> shown;       // a record to store into is shown (none: always)
    std::function<MergeKey()> key;     // how keystrokes merge (none: every change its own step)
    QString undoName = QString();      // the undo step's name (none: the caption)
};

// What an integer field does with the value the text gave: a whole number
// stores itself (clamped by the record); a text that is not one stores 0, as
// does a number beyond 32 bits when `limits` is Refused.
enum class Limits {
    Clamped, // the setter limits the value and says what it stored; the message names it
    Refused, // beyond 32 bits stores 0
};

class FieldBinding : public QObject {
    Q_OBJECT
public:
    using Store = std::function<QString(datafile::DataFile &file, const QString &text)>;

    // `store` writes the text's value into the file inside the edit and returns
    // what the input rule says of the text; `then` runs after a stored edit.
    FieldBinding(EditorDocument &document, QLineEdit *edit, StoreOn when, BoundField field, Store store,
                 std::function<void()> then = {});

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void storeText(const QString &text);

    EditorDocument &document_;
    QLineEdit *edit_;
    BoundField field_;
    Store store_;
    std::function<void()> then_;
};

// An integer field. `setter` stores the value and returns the value stored;
// with `showStored` the field shows that value in place of the text typed.
FieldBinding *bindInteger(EditorDocument &document, QLineEdit *edit, StoreOn when, BoundField field,
                          std::function<qint64(datafile::DataFile &, qint64)> setter, Limits limits = Limits::Clamped,
                          bool showStored = false);

// A text field: `setter` stores the text (cut to its room by the record);
// `then` runs after each stored change.
FieldBinding *bindText(EditorDocument &document, QLineEdit *edit, StoreOn when, BoundField field,
                       std::function<void(datafile::DataFile &, const QString &)> setter,
                       std::function<void()> then = {});

// A decimal field, read with "." or the editor's separator.
FieldBinding *bindNumber(EditorDocument &document, QLineEdit *edit, StoreOn when, BoundField field,
                         std::function<void(datafile::DataFile &, double)> setter);

// A list whose item is a field's value: the item the user picks is stored
// through the document's edit (never while the pages are being shown again,
// never when no record is shown); `then` runs after a stored pick.
void bindChoice(EditorDocument &document, QComboBox *box, BoundField field,
                std::function<void(datafile::DataFile &, int)> setter, std::function<void()> then = {});

} // namespace vw::app
