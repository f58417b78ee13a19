#include "plane_reports_widget.h"

#include "ui/common/editor_document.h"
#include "ui/misc/format_operations_widget.h"
#include "ui/common/page_support.h"
#include "core/operations/plane_reports.h"
#include "core/workspace/workspace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vw::app {

namespace {
const QString EditorFolderPrefix = QStringLiteral("editor/");
} // namespace

PlaneReportsWidget::PlaneReportsWidget(EditorDocument &document, const QString &baseDirectory,
                                       QWidget *parent)
    : QWidget(parent), document_(document), baseDirectory_(baseDirectory)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto *group = new QGroupBox(tr("Plane list"), this);
    auto *grid = new QGridLayout(group);

    const auto option = [group](const char *name, const QString &caption) {
        return named<QRadioButton>(name, caption, group);
    };
    radioButton1_ = option("RadioButton1", tr("With sound directories"));
    radioButton2_ = option("RadioButton2", tr("With fuel"));
    radioButton3_ = option("RadioButton3", tr("With weight"));
    radioButton4_ = option("RadioButton4", tr("With climb speed"));
    radioButton5_ = option("RadioButton5", tr("With DM counts"));
    // None is checked at start, and the user can clear the one checked.
    options_ = new QButtonGroup(this);
    options_->setExclusive(false);
    for (QRadioButton *button : {radioButton1_, radioButton2_, radioButton3_, radioButton4_, radioButton5_})
        options_->addButton(button);
    checkBox5_ = named<QCheckBox>("CheckBox5", group);
    checkBox5_->setText(tr("HTML"));
    checkBox5_->setToolTip(tr("Time of flight as HTML table rows (with \"With fuel\")."));

    // Captions that wrap, so that the two buttons fit the Misc page's column in every language.
    auto *button13 = new WrappingButton(tr("Generate Plane list"), group);
    button13->setObjectName(QStringLiteral("Button13"));
    button13->setToolTip(tr("Writes planes.txt, or editor\\planes.txt for the figures and counts."));
    auto *button28 = new WrappingButton(tr("Correct Fuel by Time"), group);
    button28->setObjectName(QStringLiteral("Button28"));
    button28->setToolTip(tr("Sets each plane's fuel consumption so that it reaches the time of flight "
                            "given in editor\\planes-fuel.txt (one number per line, in plane order)."));

    grid->addWidget(radioButton1_, 0, 0);
    grid->addWidget(radioButton2_, 1, 0);
    grid->addWidget(checkBox5_, 1, 1);
    grid->addWidget(radioButton3_, 2, 0);
    grid->addWidget(radioButton4_, 3, 0);
    grid->addWidget(radioButton5_, 4, 0);
    grid->addWidget(button13, 5, 0);
    grid->addWidget(button28, 5, 1);
    column->addWidget(group);

    connect(options_, &QButtonGroup::buttonClicked, this, &PlaneReportsWidget::optionClicked);
    connectHandler(document_, button13, &QPushButton::clicked, this, &PlaneReportsWidget::Button13Click);
    connectHandler(document_, button28, &QPushButton::clicked, this, &PlaneReportsWidget::Button28Click);
}

void PlaneReportsWidget::optionClicked(QAbstractButton *option)
{
    if (!option->isChecked())
        return;
    for (QAbstractButton *other : options_->buttons())
        if (other != option)
            other->setChecked(false);
}

ReportOptions PlaneReportsWidget::options() const
{
    ReportOptions options;
    options.soundDirectories = radioButton1_->isChecked();
    options.fuel = radioButton2_->isChecked();
    options.weight = radioButton3_->isChecked();
    options.climbSpeed = radioButton4_->isChecked();
    options.damageCounts = radioButton5_->isChecked();
    options.html = checkBox5_->isChecked();
    return options;
}

QString PlaneReportsWidget::reportPath() const
{
    const QString name = reportFileName(chooseReport(options()));
    return name.startsWith(EditorFolderPrefix) ? editorFile(baseDirectory_, name.mid(EditorFolderPrefix.size()))
                                               : baseDirectory_ + name;
}

void PlaneReportsWidget::selectLastPlane()
{
    const int planes = std::clamp(document_.file().PlaneCount(), 0, datafile::MaxPlaneCount);
    if (planes > 0)
        document_.makePlaneCurrent(planes);
}

void PlaneReportsWidget::Button13Click()
{
    const PlaneReport report = chooseReport(options());
    const QString path = reportPath();
    writeReportFile(path, planeReport(document_.file(), report, document_.decimalSeparator(),
                                      document_.labels().DamagePartNames));
    // The figures and counts are read plane by plane, which leaves the last one selected.
    if (report != PlaneReport::PlainList && report != PlaneReport::SoundDirectories)
        selectLastPlane();
    document_.showStatus(tr("Plane list written to %1.").arg(QDir::toNativeSeparators(path)));
}

void PlaneReportsWidget::Button28Click()
{
    const QString path = editorFile(baseDirectory_, QStringLiteral("planes-fuel.txt"));
    const QByteArray wantedTimes = readWantedTimesFile(path);
    // The whole file is checked before any plane changes; the error names the file and the line.
    try {
        readWantedTimes(wantedTimes);
    } catch (const datafile::FormatError &e) {
        throw datafile::FileError(path, e.reason());
    }
    FuelCorrection result;
    if (!document_.edit(tr("Correct Fuel by Time"), MergeKey::none(), [&] {
            result = correctFuelByTime(document_.file(), wantedTimes, document_.decimalSeparator());
        }))
        return;
    selectLastPlane();
    const qsizetype changed = result.changedPlanes.size();
    QString text = changed == 1 ? tr("Correct Fuel by Time: fuel consumption changed for 1 plane.")
                                : tr("Correct Fuel by Time: fuel consumption changed for %1 planes.")
                                      .arg(changed);
    if (!result.planesWithoutRecord.isEmpty()) {
        QStringList numbers;
        for (int plane : result.planesWithoutRecord)
            numbers << QString::number(plane);
        text += tr(" No plane record to change for planes %1.").arg(numbers.join(QStringLiteral(", ")));
    }
    document_.showStatus(text);
}

} // namespace vw::app
