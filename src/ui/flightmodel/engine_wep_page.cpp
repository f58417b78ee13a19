#include "engine_wep_page.h"

#include "ui/common/editor_document.h"
#include "ui/common/field_binding.h"
#include "ui/common/page_support.h"
#include "core/datafile/number_text.h"
#include "ui/common/number_grid_model.h"
#include "ui/common/number_grid_view.h"
#include "core/flightmodel/plane_record.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vw::flightmodel {

using app::GridCell;
using app::LiveEditDelegate;
using app::NumberGridModel;
using app::NumberGridView;

using app::connectHandler;
using app::named;

namespace {

// An up-down with its edit: the spin box is the up-down, its line edit the edit.
QSpinBox *upDown(const QString &upDownName, const QString &editName, int maximum, QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(upDownName);
    spin->setRange(1, maximum);
    // A typed count is applied on Return or when the field is left, not per
    // keystroke (typing 35 would first apply 3); the arrows apply at once.
    spin->setKeyboardTracking(false);
    spin->setFixedWidth(70);
    if (auto *edit = spin->findChild<QLineEdit *>())
        edit->setObjectName(editName);
    return spin;
}

// Sets a widget's text as a refresh does: no change handler runs, and a text
// that already says the same is left as the user typed it.
void showText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text) {
        const QSignalBlocker blocker(edit);
        edit->setText(text);
    }
}

void showValue(QSpinBox *spin, int value)
{
    if (spin->value() != value) {
        const QSignalBlocker blocker(spin);
        spin->setValue(value);
    }
}

} // namespace

EngineWepPage::EngineWepPage(app::EditorDocument &document, QWidget *parent) : QWidget(parent), document_(document)
{
    model_ = new NumberGridModel(
        document, QStringLiteral("StringGrid4"),
        [this](int col, int row) {
            if (row == 0)
                return GridCell::heading(col == 0 ? tr("Altitude (meters)") : tr("WEP Power"));
            if (col == 0)
                return GridCell::heading(QString::number(PlaneRecord::WepPowerStepMetres * (row - 1)));
            if (row > PlaneRecord::WepPowerRows)
                return GridCell();
            return GridCell::number(PlaneRecord(document_.file(), document_.selection().CurrentPlane)
                                        .at(PlaneRecord::wepPowerOffset(row - 1)));
        },
        this);
    model_->setShape(2, PlaneRecord::WepPowerRows + 1);
    model_->setFieldNames(tr("Engine and WEP"), [](int, int row) {
        return tr("WEP Power at %1 m").arg(PlaneRecord::WepPowerStepMetres * (row - 1));
    });
    stringGrid4_ = new NumberGridView(QStringLiteral("StringGrid4"), model_, this);
    stringGrid4_->setSelectionMode(QAbstractItemView::SingleSelection);
    stringGrid4_->freezeHeadings(true, true);
    stringGrid4_->verticalHeader()->setFixedWidth(120);
    stringGrid4_->setColumnWidth(1, 110);
    stringGrid4_->setFixedWidth(255);

    auto *matrix = new QGroupBox(tr("Matrix size"), this);
    auto *matrixForm = new QFormLayout(matrix);
    edit23_ = named<QLineEdit>(QStringLiteral("Edit23"), matrix);
    matrixForm->addRow(tr("Unknown engine parameter:"), edit23_);
    upDown2_ = upDown(QStringLiteral("UpDown2"), QStringLiteral("Edit21"), PlaneRecord::MatrixRows, matrix);
    matrixForm->addRow(tr("Мах flying altitude in 1000 ft increments"), upDown2_);
    label68_ = new QLabel(matrix);
    label68_->setObjectName(QStringLiteral("Label68"));
    matrixForm->addRow(QString(), label68_);
    // The matrix holds 20 speed columns, so the count goes no higher.
    upDown3_ = upDown(QStringLiteral("UpDown3"), QStringLiteral("Edit22"), PlaneRecord::MatrixColumns, matrix);
    matrixForm->addRow(tr("Number of maximum speed engine points"), upDown3_);

    auto *wep = new QGroupBox(tr("Wep Controls"), this);
    auto *wepColumn = new QVBoxLayout(wep);
    auto *textForm = new QFormLayout;
    const QString textCaptions[3] = {tr("Text String on 'WEP Enabled' :"),
                                     tr("Text String on 'WEP Disabled' :"),
                                     tr("Text String on 'Out of WEP' :")};
    for (int i = 0; i < 3; ++i) {
        wepTexts_[i] = named<QLineEdit>(QStringLiteral("Edit%1").arg(24 + i), wep);
        wepTexts_[i]->setMaxLength(PlaneRecord::WepTextWidth);
        textForm->addRow(textCaptions[i], wepTexts_[i]);
        app::bindText(document_, wepTexts_[i], app::StoreOn::Typing, planeField(QString(), wepTexts_[i], tr("WEP text")),
                      [this, i](DataFile &file, const QString &text) {
                          PlaneRecord(file, document_.selection().CurrentPlane).setWepText(PlaneRecord::WepText(i), text);
                      });
    }
    wepColumn->addLayout(textForm);
    wepColumn->addWidget(new QLabel(tr("WEP Times sec:"), wep));
    auto *timeRow = new QHBoxLayout;
    const QString timeCaptions[3] = {tr("WEP Fuel"), tr("WEP Overheet"),
                                     tr("WEP Cooling")};
    for (int i = 0; i < 3; ++i) {
        wepTimes_[i] = named<QLineEdit>(QStringLiteral("Edit%1").arg(27 + i), wep);
        wepTimes_[i]->setFixedWidth(70);
        timeRow->addWidget(new QLabel(timeCaptions[i], wep));
        timeRow->addWidget(wepTimes_[i]);
        app::bindNumber(document_, wepTimes_[i], app::StoreOn::Typing, planeField(tr("WEP time"), wepTimes_[i]),
                        [this, i](DataFile &file, double seconds) {
                            PlaneRecord(file, document_.selection().CurrentPlane)
                                .setWepTimeSeconds(PlaneRecord::WepTime(i), seconds);
                        });
    }
    timeRow->addStretch();
    wepColumn->addLayout(timeRow);

    label86_ = new QLabel(tr("Current pos:"), this);
    label86_->setObjectName(QStringLiteral("Label86"));

    auto *columns = new QHBoxLayout(this);
    auto *gridColumn = new QVBoxLayout;
    gridColumn->addWidget(stringGrid4_, 1);
    gridColumn->addWidget(label86_);
    columns->addLayout(gridColumn);
    auto *fields = new QVBoxLayout;
    fields->addWidget(matrix);
    fields->addWidget(wep);
    fields->addStretch();
    columns->addLayout(fields, 1);

    connectHandler(document_, upDown2_, &QSpinBox::valueChanged, this, &EngineWepPage::Edit21Change);
    connectHandler(document_, upDown3_, &QSpinBox::valueChanged, this, &EngineWepPage::Edit22Change);
    app::bindNumber(document_, edit23_, app::StoreOn::Typing, planeField(tr("Unknown engine parameter"), edit23_),
                    [this](DataFile &file, double value) {
                        PlaneRecord(file, document_.selection().CurrentPlane)
                            .setNumber(PlaneRecord::ExtraEngineParameterOffset, value);
                    });
    connectHandler(document_, stringGrid4_, &NumberGridView::cellSelected, this, &EngineWepPage::StringGrid4SelectCell);
}

