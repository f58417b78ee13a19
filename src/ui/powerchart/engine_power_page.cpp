#include "engine_power_page.h"

#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "core/datafile/number_text.h"
#include "ui/common/number_grid_model.h"
#include "ui/common/number_grid_view.h"
#include "ui/powerchart/power_chart_widget.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace vw::powerchart {

using app::connectHandler;
using app::named;

using app::GridCell;
using app::NumberGridModel;
using app::NumberGridView;

namespace {

// StringGrid2DrawCell: the speed row is painted like a header, a button-face
// cell outlined in black, though it stays editable.
class SpeedRowDelegate : public app::LiveEditDelegate {
public:
    using LiveEditDelegate::LiveEditDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (index.row() != 0) {
            LiveEditDelegate::paint(painter, option, index);
            return;
        }
        const QRect cell = option.rect.adjusted(-1, -1, 1, 1);
        painter->save();
        painter->setPen(Qt::black);
        painter->setBrush(option.palette.button());
        painter->drawRect(cell.adjusted(0, 0, -1, -1));
        painter->setPen(option.palette.buttonText().color());
        painter->setFont(option.font);
        painter->drawText(cell.adjusted(4, 3, 0, 0), Qt::AlignLeft | Qt::AlignTop, index.data().toString());
        painter->restore();
    }
};

// The tool buttons show small pictures drawn here.
QIcon picture(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(pixmap);
}

QToolButton *toolButton(const char *name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(false);
    button->setFixedSize(26, 24);
    return button;
}

} // namespace

