#include "overview_chart.h"

#include "planes_overview.h"

#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"
#include "ui/common/editor_document.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vw::app {

namespace {

QString planeName(const datafile::DataFile &file, int plane)
{
    const flightmodel::PlaneHeaderView header(file, plane);
    const QString name = header.exists() ? header.text(flightmodel::HeaderText::Name) : QString();
    return name.isEmpty() ? QString::number(plane) : name;
}

// The value of a numeric column on a plane; none for a text or a part the plane lacks.
std::optional<double> numberAt(const PlanesOverviewModel &model, int plane, int column)
{
    const QVariant v = model.index(plane - 1, column).data(PlanesOverviewModel::SortRole);
    if (v.typeId() != QMetaType::Double && v.typeId() != QMetaType::Int)
        return std::nullopt;
    const double d = v.toDouble();
    return std::isfinite(d) ? std::optional<double>(d) : std::nullopt;
}

} // namespace

OverviewChart::OverviewChart(EditorDocument &document, PlanesOverviewModel &model, std::function<QList<int>()> chosen,
                             QWidget *parent)
    : QWidget(parent), document_(document), model_(model), chosen_(std::move(chosen)), view_(new QChartView),
      kind_(new QComboBox), first_(new QComboBox), second_(new QComboBox), altitude_(new QSpinBox),
      axis_(new QComboBox)
{
    view_->setObjectName(QStringLiteral("OverviewChartView"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumHeight(220);
    kind_->setObjectName(QStringLiteral("ChartKind"));
    kind_->addItems({tr("Bars of one column"), tr("Scatter of two columns"), tr("Engine power of the chosen planes"),
                     tr("Handling of the chosen planes")});
    axis_->setObjectName(QStringLiteral("ChartHandlingAxis"));
    axis_->addItems({tr("Pitch"), tr("Yaw"), tr("Roll")});
    first_->setObjectName(QStringLiteral("ChartColumn"));
    second_->setObjectName(QStringLiteral("ChartSecondColumn"));
    for (QComboBox *box : {kind_, first_, second_}) {
        // Long labels shorten rather than push the buttons out of the dock.
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(box == kind_ ? 20 : 10);
    }
    altitude_->setObjectName(QStringLiteral("ChartAltitudeRow"));
    altitude_->setRange(1, flightmodel::PlaneRecordView::MatrixRows);
    altitude_->setPrefix(tr("Altitude row "));
    auto *save = new QPushButton(tr("&Save chart..."));
    save->setObjectName(QStringLiteral("SaveChart"));
    auto *copy = new QPushButton(tr("Cop&y chart"));
    copy->setObjectName(QStringLiteral("CopyChart"));

    auto *controls = new QHBoxLayout;
    controls->addWidget(kind_);
    controls->addWidget(first_, 1);
    controls->addWidget(second_, 1);
    controls->addWidget(altitude_);
    controls->addWidget(axis_);
    controls->addWidget(save);
    controls->addWidget(copy);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(controls);
    layout->addWidget(view_, 1);

    const auto changed = [this] { rebuild(); };
    connect(kind_, &QComboBox::currentIndexChanged, this, changed);
    connect(first_, &QComboBox::currentIndexChanged, this, changed);
    connect(second_, &QComboBox::currentIndexChanged, this, changed);
    connect(altitude_, &QSpinBox::valueChanged, this, changed);
    connect(axis_, &QComboBox::currentIndexChanged, this, changed);
    connect(save, &QPushButton::clicked, this, &OverviewChart::saveAs);
    connect(copy, &QPushButton::clicked, this, &OverviewChart::copyToClipboard);
    // The chart follows every edit, undo and redo, as the table does.
    connect(&model_, &QAbstractItemModel::dataChanged, this, &OverviewChart::rebuild);
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] {
        fillColumnChoices();
        rebuild();
    });
    fillColumnChoices();
    redraw();
}

void OverviewChart::fillColumnChoices()
{
    const QSignalBlocker a(first_), b(second_);
    const int first = std::max(first_->currentIndex(), 0), second = std::max(second_->currentIndex(), 0);
    first_->clear();
    second_->clear();
    for (const OverviewColumn &c : model_.columns()) {
        first_->addItem(c.title);
        second_->addItem(c.title);
    }
    // By default the first two columns of measures (doubles), as base weight and climb speed.
    QList<int> numeric;
    for (int c = 0; c < int(model_.columns().size()); ++c) {
        const OverviewColumn &column = model_.columns()[std::size_t(c)];
        if (column.isTimeOfFlight() || column.leaf->kind == fields::Kind::Number)
            numeric << c;
    }
    first_->setCurrentIndex(first < first_->count() && first > 0 ? first : numeric.value(0, 0));
    second_->setCurrentIndex(second < second_->count() && second > 0 ? second : numeric.value(1, 0));
}

void OverviewChart::setKind(Kind kind) { kind_->setCurrentIndex(kind); }

