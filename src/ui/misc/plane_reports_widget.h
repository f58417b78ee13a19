#pragma once

#include <QWidget>

#include <functional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QRadioButton;

namespace vw::app {

class EditorDocument;
struct ReportOptions;

// The Misc page's group "Plane list": the report options, "Generate Plane
// list" and "Correct Fuel by Time".
class PlaneReportsWidget : public QWidget {
    Q_OBJECT
public:
    PlaneReportsWidget(EditorDocument &document, const QString &baseDirectory, QWidget *parent = nullptr);

    ReportOptions options() const;
    // Where the report that the options choose goes.
    QString reportPath() const;

    void Button13Click();
    void Button28Click();

private:
    // At most one option is checked; a click on the checked one clears it.
    void optionClicked(QAbstractButton *option);
    void selectLastPlane();

    EditorDocument &document_;
    QString baseDirectory_;
    QButtonGroup *options_;
    QRadioButton *radioButton1_, *radioButton2_, *radioButton3_, *radioButton4_, *radioButton5_;
    QCheckBox *checkBox5_;
};

} // namespace vw::app
