#pragma once

#include "ui/common/plane_view.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QToolButton;
class QVBoxLayout;

namespace vw::app {

class EditorDocument;
struct EditorSettings;

// The Misc page: the file's summary values and layout, the current plane's
// block offsets, and the workspace settings (data file path, launcher path,
// default-path box, decimal separator).
class MiscPage : public QWidget, public PlaneView {
    Q_OBJECT
public:
    MiscPage(EditorDocument &document, const QString &baseDirectory, QWidget *parent = nullptr);

    // Settings lines 3, 4, 5 and 7 live in this page's fields.
    void applySettings(const EditorSettings &settings);
    void storeSettings(EditorSettings &settings) const;
    QString dataPath() const;
    void setDataPath(const QString &path);
    QString launcherPath() const;
    bool defaultPathChecked() const;

    // Shows the header values after a load, save or undo.
    void showFileSummary();
    // The part of Update3 that shows the current plane's block offsets.
    void showPlane() override;

    // Room for the groups that the format, report and batch operations add.
    QVBoxLayout *operationsColumn() const { return operations_; }

    void Edit15Change(const QString &text);
    void Edit16Change(const QString &text);
    void RadioGroup2Click(int index);
    void SpeedButton3Click();
    void SpeedButton11Click();
    void CheckBox3Click(bool checked);
    void Edit40Change(const QString &text);

private:
    // A path editor.ini can keep (no line break); otherwise an error box says why.
    bool storablePath(const QString &path);
    EditorDocument &document_;
    QString baseDirectory_;
    QLineEdit *edit15_;
    QLineEdit *edit16_;
    QButtonGroup *layoutGroup_;
    QLineEdit *edit35_;
    QLineEdit *edit36_;
    QLineEdit *edit17_;
    QToolButton *speedButton3_;
    QCheckBox *checkBox3_;
    QLineEdit *edit37_;
    QToolButton *speedButton11_;
    QLineEdit *edit40_;
    QVBoxLayout *operations_;
};

} // namespace vw::app
