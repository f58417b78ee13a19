#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QThread;

namespace vw::scripting {
class ScriptStop;
struct ScriptOutcome;
}

namespace vw::app {

class EditorDocument;
class Prompter;

// Tools > "Run script...": a JavaScript editor with its output below. A run
// works on a copy of the file in a thread of its own, so that the window
// stays live and Stop can end it; a run that finished changing fields puts
// its changes into the file as one undo step, one that failed, was stopped
// or ran out of time changes nothing.
class ScriptWindow : public QDialog {
    Q_OBJECT
public:
    // `memory`: where the script of the last run is kept, to be shown again
    // the next time the window is made; none when empty.
    ScriptWindow(EditorDocument &document, Prompter &prompter, const QString &scriptsFolder, const QString &memory,
                 QWidget *parent = nullptr);
    ~ScriptWindow() override;

    // Opens a script file in the editor (not run); false, with the reason shown, when it cannot be read.
    bool loadScript(const QString &path);
    void run();
    void stop();
    bool isRunning() const { return worker_ != nullptr; }
    void reject() override;

    QPlainTextEdit *editor() const { return editor_; }
    QPlainTextEdit *output() const { return output_; }
    QSpinBox *timeLimit() const { return timeLimit_; }

Q_SIGNALS:
    // A run ended, whatever its outcome.
    void finished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void openScript();
    void saveScript();
    void finish(const scripting::ScriptOutcome &outcome, bool fileAsBefore);
    void setRunning(bool running);
    void updateTitle();
    QString scriptName() const;

    EditorDocument &document_;
    Prompter &prompter_;
    QString scriptsFolder_;
    QString scriptPath_; // the file the script was opened from or saved to
    QString memory_;
    QPlainTextEdit *editor_ = nullptr;
    QPlainTextEdit *output_ = nullptr;
    QPushButton *run_ = nullptr;
    QPushButton *stop_ = nullptr;
    QSpinBox *timeLimit_ = nullptr;
    QLabel *status_ = nullptr;
    QThread *worker_ = nullptr;
    std::shared_ptr<scripting::ScriptStop> stopper_;
};

} // namespace vw::app