EnginePowerPage::EnginePowerPage(app::EditorDocument &document, QWidget *parent)
    : QWidget(parent), document_(document)
{
    model_ = new NumberGridModel(
        document, QStringLiteral("StringGrid2"),
        [this](int col, int row) {
            if (col == 0)
                return GridCell::heading(row == 0 ? tr("m/mph")
                                                  : QString::number(PlaneRecord::WepPowerStepMetres * row));
            const PlaneRecord plane = record();
            if (row == 0)
                return PlaneRecord::inMatrix(col, 1) ? GridCell::speed(plane.at(PlaneRecord::speedOffset(col))) : GridCell();
            return PlaneRecord::inMatrix(col, row) ? GridCell::number(plane.at(PlaneRecord::powerOffset(col, row)))
                                                   : GridCell();
        },
        this);
    model_->setFieldNames(tr("Engine Power #1"), [](int col, int row) {
        return row == 0 ? tr("Speed point %1").arg(col)
                        : tr("Power at %1 m, speed point %2").arg(PlaneRecord::WepPowerStepMetres * row).arg(col);
    });
    stringGrid2_ = new NumberGridView(QStringLiteral("StringGrid2"), model_, this);
    stringGrid2_->setItemDelegate(new SpeedRowDelegate(stringGrid2_));
    QFont small(QStringLiteral("Times New Roman"));
    small.setPixelSize(9);
    stringGrid2_->setFont(small);
    stringGrid2_->verticalHeader()->setDefaultSectionSize(18);
    stringGrid2_->freezeHeadings(false, true);
    stringGrid2_->verticalHeader()->setFixedWidth(37);
    stringGrid2_->viewport()->installEventFilter(this);

    image3_ = new PowerChartWidget(this);

    // The black, lowered panel above the grid: the chart and its two tool panels.
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel3"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette black = panel->palette();
    black.setColor(QPalette::Window, Qt::black);
    panel->setPalette(black);
    auto *panelRow = new QHBoxLayout(panel);
    panelRow->setContentsMargins(4, 4, 4, 4);
    panelRow->addWidget(image3_, 0, Qt::AlignTop);
    auto *tools = new QVBoxLayout;
    panelRow->addLayout(tools);
    panelRow->addStretch();

    auto *topTools = new QHBoxLayout;
    speedButton4_ = toolButton("SpeedButton4", panel);
    speedButton4_->setIcon(picture([](QPainter &p) {
        p.setBrush(QColor(0x00, 0xAF, 0x00));
        p.drawPolygon(QPolygonF({QPointF(8, 2), QPointF(14, 13), QPointF(2, 13)}));
    }));
    speedButton5_ = toolButton("SpeedButton5", panel);
    speedButton5_->setIcon(picture([](QPainter &p) {
        p.setBrush(QColor(0xD0, 0x20, 0x20));
        p.drawPolygon(QPolygonF({QPointF(2, 3), QPointF(14, 3), QPointF(8, 14)}));
    }));
    speedButton6_ = toolButton("SpeedButton6", panel);
    speedButton6_->setText(scopeCaption(Scope::LeftRight));
    speedButton6_->setFixedWidth(36);
    speedButton12_ = toolButton("SpeedButton12", panel);
    speedButton12_->setCheckable(true);
    speedButton12_->setChecked(true);
    speedButton12_->setIcon(picture([](QPainter &p) {
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(2, 14, 2, 2);
        p.drawLine(2, 14, 14, 14);
        p.setPen(QPen(QColor(0x00, 0xAF, 0x00), 2));
        p.drawPolyline(QPolygonF({QPointF(4, 12), QPointF(8, 6), QPointF(13, 3)}));
    }));
    speedButton4_->setToolTip(tr("Raise the cells the scope button names (also the mouse wheel up over the grid)"));
    speedButton5_->setToolTip(tr("Lower the cells the scope button names (also the mouse wheel down over the grid)"));
    speedButton6_->setToolTip(tr("Scope of raise and lower, click for the next:\n"
                                 "L-R: raise or lower the whole row\nU-D: the whole column\n"
                                 "-1+: the current cell\n-2+, -4+, -6+: the cell and its neighbours in the row\n"
                                 "SEL: every selected cell"));
    speedButton12_->setToolTip(tr("Chart mode: down shows power over altitude, up power over speed"));
    for (QToolButton *b : {speedButton4_, speedButton5_, speedButton6_, speedButton12_})
        topTools->addWidget(b);
    tools->addLayout(topTools);
    tools->addStretch();

    auto *bottomTools = new QHBoxLayout;
    speedButton13_ = toolButton("SpeedButton13", panel);
    speedButton13_->setToolTip(tr("Очистить контрольные точки") + QLatin1Char('\n')
                                + tr("Removes every control point of the chart."));
    speedButton13_->setIcon(picture([](QPainter &p) {
        p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 2));
        p.drawLine(3, 3, 13, 13);
        p.drawLine(13, 3, 3, 13);
    }));
    speedButton14_ = toolButton("SpeedButton14", panel);
    speedButton14_->setCheckable(true);
    speedButton14_->setToolTip(tr("Выставить контрольные точки") + QLatin1Char('\n')
                                + tr("Click on the chart from low altitude upwards; a right click takes the last one back."));
    speedButton14_->setIcon(picture([](QPainter &p) {
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(2, 8, 14, 8);
        p.drawLine(8, 2, 8, 14);
    }));
    speedButton15_ = toolButton("SpeedButton15", panel);
    speedButton15_->setToolTip(tr("Apply the control points: fill the current column between them in straight lines"));
    speedButton15_->setIcon(picture([](QPainter &p) {
        p.setPen(QPen(QColor(0x00, 0x60, 0xC0), 2));
        p.drawLine(3, 3, 13, 13);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(3, 3), 1.5, 1.5);
        p.drawEllipse(QPointF(13, 13), 1.5, 1.5);
    }));
    speedButton16_ = toolButton("SpeedButton16", panel);
    speedButton16_->setToolTip(tr("Нормализовать значения (x.xxx)") + QLatin1Char('\n')
                                + tr("Rounds every value of the matrix to three decimals."));
    speedButton16_->setIcon(picture([](QPainter &p) {
        QFont f = p.font();
        f.setPixelSize(9);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral(".xx"));
    }));
    for (QToolButton *b : {speedButton13_, speedButton14_, speedButton15_, speedButton16_})
        bottomTools->addWidget(b);
    tools->addLayout(bottomTools);
    panel->setFixedHeight(ChartHeight + 10);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(stringGrid2_, 1);

    connectHandler(document_, stringGrid2_, &NumberGridView::cellSelected, this, &EnginePowerPage::StringGrid2SelectCell);
    connect(model_, &NumberGridModel::cellStored, this, [this](int col, int row) {
        if (row > 0) // a speed is not drawn until the next redraw
            ReDrawPowerGreaph(row, col);
    });
    connectHandler(document_, speedButton4_, &QToolButton::clicked, this, &EnginePowerPage::SpeedButton4Click);
    connectHandler(document_, speedButton5_, &QToolButton::clicked, this, &EnginePowerPage::SpeedButton5Click);
    connectHandler(document_, speedButton6_, &QToolButton::clicked, this, &EnginePowerPage::SpeedButton6Click);
    connectHandler(document_, speedButton12_, &QToolButton::clicked, this, &EnginePowerPage::SpeedButton12Click);
    connectHandler(document_, speedButton13_, &QToolButton::clicked, this, &EnginePowerPage::SpeedButton13Click);
    connectHandler(document_, speedButton15_, &QToolButton::clicked, this, &EnginePowerPage::SpeedButton15Click);
    connectHandler(document_, speedButton16_, &QToolButton::clicked, this, &EnginePowerPage::SpeedButton16Click);
    connectHandler(document_, image3_, &PowerChartWidget::pressed, this, &EnginePowerPage::Image3MouseDown);
    connectHandler(document_, image3_, &PowerChartWidget::moved, this, &EnginePowerPage::Image3MouseMove);
}

