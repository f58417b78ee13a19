#include "flight_model_adjustments_widget.h"

#include "ui/common/batch_status.h"
#include "ui/common/editor_document.h"
#include "ui/common/page_support.h"
#include "ui/common/plane_list_model.h"

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
    // Each button's name and caption are its operation's in the batch catalogue.
    const auto button = [&](const char *operation, const QString &tip) {
        const app::BatchOperation &op = app::batchOperation(operation);
        auto *b = named<QPushButton>(op.button, this);
        b->setText(app::batchCaption(op));
        b->setToolTip(tip);
        column->addWidget(b);
        return b;
    };
    button14_ = button("reduce-roll-inertia",
                       tr("Every plane: primary rows 4 and 7 times 2."));
    button15_ = button("reduce-low-speed-handling",
                       tr("Every plane: handling at 0, 40 and 80 mph times 0.4/0.4/0.1, 0.7/0.7/0.4 and "
                          "0.9/0.9/0.7 (pitch/yaw/roll)."));
    button19_ = button("increase-low-speed-handling",
                       tr("Every plane: pitch and yaw at 0 mph times 1.2, at most 1.0."));

    connectHandler(document_, button14_, &QPushButton::clicked, this, &FlightModelAdjustmentsWidget::Button14Click);
    connectHandler(document_, button15_, &QPushButton::clicked, this, &FlightModelAdjustmentsWidget::Button15Click);
    connectHandler(document_, button19_, &QPushButton::clicked, this, &FlightModelAdjustmentsWidget::Button19Click);
}

void FlightModelAdjustmentsWidget::runPass(const char *name)
{
    const app::BatchOperation &operation = app::batchOperation(name);
    app::BatchOutcome outcome;
    if (!document_.edit(app::batchCaption(operation), app::MergeKey::none(),
                        [&] { outcome = operation.run(document_.file()); }))
        return; // the error box said why
    const int last = document_.planeList()->rowCount();
    if (last > 0)
        document_.makePlaneCurrent(last);
    outcome.planesVisited = last; // the status counts the planes of the list
    document_.showStatus(app::batchStatus(operation, outcome));
}

void FlightModelAdjustmentsWidget::Button14Click()
{
    runPass("reduce-roll-inertia");
}

void FlightModelAdjustmentsWidget::Button15Click()
{
    runPass("reduce-low-speed-handling");
}

void FlightModelAdjustmentsWidget::Button19Click()
{
    runPass("increase-low-speed-handling");
}

} // namespace vw::flightmodel