void EngineWepPage::showPlane()
{
    PlaneRecord record(document_.file(), document_.selection().CurrentPlane);
    const bool exists = record.exists();
    model_->setActive(exists);
    model_->reload();
    setEnabled(exists);
    for (QLineEdit *field : {edit23_, wepTimes_[0], wepTimes_[1], wepTimes_[2]})
        app::markInput(document_, field, {});
    if (!exists) {
        for (QLineEdit *edit : {edit23_, wepTexts_[0], wepTexts_[1], wepTexts_[2], wepTimes_[0], wepTimes_[1], wepTimes_[2]})
            showText(edit, QString());
        // The counts show blank too: 0 is below their range and shows the special (empty) text.
        for (QSpinBox *spin : {upDown2_, upDown3_}) {
            const QSignalBlocker blocker(spin);
            spin->setSpecialValueText(QStringLiteral(" "));
            spin->setMinimum(0);
            spin->setValue(0);
        }
        label68_->clear();
        return;
    }
    for (QSpinBox *spin : {upDown2_, upDown3_}) {
        const QSignalBlocker blocker(spin);
        spin->setMinimum(1);
        spin->setSpecialValueText(QString());
    }
    const QChar separator = document_.decimalSeparator();
    showValue(upDown3_, record.speedPointCount());
    showValue(upDown2_, record.altitudeRowCount());
    label68_->setText(tr("I.e. : ") + QString::number(PlaneRecord::WepPowerStepMetres * upDown2_->value())
                      + tr(" m"));
    showText(edit23_, datafile::formatNumber(record.extraEngineParameter(), separator));
    for (int i = 0; i < 3; ++i) {
        showText(wepTexts_[i], record.wepText(PlaneRecord::WepText(i)));
        showText(wepTimes_[i], QString::number(PlaneRecord::wepSecondsShown(record.wepTimeMs(PlaneRecord::WepTime(i)))));
    }
}

void EngineWepPage::Edit21Change()
{
    if (document_.refreshing())
        return;
    const int rows = upDown2_->value();
    document_.edit(tr("Altitude rows"), app::MergeKey::forPlane(QStringLiteral("Edit21"), document_.selection().CurrentPlane), [&] {
        PlaneRecord(document_.file(), document_.selection().CurrentPlane).setAltitudeRowCount(rows);
    });
    document_.Update3();
}

void EngineWepPage::Edit22Change()
{
    if (document_.refreshing())
        return;
    const int points = upDown3_->value();
    document_.edit(tr("Speed points"), app::MergeKey::forPlane(QStringLiteral("Edit22"), document_.selection().CurrentPlane), [&] {
        PlaneRecord(document_.file(), document_.selection().CurrentPlane).setSpeedPointCount(points);
    });
    document_.Update3();
}

app::BoundField EngineWepPage::planeField(const QString &caption, QLineEdit *edit, const QString &undoName)
{
    // Keystrokes in one field of one plane make one undo step.
    const QString name = edit->objectName();
    return {caption, {}, [this, name] { return app::MergeKey::forPlane(name, document_.selection().CurrentPlane); },
            undoName};
}

void EngineWepPage::StringGrid4SelectCell(int col, int row)
{
    label86_->setText(tr("Current pos:") + QString::number(100 * (col - 1) + row));
}

} // namespace vw::flightmodel