PlaneRecord EnginePowerPage::record() const
{
    return PlaneRecord(document_.file(), document_.selection().CurrentPlane);
}

bool EnginePowerPage::altitudeMode() const
{
    return speedButton12_->isChecked();
}

void EnginePowerPage::applyColumnWidths()
{
    const int colCount = model_->columnCount();
    for (int c = 1; c < colCount; ++c)
        stringGrid2_->setColumnWidth(c, 28);
    if (colCount > 1)
        stringGrid2_->setColumnWidth(colCount - 1, 35);
}

void EnginePowerPage::showPlane()
{
    const PlaneRecord plane = record();
    const bool exists = plane.exists();
    model_->setActive(exists);
    if (exists)
        model_->setShape(plane.speedPointCount() + 1, plane.altitudeRowCount() + 1);
    else
        model_->setShape(1, 1);
    model_->reload();
    applyColumnWidths();
    stringGrid2_->refreshHeadings();
    setEnabled(exists);
    if (stringGrid2_->currentRow() < 0 && exists)
        stringGrid2_->setCurrentCell(1, 0); // a new grid's current cell: the first cell after the fixed column
    ReDrawPowerGreaph(stringGrid2_->currentRow(), stringGrid2_->currentCol());
}

void EnginePowerPage::ReDrawPowerGreaph(int row, int col)
{
    const PlaneRecord plane = record();
    if (!plane.exists()) {
        image3_->clearChart();
        return;
    }
    image3_->redraw(chartInput(plane, altitudeMode(), col, row, controlPoints_));
}

void EnginePowerPage::StringGrid2SelectCell(int col, int row)
{
    ReDrawPowerGreaph(row, col);
}

void EnginePowerPage::adjust(bool raise, const app::MergeKey &mergeKey)
{
    if (!record().exists())
        return;
    const int col = stringGrid2_->currentCol();
    const int row = stringGrid2_->currentRow();
    CellRect selection{col, row, col, row};
    const QItemSelection ranges = stringGrid2_->selectionModel()->selection();
    if (!ranges.isEmpty()) {
        const QItemSelectionRange &range = ranges.first();
        selection = {range.left(), range.top(), range.right(), range.bottom()};
    }
    const QString caption = speedButton6_->text();
    int cells = 0;
    if (document_.edit(raise ? tr("Raise engine power") : tr("Lower engine power"), mergeKey, [&] {
            PlaneRecord plane = record();
            cells = adjustPower(plane, caption, raise, col, row, selection);
        }))
        // Each step says what it changed, so a wheel turn never changes data unseen.
        document_.showStatus(tr("Engine power %1 (%2): %3 cell(s) of plane %4, row %5.")
                                 .arg(raise ? tr("raised") : tr("lowered"), caption)
                                 .arg(cells)
                                 .arg(document_.selection().CurrentPlane)
                                 .arg(row));
    model_->reload();
    ReDrawPowerGreaph(row, col);
}

