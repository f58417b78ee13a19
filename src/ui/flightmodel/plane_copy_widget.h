#pragma once

#include "ui/common/plane_view.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace vw::app {
class EditorDocument;
class PlaneSelector;
}

namespace vw::flightmodel {

// The "Flight model" and "Engines" groups of the Header page: copies of a
// plane's flight model or engine tables onto another plane.
class PlaneCopyWidget : public QWidget, public app::PlaneView {
    Q_OBJECT
public:
    explicit PlaneCopyWidget(app::EditorDocument &document, QWidget *parent = nullptr);

    // The plane selectors start again from the first plane.
    void planeListRebuilt() override;

    void Button3Click();
    void Button9Click();
    void Edit41Change();

private:
    // X of "Copy only first X cols", marking the field when its text was not
    // a whole number or was limited to the matrix's columns.
    int firstColumns();
    // Runs one copy as one undo step and says how it went.
    void runCopy(const QString &what, const std::function<QString()> &copy);

    app::EditorDocument &document_;
    app::PlaneSelector *comboBox9_, *comboBox10_, *comboBox13_, *comboBox14_;
    QPushButton *button3_, *button9_;
    QCheckBox *checkBox7_;
    QLineEdit *edit41_;
};

} // namespace vw::flightmodel
