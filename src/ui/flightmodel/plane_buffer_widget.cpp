#include "plane_buffer_widget.h"

#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "ui/common/plane_list_model.h"
#include "ui/common/prompter_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace vw::flightmodel {

using app::connectHandler;
using app::named;

namespace {

// The arrows offer 1..127 and wrap round. The field itself holds positions
// up to the end of the buffer and beyond, where "Auto Increment" can carry
// it; a Copy or Paste from past slot 256 is refused.
class WrappingUpDown : public QSpinBox {
public:
    static constexpr int Top = 127;
    using QSpinBox::QSpinBox;

    void stepBy(int steps) override
    {
        int next = value() + steps;
        if (steps > 0 && next > Top)
            next = 1;
        else if (steps < 0 && (next < 1 || next > Top))
            next = Top;
        setValue(next);
    }

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
};

// A spin box's line edit carries the edit's documented name.
QLineEdit *nameEdit(QSpinBox *spin, const char *name)
{
    auto *edit = spin->findChild<QLineEdit *>();
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QString span(const QString &one, const QString &many, int first, int count)
{
    return count == 1 ? one.arg(first) : many.arg(first).arg(first + count - 1);
}

} // namespace

PlaneBufferWidget::PlaneBufferWidget(app::EditorDocument &document, QWidget *parent)
    : QGroupBox(tr("Copy/Paste all plane data"), parent), document_(document)
{
    setObjectName(QStringLiteral("PlaneBufferGroup"));
    auto *grid = new QGridLayout(this);

    upDown1_ = new WrappingUpDown(this);
    upDown1_->setObjectName(QStringLiteral("UpDown1"));
    upDown1_->setRange(1, PlaneCopyBuffer::Slots + WrappingUpDown::Top);
    edit20_ = nameEdit(upDown1_, "Edit20");
    edit14_ = named<QLineEdit>("Edit14", this);
    edit14_->setReadOnly(true);
    edit14_->setEnabled(false);
    grid->addWidget(new QLabel(tr("Active buffer position:"), this), 0, 0);
    grid->addWidget(upDown1_, 0, 1);
    grid->addWidget(edit14_, 0, 2);

    upDown4_ = new QSpinBox(this);
    upDown4_->setObjectName(QStringLiteral("UpDown4"));
    upDown4_->setRange(1, WrappingUpDown::Top);
    upDown4_->setWrapping(true);
    edit34_ = nameEdit(upDown4_, "Edit34");
    grid->addWidget(new QLabel(tr("Batch handle:"), this), 1, 0);
    grid->addWidget(upDown4_, 1, 1);
    for (QSpinBox *spin : {upDown1_, upDown4_}) {
        spin->setKeyboardTracking(false);
        spin->setFixedWidth(70);
    }

    checkBox4_ = named<QCheckBox>("CheckBox4", this);
    checkBox4_->setText(tr("Auto Increment"));
    checkBox4_->setChecked(true);
    button7_ = named<QPushButton>("Button7", this);
    button7_->setText(tr("Copy"));
    button8_ = named<QPushButton>("Button8", this);
    button8_->setText(tr("Paste"));
    button8_->setEnabled(false);
    button8_->setToolTip(tr("Copy a plane into the buffer first."));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(checkBox4_);
    buttons->addStretch();
    buttons->addWidget(button7_);
    buttons->addWidget(button8_);
    grid->addLayout(buttons, 2, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    connectHandler(document_, button7_, &QPushButton::clicked, this, &PlaneBufferWidget::Button7Click);
    connectHandler(document_, button8_, &QPushButton::clicked, this, &PlaneBufferWidget::Button8Click);
    connectHandler(document_, upDown1_, &QSpinBox::valueChanged, this, &PlaneBufferWidget::Edit20Change);
}

void PlaneBufferWidget::Edit20Change()
{
    edit14_->setText(buffer_.name(upDown1_->value()));
}

void PlaneBufferWidget::refuse(const QString &reason)
{
    document_.prompter().information(document_.dialogParent(), tr("Copy process is not possible!"));
    document_.showStatus(reason);
}

void PlaneBufferWidget::Button7Click()
{
    const int position = upDown1_->value();
    const QString batchText = edit34_->text();
    const PlaneBatchResult result = copyPlanesToBuffer(document_.file(), buffer_, document_.selection().CurrentPlane,
                                                       position, batchCount(batchText));
    if (result.refused)
        return refuse(result.message);
    button8_->setEnabled(true);
    button8_->setToolTip(QString());
    finishBatch(result, position, batchText, false);
}

void PlaneBufferWidget::Button8Click()
{
    const int position = upDown1_->value();
    const QString batchText = edit34_->text();
    const int first = document_.selection().CurrentPlane;
    PlaneBatchResult result;
    if (!document_.edit(tr("Paste all plane data"), app::MergeKey::none(), [&] {
            result = pastePlanesFromBuffer(document_.file(), buffer_, first, position, batchCount(batchText));
        }))
        return; // the error box said why
    if (result.refused)
        return refuse(result.message);
    // The pasted names show in the plane list and every plane selector.
    document_.planeList()->relabel();
    finishBatch(result, position, batchText, true);
}

void PlaneBufferWidget::finishBatch(const PlaneBatchResult &result, int position, const QString &batchText, bool pasted)
{
    int current = result.lastPlane;
    if (checkBox4_->isChecked()) {
        const AutoIncrement next = autoIncrement(position, batchText, result.lastPlane, document_.file().PlaneCount());
        upDown1_->setValue(next.position);
        current = next.currentPlane;
    }
    document_.makePlaneCurrent(current);
    Edit20Change();

    const int firstPlane = result.lastPlane - result.handled + 1;
    const QString planes = span(QStringLiteral("plane %1"), tr("planes %1 to %2"), firstPlane, result.handled);
    const QString slots = span(QStringLiteral("slot %1"), tr("slots %1 to %2"), position, result.handled);
    QString done = pasted ? tr("Buffer %1 pasted onto %2.").arg(slots, planes)
                          : tr("Copied %1 into buffer %2.").arg(planes, slots);
    if (!result.message.isEmpty())
        done += QLatin1Char(' ') + result.message;
    document_.showStatus(done);
}

} // namespace vw::flightmodel
