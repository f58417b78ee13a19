#include "misc_page.h"

#include "app/editor_context.h"
#include "app/prompter_dialog.h"
#include "app/settings.h"
#include "app/workspace.h"
#include "datafile/number_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace vw::app {

namespace {
const QString ConfigFilter = QStringLiteral("Файлы конфигурации | *.bin;*.oh");
const QString ConfigTitle = QStringLiteral("Выберите файл конфигурации");

QLineEdit *namedEdit(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}
} // namespace

MiscPage::MiscPage(EditorContext &context, const QString &baseDirectory, QWidget *parent)
    : QWidget(parent), context_(context), baseDirectory_(baseDirectory)
{
    auto *columns = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    columns->addLayout(left, 1);
    operations_ = new QVBoxLayout;
    columns->addLayout(operations_, 1);

    auto *summary = new QGroupBox(QStringLiteral("Summary"), this);
    auto *summaryForm = new QFormLayout(summary);
    edit15_ = namedEdit("Edit15", summary);
    edit16_ = namedEdit("Edit16", summary);
    edit15_->setToolTip(QStringLiteral("The version word decides the cipher of the next save (273: keyed)."));
    edit16_->setToolTip(QStringLiteral("Planes in the file, -1 to 254."));
    summaryForm->addRow(QStringLiteral("File Version:"), edit15_);
    summaryForm->addRow(QStringLiteral("Number of Planes:"), edit16_);
    edit35_ = namedEdit("Edit35", summary);
    edit36_ = namedEdit("Edit36", summary);
    edit35_->setEnabled(false);
    edit36_->setEnabled(false);
    summaryForm->addRow(QStringLiteral("Weapons block start:"), edit35_);
    summaryForm->addRow(QStringLiteral("Damage map start:"), edit36_);
    left->addWidget(summary);

    auto *layoutBox = new QGroupBox(QStringLiteral("Type of Misc.bin"), this);
    layoutBox->setObjectName(QStringLiteral("RadioGroup2"));
    auto *layoutColumn = new QVBoxLayout(layoutBox);
    layoutGroup_ = new QButtonGroup(this);
    const QStringList items = {QStringLiteral("1 - Original format"), QStringLiteral("2 - Openhall plane format (128)"),
                               QStringLiteral("3 - Openhall plane format (256)")};
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], layoutBox);
        button->setObjectName(QStringLiteral("RadioGroup2Item%1").arg(i));
        layoutGroup_->addButton(button, i);
        layoutColumn->addWidget(button);
    }
    left->addWidget(layoutBox);

    auto *workspace = new QGroupBox(QStringLiteral("Workspace"), this);
    auto *grid = new QGridLayout(workspace);
    grid->addWidget(new QLabel(QStringLiteral("Working Directory (path to misc.bin):"), workspace), 0, 0, 1, 2);
    edit17_ = namedEdit("Edit17", workspace);
    speedButton3_ = new QToolButton(workspace);
    speedButton3_->setObjectName(QStringLiteral("SpeedButton3"));
    speedButton3_->setText(QStringLiteral("..."));
    grid->addWidget(edit17_, 1, 0);
    grid->addWidget(speedButton3_, 1, 1);
    checkBox3_ = new QCheckBox(QStringLiteral("Get default path from editor directory"), workspace);
    checkBox3_->setObjectName(QStringLiteral("CheckBox3"));
    grid->addWidget(checkBox3_, 2, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Override defalut laucher (path to exe):"), workspace), 3, 0, 1, 2);
    edit37_ = namedEdit("Edit37", workspace);
    speedButton11_ = new QToolButton(workspace);
    speedButton11_->setObjectName(QStringLiteral("SpeedButton11"));
    speedButton11_->setText(QStringLiteral("..."));
    grid->addWidget(edit37_, 4, 0);
    grid->addWidget(speedButton11_, 4, 1);
    auto *separatorRow = new QHBoxLayout;
    separatorRow->addWidget(new QLabel(QStringLiteral("Decimal separator"), workspace));
    edit40_ = namedEdit("Edit40", workspace);
    edit40_->setMaxLength(1);
    edit40_->setFixedWidth(30);
    separatorRow->addWidget(edit40_);
    separatorRow->addStretch();
    grid->addLayout(separatorRow, 5, 0, 1, 2);
    left->addWidget(workspace);
    left->addStretch();
    operations_->addStretch();

    connect(edit15_, &QLineEdit::textEdited, this, &MiscPage::Edit15Change);
    connect(edit16_, &QLineEdit::textEdited, this, &MiscPage::Edit16Change);
    connect(layoutGroup_, &QButtonGroup::idClicked, this, &MiscPage::RadioGroup2Click);
    connect(speedButton3_, &QToolButton::clicked, this, &MiscPage::SpeedButton3Click);
    connect(speedButton11_, &QToolButton::clicked, this, &MiscPage::SpeedButton11Click);
    connect(checkBox3_, &QCheckBox::clicked, this, &MiscPage::CheckBox3Click);
    connect(edit40_, &QLineEdit::textChanged, this, &MiscPage::Edit40Change);
}

