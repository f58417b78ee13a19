#include "misc_page.h"

#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "ui/common/prompter_dialog.h"
#include "core/workspace/settings.h"
#include "core/workspace/workspace.h"
#include "core/datafile/number_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace vw::app {

namespace {
// editor.ini keeps one value a line: a path with a line break cannot be stored.
bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// Typed or pasted text with a line break is not taken.
void refuseLineBreaks(QLineEdit *edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\\r\\n]*")), edit));
}
} // namespace

MiscPage::MiscPage(EditorDocument &document, const QString &baseDirectory, QWidget *parent)
    : QWidget(parent), document_(document), baseDirectory_(baseDirectory)
{
    auto *columns = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    columns->addLayout(left, 1);
    operations_ = new QVBoxLayout;
    columns->addLayout(operations_, 1);

    auto *summary = new QGroupBox(tr("Summary"), this);
    auto *summaryForm = new QFormLayout(summary);
    edit15_ = named<QLineEdit>("Edit15", summary);
    edit16_ = named<QLineEdit>("Edit16", summary);
    edit15_->setToolTip(tr("The version word decides the cipher of the next save (273: keyed)."));
    edit16_->setToolTip(tr("Planes in the file, -1 to 254."));
    summaryForm->addRow(tr("File Version:"), edit15_);
    summaryForm->addRow(tr("Number of Planes:"), edit16_);
    edit35_ = named<QLineEdit>("Edit35", summary);
    edit36_ = named<QLineEdit>("Edit36", summary);
    edit35_->setEnabled(false);
    edit36_->setEnabled(false);
    summaryForm->addRow(tr("Weapons block start:"), edit35_);
    summaryForm->addRow(tr("Damage map start:"), edit36_);
    left->addWidget(summary);

    auto *layoutBox = new QGroupBox(tr("Type of Misc.bin"), this);
    layoutBox->setObjectName(QStringLiteral("RadioGroup2"));
    auto *layoutColumn = new QVBoxLayout(layoutBox);
    layoutGroup_ = new QButtonGroup(this);
    const QStringList items = {tr("1 - Original format"), tr("2 - Openhall plane format (128)"),
                               tr("3 - Openhall plane format (256)")};
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], layoutBox);
        button->setObjectName(QStringLiteral("RadioGroup2Item%1").arg(i));
        layoutGroup_->addButton(button, i);
        layoutColumn->addWidget(button);
    }
    left->addWidget(layoutBox);

    auto *workspace = new QGroupBox(tr("Workspace"), this);
    auto *grid = new QGridLayout(workspace);
    grid->addWidget(new QLabel(tr("Working Directory (path to misc.bin):"), workspace), 0, 0, 1, 2);
    edit17_ = named<QLineEdit>("Edit17", workspace);
    speedButton3_ = new QToolButton(workspace);
    speedButton3_->setObjectName(QStringLiteral("SpeedButton3"));
    speedButton3_->setText(QStringLiteral("..."));
    grid->addWidget(edit17_, 1, 0);
    grid->addWidget(speedButton3_, 1, 1);
    checkBox3_ = new QCheckBox(tr("Get default path from editor directory"), workspace);
    checkBox3_->setObjectName(QStringLiteral("CheckBox3"));
    grid->addWidget(checkBox3_, 2, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Override defalut laucher (path to exe):"), workspace), 3, 0, 1, 2);
    edit37_ = named<QLineEdit>("Edit37", workspace);
    speedButton11_ = new QToolButton(workspace);
    speedButton11_->setObjectName(QStringLiteral("SpeedButton11"));
    speedButton11_->setText(QStringLiteral("..."));
    grid->addWidget(edit37_, 4, 0);
    grid->addWidget(speedButton11_, 4, 1);
    auto *separatorRow = new QHBoxLayout;
    separatorRow->addWidget(new QLabel(tr("Decimal separator"), workspace));
    edit40_ = named<QLineEdit>("Edit40", workspace);
    edit40_->setMaxLength(1);
    edit40_->setFixedWidth(30);
    separatorRow->addWidget(edit40_);
    separatorRow->addStretch();
    grid->addLayout(separatorRow, 5, 0, 1, 2);
    left->addWidget(workspace);
    left->addStretch();
    operations_->addStretch();

    connectHandler(document_, edit15_, &QLineEdit::textEdited, this, &MiscPage::Edit15Change);
    connectHandler(document_, edit16_, &QLineEdit::textEdited, this, &MiscPage::Edit16Change);
    connectHandler(document_, layoutGroup_, &QButtonGroup::idClicked, this, &MiscPage::RadioGroup2Click);
    connectHandler(document_, speedButton3_, &QToolButton::clicked, this, &MiscPage::SpeedButton3Click);
    connectHandler(document_, speedButton11_, &QToolButton::clicked, this, &MiscPage::SpeedButton11Click);
    connectHandler(document_, checkBox3_, &QCheckBox::clicked, this, &MiscPage::CheckBox3Click);
    connectHandler(document_, edit40_, &QLineEdit::textChanged, this, &MiscPage::Edit40Change);
    refuseLineBreaks(edit17_);
    refuseLineBreaks(edit37_);
    // Undo and redo may change the header values.
    connect(&document_, &EditorDocument::historyReplayed, this, &MiscPage::showFileSummary);
}

