#include "compare_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace vw::app {

CompareDialog::CompareDialog(const QString &otherPath, const QList<FieldDifference> &differences, Chooser choose,
                             QWidget *parent)
    : QDialog(parent), differences_(differences), choose_(std::move(choose))
{
    setObjectName(QStringLiteral("CompareDialog"));
    setWindowTitle(tr("Compare with %1").arg(QFileInfo(otherPath).fileName()));
    auto *layout = new QVBoxLayout(this);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("CompareCount"));
    count_->setText(differences.isEmpty() ? tr("No differences: the files hold the same plane data.")
                    : differences.size() == 1
                        ? tr("1 difference (this file -> %1)").arg(otherPath)
                        : tr("%1 differences (this file -> %2)").arg(differences.size()).arg(otherPath));
    layout->addWidget(count_);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("CompareList"));
    list_->setUniformItemSizes(true); // a whole file of differences lists quickly
    for (const FieldDifference &d : differences)
        list_->addItem(differenceLine(d));
    layout->addWidget(list_, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        const int row = list_->row(item);
        if (row >= 0 && row < differences_.size() && choose_)
            choose_(differences_[row]);
    });
    resize(720, 420);
}

} // namespace vw::app