void OverviewChart::setColumns(int first, int second)
{
    first_->setCurrentIndex(first - 1);
    second_->setCurrentIndex(second - 1);
}

void OverviewChart::setAltitudeRow(int row) { altitude_->setValue(row); }

void OverviewChart::setAxis(int axis) { axis_->setCurrentIndex(axis); }

QChart *OverviewChart::chart() const { return view_->chart(); }

void OverviewChart::rebuild()
{
    // A chart out of sight is drawn when it is shown.
    dirty_ = !isVisible();
    if (!dirty_)
        redraw();
}

void OverviewChart::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (dirty_)
        redraw();
    dirty_ = false;
}

void OverviewChart::redraw()
{
    // Bars of the same column: only the values, the order and the mark change.
    if (kind_->currentIndex() == Bars && bars_ && barsColumn_ == first_->currentIndex() + 1 && document_.isLoaded()
        && updateBars())
        return;
    bars_ = nullptr;
    categories_ = nullptr;
    barsColumn_ = -1;
    auto *chart = new QChart;
    chart->setObjectName(QStringLiteral("OverviewChart"));
    const int kind = kind_->currentIndex();
    second_->setVisible(kind == Scatter);
    first_->setVisible(kind == Bars || kind == Scatter);
    altitude_->setVisible(kind == PowerCurves);
    axis_->setVisible(kind == HandlingCurves);
    if (document_.isLoaded() && model_.rowCount() > 0) {
        if (kind == Bars)
            rebuildBars(chart);
        else if (kind == Scatter)
            rebuildScatter(chart);
        else if (kind == PowerCurves)
            rebuildPowerCurves(chart);
        else
            rebuildHandlingCurves(chart);
    }
    QChart *old = view_->chart();
    view_->setChart(chart);
    delete old;
}

QList<OverviewChart::Bar> OverviewChart::sortedBars() const
{
    const int column = first_->currentIndex() + 1;
    QList<Bar> bars;
    for (int p = 1; p <= model_.rowCount(); ++p)
        if (const std::optional<double> v = numberAt(model_, p, column))
            bars.append({p, *v});
    std::stable_sort(bars.begin(), bars.end(), [](const Bar &a, const Bar &b) { return a.value > b.value; });
    return bars;
}

void OverviewChart::markCurrent(const QList<Bar> &bars)
{
    bars_->deselectAllBars();
    for (qsizetype i = 0; i < bars.size(); ++i)
        if (bars[i].plane == document_.selection().CurrentPlane)
            bars_->selectBar(int(i));
}

bool OverviewChart::updateBars()
{
    const QList<Bar> bars = sortedBars();
    if (bars.size() != bars_->count())
        return false;
    QStringList names;
    for (qsizetype i = 0; i < bars.size(); ++i) {
        if (bars_->at(int(i)) != bars[i].value)
            bars_->replace(int(i), bars[i].value);
        names << planeName(document_.file(), bars[i].plane);
    }
    if (names != categories_->categories())
        categories_->setCategories(names);
    markCurrent(bars);
    fitValues(bars);
    return true;
}

void OverviewChart::fitValues(const QList<Bar> &bars)
{
    double low = 0, high = 0;
    for (const Bar &bar : bars) {
        low = std::min(low, bar.value);
        high = std::max(high, bar.value);
    }
    values_->setRange(low, high > low ? high : low + 1);
    values_->applyNiceNumbers();
}

void OverviewChart::rebuildBars(QChart *chart)
{
    const QList<Bar> bars = sortedBars();
    bars_ = new QBarSet(first_->currentText());
    bars_->setObjectName(QStringLiteral("OverviewBars"));
    bars_->setSelectedColor(QColor(0xd9, 0x48, 0x1c)); // the current plane
    QStringList names;
    for (const Bar &bar : bars) {
        bars_->append(bar.value);
        names << planeName(document_.file(), bar.plane);
    }
    markCurrent(bars);
    barsColumn_ = first_->currentIndex() + 1;
    auto *series = new QBarSeries;
    series->append(bars_);
    chart->addSeries(series);
    categories_ = new QBarCategoryAxis;
    categories_->append(names);
    categories_->setLabelsAngle(-90);
    categories_->setLabelsVisible(names.size() <= 60);
    chart->addAxis(categories_, Qt::AlignBottom);
    series->attachAxis(categories_);
    values_ = new QValueAxis;
    chart->addAxis(values_, Qt::AlignLeft);
    series->attachAxis(values_);
    fitValues(bars);
    chart->legend()->hide();
    chart->setTitle(tr("%1, every plane (the current plane highlighted)").arg(first_->currentText()));
}

