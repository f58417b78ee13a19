#include "flight_model_adjustments_widget.h"

#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "ui/common/plane_list_model.h"
#include "core/flightmodel/flight_model_adjustments.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace vw::flightmodel {

using app::connectHandler;
using app::named;

FlightModelAdjustmentsWidget::FlightModelAdjustmentsWidget(app::EditorDocument &document, QWidget *parent)
    : QGroupBox(tr("Flight model adjustments"), parent), document_(document)
{
    setObjectName(QStringLiteral("FlightModelAdjustmentsGroup"));
    auto *column = new QVBoxLayout(this);
    const auto button = [&](const char *name, const QString &caption, const QString &tip) {
        auto *b = named<QPushButton>(name, this);
        b->setText(caption);
        b->setToolTip(tip);
        column->addWidget(b);
        return b;
    };
    button14_ = button("Button14", tr("Reduce Roll Inertia"),
                       tr("Every plane: primary rows 4 and 7 times 2."));
    button15_ = button("Button15", tr("Reduce Low Speed Handling"),
                       tr("Every plane: handling at 0, 40 and 80 mph times 0.4/0.4/0.1, 0.7/0.7/0.4 and "
                          "0.9/0.9/0.7 (pitch/yaw/roll)."));
    button19_ = button("Button19", tr("Increase Low Speed Handling"),
                       tr("Every plane: pitch and yaw at 0 mph times 1.2, at most 1.0."));

    connectHandler(document_, button14_, &QPushButton::clicked, this, &FlightModelAdjustmentsWidget::Button14Click);
    connectHandler(document_, button15_, &QPushButton::clicked, this, &FlightModelAdjustmentsWidget::Button15Click);
    connectHandler(document_, button19_, &QPushButton::clicked, this, &FlightModelAdjustmentsWidget::Button19Click);
}

void FlightModelAdjustmentsWidget::runPass(const QString &what, int (*pass)(datafile::DataFile &))
{
    int changed = 0;
    if (!document_.edit(what, app::MergeKey::none(), [&] { changed = pass(document_.file()); }))
        return; // the error box said why
    const int last = document_.planeList()->rowCount();
    if (last > 0)
        document_.makePlaneCurrent(last);
    document_.showStatus(tr("%1: %2 of %3 planes changed.").arg(what).arg(changed).arg(last));
}

void FlightModelAdjustmentsWidget::Button14Click()
{
    runPass(tr("Reduce Roll Inertia"), &reduceRollInertia);
}

void FlightModelAdjustmentsWidget::Button15Click()
{
    runPass(tr("Reduce Low Speed Handling"), &reduceLowSpeedHandling);
}

void FlightModelAdjustmentsWidget::Button19Click()
{
    runPass(tr("Increase Low Speed Handling"), &increaseLowSpeedHandling);
}

} // namespace vw::flightmodel
