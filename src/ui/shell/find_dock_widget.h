#pragma once

#include "core/operations/field_query.h"

#include <QDialog>
#include <QDockWidget>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;
class QTableWidget;
class QCheckBox;

namespace vw::app {

class EditorDocument;

// The field catalogue as a tree (each part of the document, its fields with
// their labels), filtered as the user types a label or a key, with the
// operator and value that make one condition or assignment of it.
class FieldChooser : public QWidget {
    Q_OBJECT
public:
    // `operators`: the operators offered ("==", "!=", ... or "=", "+=", ...).
    FieldChooser(const QStringList &operators, QWidget *parent = nullptr);

    // "PATTERN OP VALUE" of what is chosen; a text field's value put in quotes when it has none.
    QString expression() const;
    void setPattern(const QString &pattern);
    QLineEdit *filterEdit() const { return filter_; }
    QTreeWidget *tree() const { return tree_; }
    QLineEdit *patternEdit() const { return pattern_; }
    QComboBox *operatorBox() const { return operator_; }
    QLineEdit *valueEdit() const { return value_; }

Q_SIGNALS:
    void activated(); // Enter in the value

private:
    void filter(const QString &text);

    QLineEdit *filter_ = nullptr;
    QTreeWidget *tree_ = nullptr;
    QLineEdit *pattern_ = nullptr;
    QComboBox *operator_ = nullptr;
    QLineEdit *value_ = nullptr;
};

// Edit > "Find in planes...": the conditions a find asks, each built with the
// field chooser. OK checks them: a condition in error is shown with its place.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(const QStringList &conditions, QWidget *parent = nullptr);

    QStringList conditions() const;
    FieldChooser *chooser() const { return chooser_; }
    QListWidget *conditionList() const { return list_; }
    // Adds the chooser's condition to the list.
    void addCondition();
    void accept() override;

private:
    FieldChooser *chooser_ = nullptr;
    QListWidget *list_ = nullptr;
    QLabel *problem_ = nullptr;
};

// The fields found, docked under the pages, found again whenever the file
// changes. A double-click on a line (or Enter) asks the window to show it.
class FindDock : public QDockWidget {
    Q_OBJECT
public:
    using Chooser = std::function<void(const fields::FieldPath &, const fields::Match &)>;

    FindDock(EditorDocument &document, const QList<Condition> &conditions, Chooser choose, QWidget *parent = nullptr);

    const QList<Condition> &conditions() const { return conditions_; }
    QTreeWidget *results() const { return results_; }
    // Finds again in the file as it is now.
    void refresh();

Q_SIGNALS:
    void changeRequested();

private:
    EditorDocument &document_;
    QList<Condition> conditions_;
    Chooser choose_;
    std::vector<fields::Match> found_;
    QTreeWidget *results_ = nullptr;
    QLabel *count_ = nullptr;
};

// Edit > "Change found fields...": one assignment, on the fields found (the
// find's conditions are its conditions) or on every field of its pattern; a
// preview lists every change before Apply, which is one undo step.
class ChangeFieldsDialog : public QDialog {
    Q_OBJECT
public:
    ChangeFieldsDialog(EditorDocument &document, const QList<Condition> &found, QWidget *parent = nullptr);

    FieldChooser *chooser() const { return chooser_; }
    QCheckBox *onlyFound() const { return onlyFound_; }
    QTableWidget *preview() const { return preview_; }
    // Lists what Apply would change; false (and the fault shown) for an assignment in error.
    bool showPreview();
    // Changes the fields as one undo step; false when nothing was applied.
    bool apply();
    // How many fields the last Apply changed.
    int applied() const { return applied_; }

private:
    bool parse(Assignment *assignment, QList<Condition> *where);

    EditorDocument &document_;
    QList<Condition> found_;
    FieldChooser *chooser_ = nullptr;
    QCheckBox *onlyFound_ = nullptr;
    QTableWidget *preview_ = nullptr;
    QLabel *problem_ = nullptr;
    int applied_ = 0;
};

// What the window needs to show a found field: its plane, configuration,
// weapon, page and flight-model row (0 where none).
struct FoundPlace {
    int plane = 0, config = 0, weapon = 0, row = 0;
    PageId page = PageId::Misc;
};
FoundPlace foundPlace(const fields::FieldPath &path, const fields::Match &match);

} // namespace vw::app