void MiscPage::applySettings(const EditorSettings &settings)
{
    edit17_->setText(settings.dataPath);
    edit37_->setText(settings.launcherPath);
    checkBox3_->setChecked(settings.defaultPath);
    edit40_->setText(settings.decimalSeparator.left(1));
    document_.setDecimalSeparator(edit40_->text().isEmpty() ? QLatin1Char('.') : edit40_->text().at(0));
}

void MiscPage::storeSettings(EditorSettings &settings) const
{
    settings.dataPath = edit17_->text();
    settings.launcherPath = edit37_->text();
    settings.defaultPath = checkBox3_->isChecked();
    settings.decimalSeparator = edit40_->text().left(1);
}

QString MiscPage::dataPath() const
{
    return edit17_->text();
}

void MiscPage::setDataPath(const QString &path)
{
    edit17_->setText(path);
}

QString MiscPage::launcherPath() const
{
    return edit37_->text();
}

bool MiscPage::defaultPathChecked() const
{
    return checkBox3_->isChecked();
}

void MiscPage::showFileSummary()
{
    const datafile::DataFile &file = document_.file();
    // The fields keep what the user typed while it still means the same value.
    if (datafile::readInteger(edit15_->text(), 0) != file.FileVersion() || edit15_->text().isEmpty())
        edit15_->setText(QString::number(file.FileVersion()));
    if (datafile::readInteger(edit16_->text(), 63) != file.PlaneCount() || edit16_->text().isEmpty())
        edit16_->setText(QString::number(file.PlaneCount()));
    if (QAbstractButton *button = layoutGroup_->button(file.FileLayout()))
        button->setChecked(true);
}

void MiscPage::showPlane()
{
    const int plane = document_.selection().CurrentPlane;
    const datafile::DataFile &file = document_.file();
    edit35_->setText(file.hasRecord(plane) ? QString::number(file.WeaponsBlockStart(plane))
                                           : tr("no plane record"));
    edit36_->setText(file.hasDamageMap(plane) ? QString::number(file.DamageMapStart(plane))
                                              : tr("no damage map"));
}

void MiscPage::Edit15Change(const QString &text)
{
    const int version = int(std::clamp<qint64>(datafile::readInteger(text, 0), INT_MIN, INT_MAX));
    if (document_.edit(tr("File Version"), MergeKey::forFile(QStringLiteral("Edit15")),
                       [&] { document_.file().setFileVersion(version); }))
        markInput(document_, edit15_, integerInputProblem(tr("File Version"), text, version));
    if (version < 0 || version > 65535)
        document_.showStatus(tr("File Version %1 cannot be saved: the header holds 0 to 65535.").arg(version));
}

void MiscPage::Edit16Change(const QString &text)
{
    const int count = int(std::clamp<qint64>(datafile::readInteger(text, 63), INT_MIN, INT_MAX));
    if (document_.edit(tr("Number of Planes"), MergeKey::forFile(QStringLiteral("Edit16")),
                       [&] { document_.file().setPlaneCount(count); }))
        markInput(document_, edit16_, integerInputProblem(tr("Number of Planes"), text, count));
    document_.UpdateList1();
    if (count < -1 || count > datafile::MaxPlaneCount)
        document_.showStatus(tr("Number of Planes %1 cannot be saved: the header holds -1 to 254.").arg(count));
}

void MiscPage::RadioGroup2Click(int index)
{
    document_.edit(tr("Type of Misc.bin"), MergeKey::none(), [&] { document_.file().setFileLayout(index); });
}

void MiscPage::SpeedButton3Click()
{
    const QString chosen = document_.prompter().openFileName(this, app::configDialogTitle(), baseDirectory_, edit17_->text(),
                                                            app::configDialogFilter());
    if (chosen.isEmpty() || !storablePath(chosen))
        return;
    edit17_->setText(chosen);
    checkBox3_->setChecked(false);
}

void MiscPage::SpeedButton11Click()
{
    const QString chosen = document_.prompter().openFileName(this, tr("Выберите запускаемый файл"),
                                                            baseDirectory_, edit37_->text(),
                                                            tr("Программы | *.exe"));
    if (!chosen.isEmpty() && storablePath(chosen))
        edit37_->setText(chosen);
}

bool MiscPage::storablePath(const QString &path)
{
    if (!hasLineBreak(path))
        return true;
    document_.prompter().error(this, tr("The name %1 contains a line break. editor.ini keeps one value a line, so "
                                        "this path cannot be stored; rename the file or its folder.")
                                         .arg(QDir::toNativeSeparators(path)));
    return false;
}

void MiscPage::CheckBox3Click(bool checked)
{
    if (checked)
        edit17_->setText(defaultDataPath(baseDirectory_));
}

void MiscPage::Edit40Change(const QString &text)
{
    if (text.isEmpty()) {
        edit40_->setText(QStringLiteral(".")); // runs this handler again with "."
        return;
    }
    if (text.at(0) == document_.decimalSeparator())
        return;
    if (!isUsableDecimalSeparator(text.at(0))) {
        // A digit, sign or letter would turn a number's shown text into another
        // number when it is typed back ("0" + "1" + "458" is 01458).
        document_.showStatus(tr("\"%1\" cannot be the decimal separator: a digit, a sign, a letter or a blank would "
                                "change the numbers typed back.")
                                 .arg(text.at(0)));
        edit40_->setText(QString(document_.decimalSeparator())); // runs this handler again, which keeps it
        return;
    }
    document_.setDecimalSeparator(text.at(0));
    // Numbers on every page are shown again with the new separator; showing writes nothing.
    document_.Update3();
}

} // namespace vw::app
