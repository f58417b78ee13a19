#include "plane_copy_widget.h"

#include "app/editor_document.h"
#include "app/page_support.h"
#include "app/plane_list_model.h"
#include "app/prompter_dialog.h"
#include "datafile/number_text.h"
#include "flightmodel/plane_copies.h"
#include "flightmodel/plane_record.h"

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

QComboBox *planeSelector(const char *name, app::EditorDocument &document, QWidget *parent)
{
    auto *box = named<QComboBox>(name, parent);
    box->setModel(document.planeList());
    box->setMaxVisibleItems(20);
    box->setMinimumContentsLength(18);
    return box;
}

} // namespace

PlaneCopyWidget::PlaneCopyWidget(app::EditorDocument &document, QWidget *parent) : QWidget(parent), document_(document)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);

    auto *flightModel = new QGroupBox(QStringLiteral("Flight model"), this);
    flightModel->setObjectName(QStringLiteral("FlightModelCopyGroup"));
    auto *flightForm = new QFormLayout(flightModel);
    comboBox9_ = planeSelector("ComboBox9", document_, flightModel);
    comboBox10_ = planeSelector("ComboBox10", document_, flightModel);
    button3_ = named<QPushButton>("Button3", flightModel);
    button3_->setText(QStringLiteral("Copy"));
    flightForm->addRow(QStringLiteral("Source plane:"), comboBox9_);
    flightForm->addRow(QStringLiteral("Destination plane:"), comboBox10_);
    auto *flightRow = new QHBoxLayout;
    flightRow->addStretch();
    flightRow->addWidget(button3_);
    flightForm->addRow(flightRow);
    column->addWidget(flightModel);

    auto *engines = new QGroupBox(QStringLiteral("Engines"), this);
    engines->setObjectName(QStringLiteral("EnginesCopyGroup"));
    auto *engineForm = new QFormLayout(engines);
    comboBox13_ = planeSelector("ComboBox13", document_, engines);
    comboBox14_ = planeSelector("ComboBox14", document_, engines);
    checkBox7_ = named<QCheckBox>("CheckBox7", engines);
    checkBox7_->setText(QStringLiteral("Copy only first X cols"));
    edit41_ = named<QLineEdit>("Edit41", engines);
    edit41_->setText(QStringLiteral("5"));
    edit41_->setMaxLength(4);
    edit41_->setFixedWidth(40);
    edit41_->setToolTip(QStringLiteral("Columns of the engine power matrix, 0 to %1.").arg(PlaneRecord::MatrixColumns));
    button9_ = named<QPushButton>("Button9", engines);
    button9_->setText(QStringLiteral("Copy"));
    engineForm->addRow(QStringLiteral("Source plane:"), comboBox13_);
    engineForm->addRow(QStringLiteral("Destination plane:"), comboBox14_);
    auto *engineRow = new QHBoxLayout;
    engineRow->addWidget(checkBox7_);
    engineRow->addWidget(edit41_);
    engineRow->addStretch();
    engineRow->addWidget(button9_);
    engineForm->addRow(engineRow);
    column->addWidget(engines);

    connectHandler(document_, button3_, &QPushButton::clicked, this, &PlaneCopyWidget::Button3Click);
    connectHandler(document_, button9_, &QPushButton::clicked, this, &PlaneCopyWidget::Button9Click);
    connectHandler(document_, edit41_, &QLineEdit::textEdited, this, &PlaneCopyWidget::Edit41Change);
}

void PlaneCopyWidget::planeListRebuilt()
{
    for (QComboBox *box : {comboBox9_, comboBox10_, comboBox13_, comboBox14_})
        box->setCurrentIndex(box->count() > 0 ? 0 : -1);
}

int PlaneCopyWidget::firstColumns()
{
    const QString text = edit41_->text();
    bool whole = false;
    const qint64 typed = datafile::readInteger(text, 0, &whole);
    const int columns = firstColumnsFromText(text);
    QString problem;
    if (!whole)
        problem = QStringLiteral("Copy only first X cols: \"%1\" is not a whole number, read as %2").arg(text).arg(columns);
    else if (typed != columns)
        problem = QStringLiteral("Copy only first X cols: %1 limited to %2 (the matrix has %3 columns)")
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
        document_.prompter().information(document_.dialogParent(), QStringLiteral("Copy process is not possible!"));
        document_.showStatus(refusal);
        return;
    }
    document_.Update1();
    document_.prompter().information(document_.dialogParent(), QStringLiteral("Copy process complete!"));
}

void PlaneCopyWidget::Button3Click()
{
    const int from = comboBox9_->currentIndex() + 1, to = comboBox10_->currentIndex() + 1;
    runCopy(QStringLiteral("Copy flight model"), [&] {
        const CopyResult result = copyFlightModel(document_.file(), from, to);
        if (result)
            document_.showStatus(QStringLiteral("Flight model of plane %1 copied onto plane %2.").arg(from).arg(to));
        return result.refusal;
    });
}

void PlaneCopyWidget::Button9Click()
{
    const int from = comboBox13_->currentIndex() + 1, to = comboBox14_->currentIndex() + 1;
    const bool firstOnly = checkBox7_->isChecked();
    const int columns = firstOnly ? firstColumns() : 0;
    runCopy(firstOnly ? QStringLiteral("Copy first engine columns") : QStringLiteral("Copy engines"), [&] {
        const CopyResult result = firstOnly ? copyFirstColumns(document_.file(), from, to, columns)
                                            : copyEngines(document_.file(), from, to);
        if (result && firstOnly && columns == 0)
            document_.showStatus(QStringLiteral("Copy only first X cols with X = 0: no engine power cell copied."));
        else if (result && firstOnly)
            document_.showStatus(QStringLiteral("Engine power columns 1 to %1 of plane %2 copied onto plane %3.")
                                     .arg(columns)
                                     .arg(from)
                                     .arg(to));
        else if (result)
            document_.showStatus(QStringLiteral("Engine tables of plane %1 copied onto plane %2.").arg(from).arg(to));
        return result.refusal;
    });
}

} // namespace vw::flightmodel
