#pragma once


#include <QGroupBox>

class QPushButton;

namespace vw::app {
class EditorDocument;
}
namespace vw::datafile {
class DataFile;
}

namespace vw::flightmodel {

// The flight-model passes of the Misc page: each acts on every plane of the
// list at once and ends with the last plane current and shown.
class FlightModelAdjustmentsWidget : public QGroupBox {
    Q_OBJECT
public:
    FlightModelAdjustmentsWidget(app::EditorDocument &document, QWidget *parent = nullptr);

    void Button14Click();
    void Button15Click();
    void Button19Click();

private:
    // The catalogue's pass `name` as one undo step; the status bar says how
    // many planes it changed.
    void runPass(const char *name);

    app::EditorDocument &document_;
    QPushButton *button14_, *button15_, *button19_;
};

} // namespace vw::flightmodel