void OverviewChart::rebuildScatter(QChart *chart)
{
    const int xColumn = first_->currentIndex() + 1, yColumn = second_->currentIndex() + 1;
    auto *planes = new QScatterSeries;
    planes->setName(tr("planes"));
    planes->setMarkerSize(9);
    auto *current = new QScatterSeries;
    current->setName(tr("current plane"));
    current->setMarkerSize(14);
    current->setColor(QColor(0xd9, 0x48, 0x1c));
    QHash<QPair<double, double>, QStringList> names;
    for (int p = 1; p <= model_.rowCount(); ++p) {
        const std::optional<double> x = numberAt(model_, p, xColumn), y = numberAt(model_, p, yColumn);
        if (!x || !y)
            continue;
        (p == document_.selection().CurrentPlane ? current : planes)->append(*x, *y);
        names[{*x, *y}] << planeName(document_.file(), p);
    }
    for (QScatterSeries *s : {planes, current}) {
        chart->addSeries(s);
        connect(s, &QScatterSeries::hovered, this, [this, names](const QPointF &point, bool state) {
            if (state)
                QToolTip::showText(QCursor::pos(), names.value({point.x(), point.y()}).join(QLatin1Char('\n')), view_);
            else
                QToolTip::hideText();
        });
    }
    chart->createDefaultAxes();
    const auto axes = chart->axes();
    for (QAbstractAxis *axis : axes) {
        axis->setTitleText(axis->orientation() == Qt::Horizontal ? first_->currentText() : second_->currentText());
        if (auto *values = qobject_cast<QValueAxis *>(axis))
            values->applyNiceNumbers(); // no point on the frame
    }
    chart->setTitle(tr("%1 against %2").arg(second_->currentText(), first_->currentText()));
}

QList<int> OverviewChart::curvePlanes() const
{
    QList<int> planes = chosen_ ? chosen_() : QList<int>();
    if (planes.isEmpty())
        planes << document_.selection().CurrentPlane;
    return planes;
}

void OverviewChart::rebuildHandlingCurves(QChart *chart)
{
    using R = flightmodel::PlaneRecordView;
    const auto axis = R::Axis(axis_->currentIndex());
    for (int p : curvePlanes()) {
        const R record(document_.file(), p);
        if (!record.exists())
            continue;
        auto *curve = new QLineSeries;
        curve->setName(planeName(document_.file(), p));
        for (int j = 0; j < R::HandlingRows; ++j)
            curve->append(R::HandlingStepMph * j, record.number(R::handlingOffset(j, axis)));
        chart->addSeries(curve);
    }
    chart->createDefaultAxes();
    const auto axes = chart->axes();
    for (QAbstractAxis *a : axes)
        a->setTitleText(a->orientation() == Qt::Horizontal ? tr("Speed (mph)") : axis_->currentText());
    chart->setTitle(tr("Handling: %1").arg(axis_->currentText()));
}

void OverviewChart::rebuildPowerCurves(QChart *chart)
{
    const int row = altitude_->value();
    for (int p : curvePlanes()) {
        const flightmodel::PlaneRecordView record(document_.file(), p);
        if (!record.exists())
            continue;
        auto *curve = new QLineSeries;
        curve->setName(planeName(document_.file(), p));
        for (int c = 1; c <= record.speedPointCount(); ++c)
            curve->append(record.speed(c), record.power(c, row));
        curve->setPointsVisible(true);
        chart->addSeries(curve);
    }
    chart->createDefaultAxes();
    const auto axes = chart->axes();
    for (QAbstractAxis *axis : axes)
        axis->setTitleText(axis->orientation() == Qt::Horizontal ? tr("Speed (mph)") : tr("Engine power"));
    chart->setTitle(tr("Engine power at altitude row %1").arg(row));
}

QImage OverviewChart::image() const
{
    QImage image(view_->size().expandedTo(QSize(640, 400)), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    view_->render(&painter, QRectF(image.rect()), view_->rect());
    return image;
}

bool OverviewChart::savePng(const QString &path) const { return image().save(path, "PNG"); }

bool OverviewChart::saveSvg(const QString &path) const
{
    const QSize size = view_->size().expandedTo(QSize(640, 400));
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(chart()->title());
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    view_->render(&painter, QRectF(QPointF(0, 0), size), view_->rect());
    return painter.end();
}

void OverviewChart::copyToClipboard() const
{
    QGuiApplication::clipboard()->setImage(image());
    document_.showStatus(tr("The chart is on the clipboard."));
}

void OverviewChart::saveAs()
{
    QString filter;
    const QString path = QFileDialog::getSaveFileName(this, tr("Save chart"), QString(),
                                                      tr("PNG image (*.png);;SVG drawing (*.svg)"), &filter);
    if (path.isEmpty())
        return;
    const bool svg = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)
                     || (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) && filter.contains(QLatin1String("svg")));
    if (!(svg ? saveSvg(path) : savePng(path)))
        document_.showError(tr("The chart could not be saved as %1.").arg(path));
    else
        document_.showStatus(tr("Chart saved as %1.").arg(path));
}

} // namespace vw::app
