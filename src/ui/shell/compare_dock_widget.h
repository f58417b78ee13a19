#pragma once

#include "core/planedata/plane_diff.h"

#include <QDockWidget>

#include <functional>

class QLabel;
class QListWidget;

namespace vw::app {

// "Compare with...": the fields in which the open file differs from another,
// one line each, and how many there are, docked under the pages so that what
// a line leads to stays in view. A double-click on a line asks the window to
// show where the field is.
class CompareDock : public QDockWidget {
    Q_OBJECT
public:
    using Chooser = std::function<void(const FieldDifference &)>;

    // `lines` holds the text of each difference, as the window names its fields.
    CompareDock(const QString &otherPath, const QList<FieldDifference> &differences, const QStringList &lines,
                Chooser choose, QWidget *parent = nullptr);

    QListWidget *list() const { return list_; }

private:
    QList<FieldDifference> differences_;
    Chooser choose_;
    QListWidget *list_ = nullptr;
    QLabel *count_ = nullptr;
};

} // namespace vw::app
