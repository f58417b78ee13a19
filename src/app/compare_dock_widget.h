#pragma once

#include "app/plane_diff.h"

#include <QDialog>

#include <functional>

class QLabel;
class QListWidget;

namespace vw::app {

// "Compare with...": the fields in which the open file differs from another,
// one line each, and how many there are. A double-click on a line asks the
// window to show where the field is.
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    using Chooser = std::function<void(const FieldDifference &)>;

    CompareDialog(const QString &otherPath, const QList<FieldDifference> &differences, Chooser choose,
                  QWidget *parent = nullptr);

    QListWidget *list() const { return list_; }

private:
    QList<FieldDifference> differences_;
    Chooser choose_;
    QListWidget *list_ = nullptr;
    QLabel *count_ = nullptr;
};

} // namespace vw::app