bool EnginePowerPage::StringGrid2MouseWheelUp()
{
    if (!document_.pages().isShown(app::PageId::EnginePower))
        return false;
    adjust(true, app::MergeKey::forCell(QStringLiteral("StringGrid2 wheel"), document_.selection().CurrentPlane,
                                        stringGrid2_->currentCol(), stringGrid2_->currentRow()));
    return true;
}

bool EnginePowerPage::StringGrid2MouseWheelDown()
{
    if (!document_.pages().isShown(app::PageId::EnginePower))
        return false;
    adjust(false, app::MergeKey::forCell(QStringLiteral("StringGrid2 wheel"), document_.selection().CurrentPlane,
                                         stringGrid2_->currentCol(), stringGrid2_->currentRow()));
    return true;
}

bool EnginePowerPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == stringGrid2_->viewport() && event->type() == QEvent::Wheel) {
        const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
        if (delta != 0) {
            const bool handled = delta > 0 ? StringGrid2MouseWheelUp() : StringGrid2MouseWheelDown();
            if (handled) {
                event->accept();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void EnginePowerPage::SpeedButton4Click()
{
    adjust(true, app::MergeKey::none());
}

void EnginePowerPage::SpeedButton5Click()
{
    adjust(false, app::MergeKey::none());
}

void EnginePowerPage::SpeedButton6Click()
{
    speedButton6_->setText(nextScopeCaption(speedButton6_->text()));
}

void EnginePowerPage::SpeedButton12Click()
{
    speedButton14_->setEnabled(speedButton12_->isChecked());
    if (!speedButton12_->isChecked())
        speedButton14_->setChecked(false);
    ReDrawPowerGreaph(stringGrid2_->currentRow(), stringGrid2_->currentCol());
}

void EnginePowerPage::SpeedButton13Click()
{
    controlPoints_.clear();
    ReDrawPowerGreaph(stringGrid2_->currentRow(), stringGrid2_->currentCol());
}

void EnginePowerPage::SpeedButton15Click()
{
    const ControlPoints points = controlPoints_;
    const int col = stringGrid2_->currentCol();
    if (record().exists()) {
        document_.edit(tr("Apply control points"), app::MergeKey::none(), [&] {
            PlaneRecord plane = record();
            applyControlPoints(plane, points, col);
        });
    }
    // The list is emptied before the refresh, so the chart no longer shows the applied points.
    controlPoints_.clear();
    document_.Update3();
}

void EnginePowerPage::SpeedButton16Click()
{
    if (record().exists()) {
        document_.edit(tr("Normalise engine power"), app::MergeKey::none(), [&] {
            PlaneRecord plane = record();
            normalisePower(plane);
        });
    }
    controlPoints_.clear();
    document_.Update3();
}

void EnginePowerPage::Image3MouseDown(Qt::MouseButton button, int x, int y)
{
    if (!speedButton14_->isChecked() || !speedButton14_->isEnabled())
        return;
    const Placement placed = placeControlPoint(controlPoints_, button == Qt::RightButton, x, y, model_->rowCount());
    if (placed == Placement::AddedAndApply) {
        SpeedButton15Click();
        return;
    }
    ReDrawPowerGreaph(stringGrid2_->currentRow(), stringGrid2_->currentCol());
}

void EnginePowerPage::Image3MouseMove(int x, int y)
{
    const int row = pointerRow(y, model_->rowCount(), controlPoints_.empty());
    document_.showStatus(tr("Altitude: ") + QString::number(PlaneRecord::WepPowerStepMetres * row)
                        + tr(" m.  Power: ")
                        + datafile::formatNumber(pointerPower(x), document_.decimalSeparator()));
}

} // namespace vw::powerchart