void MiscPage::applySettings(const EditorSettings &settings)
{
    edit17_->setText(settings.dataPath);
    edit37_->setText(settings.launcherPath);
    checkBox3_->setChecked(settings.defaultPath);
    edit40_->setText(settings.decimalSeparator.left(1));
    separator_ = edit40_->text().isEmpty() ? QLatin1Char('.') : edit40_->text().at(0);
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
    const datafile::DataFile &file = context_.file();
    // The fields keep what the user typed while it still means the same value.
    if (datafile::readInteger(edit15_->text(), 0) != file.FileVersion() || edit15_->text().isEmpty())
        edit15_->setText(QString::number(file.FileVersion()));
    if (datafile::readInteger(edit16_->text(), 63) != file.PlaneCount() || edit16_->text().isEmpty())
        edit16_->setText(QString::number(file.PlaneCount()));
    if (QAbstractButton *button = layoutGroup_->button(file.FileLayout()))
        button->setChecked(true);
}

void MiscPage::showPlaneOffsets(int plane)
{
    const datafile::DataFile &file = context_.file();
    edit35_->setText(file.hasRecord(plane) ? QString::number(file.WeaponsBlockStart(plane))
                                           : QStringLiteral("no plane record"));
    edit36_->setText(file.hasDamageMap(plane) ? QString::number(file.DamageMapStart(plane))
                                              : QStringLiteral("no damage map"));
}

void MiscPage::Edit15Change(const QString &text)
{
    const int version = int(std::clamp<qint64>(datafile::readInteger(text, 0), INT_MIN, INT_MAX));
    context_.edit(QStringLiteral("File Version"), QStringLiteral("Edit15"),
                  [&] { context_.file().setFileVersion(version); });
    if (version < 0 || version > 65535)
        context_.showStatus(QStringLiteral("File Version %1 cannot be saved: the header holds 0 to 65535.").arg(version));
}

void MiscPage::Edit16Change(const QString &text)
{
    const int count = int(std::clamp<qint64>(datafile::readInteger(text, 63), INT_MIN, INT_MAX));
    context_.edit(QStringLiteral("Number of Planes"), QStringLiteral("Edit16"),
                  [&] { context_.file().setPlaneCount(count); });
    context_.UpdateList1();
    if (count < -1 || count > datafile::MaxPlaneCount)
        context_.showStatus(QStringLiteral("Number of Planes %1 cannot be saved: the header holds -1 to 254.").arg(count));
}

void MiscPage::RadioGroup2Click(int index)
{
    context_.edit(QStringLiteral("Type of Misc.bin"), QString(), [&] { context_.file().setFileLayout(index); });
}

void MiscPage::SpeedButton3Click()
{
    const QString chosen = context_.prompter().openFileName(this, ConfigTitle, baseDirectory_, edit17_->text(),
                                                            ConfigFilter);
    if (chosen.isEmpty())
        return;
    edit17_->setText(chosen);
    checkBox3_->setChecked(false);
}

void MiscPage::SpeedButton11Click()
{
    const QString chosen = context_.prompter().openFileName(this, QStringLiteral("Выберите запускаемый файл"),
                                                            baseDirectory_, edit37_->text(),
                                                            QStringLiteral("Программы | *.exe"));
    if (!chosen.isEmpty())
        edit37_->setText(chosen);
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
    if (text.at(0) == separator_)
        return;
    separator_ = text.at(0);
    // Numbers on every page are shown again with the new separator; showing writes nothing.
    context_.Update3();
}

} // namespace vw::app
