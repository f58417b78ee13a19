#pragma once

// Every place of the window where a user types: the named line edits, the
// spin boxes and the cells of the number grids of every page and of the More
// Weapons dialog, and a way to type a text into each as a user does.

#include "ui/common/number_grid_model.h"
#include "ui/common/number_grid_view.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QTest>
#include <QWidget>

namespace vwtest {

struct TypingPlace {
    QString name; // "Edit2", "UpDown3", "StringGrid1[2,5]"
    QLineEdit *edit = nullptr;
    QAbstractSpinBox *spin = nullptr;
    vw::app::NumberGridView *grid = nullptr;
    int col = -1, row = -1;
};

// The grids give the cells of their first `gridRows` rows (behind the heading row), every column.
inline QList<TypingPlace> typingPlaces(const QWidget *window, int gridRows = 3)
{
    QList<TypingPlace> places;
    for (QLineEdit *edit : window->findChildren<QLineEdit *>()) {
        QWidget *parent = edit->parentWidget();
        if (edit->objectName().isEmpty() || edit->isReadOnly() || qobject_cast<QAbstractSpinBox *>(parent)
            || qobject_cast<QComboBox *>(parent))
            continue;
        places.append({edit->objectName(), edit});
    }
    for (QAbstractSpinBox *spin : window->findChildren<QAbstractSpinBox *>())
        if (!spin->objectName().isEmpty() && !spin->isReadOnly())
            places.append({spin->objectName(), nullptr, spin});
    for (vw::app::NumberGridView *grid : window->findChildren<vw::app::NumberGridView *>()) {
        const QAbstractItemModel *model = grid->model();
        for (int row = 1; row < std::min(model->rowCount(), gridRows + 1); ++row)
            for (int col = 1; col < model->columnCount(); ++col)
                if (model->flags(model->index(row, col)) & Qt::ItemIsEditable)
                    places.append({QStringLiteral("%1[%2,%3]").arg(grid->objectName()).arg(col).arg(row), nullptr,
                                   nullptr, grid, col, row});
    }
    return places;
}

// Replaces the text as one paste does, then presses Return; a cell gets the text as its editor commits it.
inline void typeInto(const TypingPlace &place, const QString &text)
{
    if (place.edit || place.spin) {
        QLineEdit *edit = place.edit ? place.edit : place.spin->findChild<QLineEdit *>();
        if (!edit)
            return;
        edit->selectAll();
        edit->insert(text);
        QTest::keyClick(place.edit ? static_cast<QWidget *>(edit) : place.spin, Qt::Key_Return);
        return;
    }
    QAbstractItemModel *model = place.grid->model();
    model->setData(model->index(place.row, place.col), text, Qt::EditRole);
}

} // namespace vwtest
