#include "plane_copy_widget.h"

#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "ui/common/plane_list_model.h"
#include "ui/common/plane_selector.h"
#include "ui/common/prompter_dialog.h"
#include "core/datafile/number_text.h"
#include "core/flightmodel/plane_copies.h"
#include "core/flightmodel/plane_record.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vw::flightmodel {

using app::connectHandler;
using app::named;

namespace {


} // namespace

PlaneCopyWidget::PlaneCopyWidget(app::EditorDocument &document, QWidget *parent) : QWidget(parent), document_(document)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);

    const app::CopyGroup flightModel = app::copyGroup(document_, tr("Flight model"), "FlightModelCopyGroup",
                                                      "ComboBox9", "ComboBox10", "Button3", this);
    comboBox9_ = flightModel.source;
    comboBox10_ = flightModel.destination;
    button3_ = flightModel.copy;
    flightModel.bottom->addStretch();
    flightModel.bottom->addWidget(button3_);
    column->addWidget(flightModel.box);

    const app::CopyGroup engines = app::copyGroup(document_, tr("Engines"), "EnginesCopyGroup", "ComboBox13",
                                                  "ComboBox14", "Button9", this);
    comboBox13_ = engines.source;
    comboBox14_ = engines.destination;
    button9_ = engines.copy;
    checkBox7_ = named<QCheckBox>("CheckBox7", tr("Copy only first X cols"), engines.box);
    edit41_ = named<QLineEdit>("Edit41", engines.box);
    edit41_->setText(QStringLiteral("5"));
    edit41_->setMaxLength(4);
    edit41_->setFixedWidth(40);
    edit41_->setToolTip(tr("Columns of the engine power matrix, 0 to %1.").arg(PlaneRecord::MatrixColumns));
    engines.bottom->addWidget(checkBox7_);
    engines.bottom->addWidget(edit41_);
    engines.bottom->addStretch();
    engines.bottom->addWidget(button9_);
    column->addWidget(engines.box);

    connectHandler(document_, button3_, &QPushButton::clicked, this, &PlaneCopyWidget::Button3Click);
    connectHandler(document_, button9_, &QPushButton::clicked, this, &PlaneCopyWidget::Button9Click);
    connectHandler(document_, edit41_, &QLineEdit::textEdited, this, &PlaneCopyWidget::Edit41Change);
}

void PlaneCopyWidget::planeListRebuilt()
{
    for (app::PlaneSelector *box : {comboBox9_, comboBox10_, comboBox13_, comboBox14_})
        box->chooseFirst();
}

int PlaneCopyWidget::firstColumns()
{
    const QString text = edit41_->text();
    bool whole = false;
    const qint64 typed = datafile::readInteger(text, 0, &whole);
    const int columns = firstColumnsFromText(text);
    QString problem;
    if (!whole)
        problem = tr("Copy only first X cols: \"%1\" is not a whole number, read as %2").arg(text).arg(columns);
    else if (typed != columns)
        problem = tr("Copy only first X cols: %1 limited to %2 (the matrix has %3 columns)")
                      .arg(typed)
                      .arg(columns)
                      .arg(PlaneRecord::MatrixColumns);
    app::markInput(document_, edit41_, problem);
    return columns;
}

void PlaneCopyWidget::Edit41Change()
{
    firstColumns();
}

void PlaneCopyWidget::runCopy(const QString &what, const std::function<QString()> &copy)
{
    QString refusal;
    if (!document_.edit(what, app::MergeKey::none(), [&] { refusal = copy(); }))
        return; // the error box said why
    if (!refusal.isEmpty()) {
        document_.prompter().information(document_.dialogParent(), tr("Copy process is not possible!"));
        document_.showStatus(refusal);
        return;
    }
    document_.Update1();
    document_.prompter().information(document_.dialogParent(), tr("Copy process complete!"));
}

void PlaneCopyWidget::Button3Click()
{
    const int from = comboBox9_->currentIndex() + 1, to = comboBox10_->currentIndex() + 1;
    runCopy(tr("Copy flight model"), [&] {
        const CopyResult result = copyFlightModel(document_.file(), from, to);
        if (result)
            document_.showStatus(tr("Flight model of plane %1 copied onto plane %2.").arg(from).arg(to));
        return result.refusal;
    });
}

void PlaneCopyWidget::Button9Click()
{
    const int from = comboBox13_->currentIndex() + 1, to = comboBox14_->currentIndex() + 1;
    const bool firstOnly = checkBox7_->isChecked();
    const int columns = firstOnly ? firstColumns() : 0;
    runCopy(firstOnly ? tr("Copy first engine columns") : tr("Copy engines"), [&] {
        const CopyResult result = firstOnly ? copyFirstColumns(document_.file(), from, to, columns)
                                            : copyEngines(document_.file(), from, to);
        if (result && firstOnly && columns == 0)
            document_.showStatus(tr("Copy only first X cols with X = 0: no engine power cell copied."));
        else if (result && firstOnly)
            document_.showStatus(tr("Engine power columns 1 to %1 of plane %2 copied onto plane %3.")
                                     .arg(columns)
                                     .arg(from)
                                     .arg(to));
        else if (result)
            document_.showStatus(tr("Engine tables of plane %1 copied onto plane %2.").arg(from).arg(to));
        return result.refusal;
    });
}

} // namespace vw::flightmodel
