#pragma once

#include "core/flightmodel/plane_copy_buffer.h"

#include <QGroupBox>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vw::app {
class EditorDocument;
}

namespace vw::flightmodel {

// The "Copy/Paste all plane data" group of the Header page: whole planes go
// into the copy buffer and come back onto a run of planes. The buffer belongs
// to this group, so it outlives every file loaded during the run.
class PlaneBufferWidget : public QGroupBox {
    Q_OBJECT
public:
    PlaneBufferWidget(app::EditorDocument &document, QWidget *parent = nullptr);

    const PlaneCopyBuffer &buffer() const { return buffer_; }

    void Button7Click();
    void Button8Click();
    void Edit20Change();

private:
    // Ends a Copy or Paste that ran: "Auto Increment", the plane current
    // afterwards, the slot name and what the batch did in the status bar.
    void finishBatch(const PlaneBatchResult &result, int position, const QString &batchText, bool pasted);
    void refuse(const QString &reason);

    app::EditorDocument &document_;
    PlaneCopyBuffer buffer_;
    QSpinBox *upDown1_, *upDown4_;
    QLineEdit *edit20_, *edit34_, *edit14_;
    QCheckBox *checkBox4_;
    QPushButton *button7_, *button8_;
};

} // namespace vw::flightmodel
