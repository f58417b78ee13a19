#include "compare_dock_widget.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace vw::app {

CompareDock::CompareDock(const QString &otherPath, const QList<FieldDifference> &differences,
                         const QStringList &lines, Chooser choose, QWidget *parent)
    : QDockWidget(parent), differences_(differences), choose_(std::move(choose))
{
    setObjectName(QStringLiteral("CompareDock"));
    setWindowTitle(tr("Compare with %1").arg(QFileInfo(otherPath).fileName()));
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    auto *content = new QWidget(this);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 2, 4, 4);
    count_ = new QLabel(content);
    count_->setObjectName(QStringLiteral("CompareCount"));
    count_->setText(differences.isEmpty() ? tr("No differences: the files hold the same plane data.")
                    : differences.size() == 1
                        ? tr("1 difference (this file -> %1)").arg(otherPath)
                        : tr("%1 differences (this file -> %2)").arg(differences.size()).arg(otherPath));
    count_->setToolTip(tr("A double-click on a line shows its field; the list stays here below the pages."));
    layout->addWidget(count_);
    list_ = new QListWidget(content);
    list_->setObjectName(QStringLiteral("CompareList"));
    list_->setUniformItemSizes(true); // a whole file of differences lists quickly
    list_->addItems(lines);
    layout->addWidget(list_, 1);
    setWidget(content);
    // A double-click on a line, or Enter, shows its field.
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const int row = list_->row(item);
        if (row >= 0 && row < differences_.size() && choose_)
            choose_(differences_[row]);
    });
}

} // namespace vw::app
