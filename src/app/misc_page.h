#pragma once

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QToolButton;
class QVBoxLayout;

namespace vw::app {

class EditorContext;
struct EditorSettings;

// The Misc page: the file's summary values and layout, the current plane's
// block offsets, and the workspace settings (data file path, launcher path,
// default-path box, decimal separator).
class MiscPage : public QWidget {
    Q_OBJECT
public:
    MiscPage(EditorContext &context, const QString &baseDirectory, QWidget *parent = nullptr);

    // Settings lines 3, 4, 5 and 7 live in this page's fields.
    void applySettings(const EditorSettings &settings);
    void storeSettings(EditorSettings &settings) const;
    QString dataPath() const;
    void setDataPath(const QString &path);
    QString launcherPath() const;
    bool defaultPathChecked() const;
    QChar separator() const { return separator_; }

    // Shows the header values after a load, save or undo.
    void showFileSummary();
    // The part of Update3 that shows the current plane's block offsets.
    void showPlaneOffsets(int plane);

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
    EditorContext &context_;
    QString baseDirectory_;
    QChar separator_ = QLatin1Char('.');
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
