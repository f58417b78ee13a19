#include "script_window.h"

#include "ui/common/editor_document.h"
#include "ui/common/prompter_dialog.h"
#include "core/datafile/file_access.h"
#include "scripting/script_host.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QTextBlock>
#include <QTextDocument>
#include <QThread>
#include <QVBoxLayout>

#include <stdexcept>

namespace vw::app {

namespace {

const QString ScriptFilter = QStringLiteral("JavaScript | *.js");
constexpr qint64 ScriptLimit = 16 * 1024 * 1024;

QPlainTextEdit *monospaceEdit(const char *name, QWidget *parent)
{
    auto *edit = new QPlainTextEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->setTabStopDistance(4 * edit->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    return edit;
}

} // namespace

ScriptWindow::ScriptWindow(EditorDocument &document, Prompter &prompter, const QString &scriptsFolder, const QString &memory,
                           QWidget *parent)
    : QDialog(parent), document_(document), prompter_(prompter), scriptsFolder_(scriptsFolder), memory_(memory)
{
    setObjectName(QStringLiteral("ScriptWindow"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);

    auto *open = new QPushButton(tr("&Open..."), this);
    open->setObjectName(QStringLiteral("OpenScript"));
    auto *save = new QPushButton(tr("&Save as..."), this);
    save->setObjectName(QStringLiteral("SaveScript"));
    run_ = new QPushButton(tr("&Run"), this);
    run_->setObjectName(QStringLiteral("RunScript"));
    run_->setToolTip(tr("Runs the script on the open file (Ctrl+Return)"));
    stop_ = new QPushButton(tr("S&top"), this);
    stop_->setObjectName(QStringLiteral("StopScript"));
    stop_->setEnabled(false);
    auto *limitLabel = new QLabel(tr("Time &limit:"), this);
    timeLimit_ = new QSpinBox(this);
    timeLimit_->setObjectName(QStringLiteral("ScriptTimeLimit"));
    timeLimit_->setRange(1, 3600);
    timeLimit_->setValue(10);
    timeLimit_->setSuffix(tr(" s"));
    limitLabel->setBuddy(timeLimit_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("ScriptStatus"));
    // Below the output, wrapped: a long message never widens the window.
    status_->setWordWrap(true);

    // Enter in the time limit runs the script; the other buttons take no Enter.
    for (QPushButton *b : {open, save, stop_})
        b->setAutoDefault(false);
    run_->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(open);
    buttons->addWidget(save);
    buttons->addSpacing(12);
    buttons->addWidget(run_);
    buttons->addWidget(stop_);
    buttons->addSpacing(12);
    buttons->addWidget(limitLabel);
    buttons->addWidget(timeLimit_);
    buttons->addStretch(1);

    editor_ = monospaceEdit("ScriptEditor", this);
    editor_->setPlaceholderText(tr("// A script in JavaScript, for example:\n"
                                   "// for (const p of file.planes) print(p.number, p.name);"));
    output_ = monospaceEdit("ScriptOutput", this);
    output_->setReadOnly(true);
    output_->setPlaceholderText(tr("What the script prints, and the fields it changed, appear here."));
    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("ScriptSplitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(editor_);
    splitter->addWidget(output_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    layout->addWidget(status_);
    resize(760, 600);

    connect(open, &QPushButton::clicked, this, &ScriptWindow::openScript);
    connect(save, &QPushButton::clicked, this, &ScriptWindow::saveScript);
    connect(run_, &QPushButton::clicked, this, &ScriptWindow::run);
    connect(stop_, &QPushButton::clicked, this, &ScriptWindow::stop);
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &ScriptWindow::run);
    }
    updateTitle();
    if (!memory_.isEmpty() && QFileInfo(memory_).isFile()) {
        try {
            editor_->setPlainText(QString::fromUtf8(datafile::readRegularFile(memory_, ScriptLimit, QString())));
            status_->setText(tr("The script of the last run."));
        } catch (const std::exception &) {
            // Only a convenience: the window starts empty.
        }
    }
}

ScriptWindow::~ScriptWindow()
{
    // The run works on its own copy of the file: stopped, it ends at once.
    if (worker_) {
        stopper_->stop();
        worker_->wait();
    }
}

QString ScriptWindow::scriptName() const
{
    return scriptPath_.isEmpty() ? tr("script.js") : QFileInfo(scriptPath_).fileName();
}

void ScriptWindow::updateTitle()
{
    setWindowTitle(tr("Run script - %1").arg(scriptName()));
}

bool ScriptWindow::loadScript(const QString &path)
{
    QByteArray bytes;
    try {
        bytes = datafile::readRegularFile(path, ScriptLimit, tr("a script is at most 16 MB"));
    } catch (const std::exception &e) {
        prompter_.error(this, EditorDocument::describe(e));
        return false;
    }
    editor_->setPlainText(QString::fromUtf8(bytes));
    scriptPath_ = path;
    updateTitle();
    status_->setText(tr("Opened %1: Run or Ctrl+Return runs it.").arg(QDir::toNativeSeparators(path)));
    return true;
}

void ScriptWindow::openScript()
{
    const QString chosen = prompter_.openFileName(this, tr("Open script"), scriptPath_.isEmpty() ? scriptsFolder_ : QFileInfo(scriptPath_).absolutePath(),
                                                  QString(), ScriptFilter);
    if (!chosen.isEmpty())
        loadScript(chosen);
}

void ScriptWindow::saveScript()
{
    const QString chosen = prompter_.saveFileName(this, tr("Save script as"),
                                                  scriptPath_.isEmpty() ? scriptsFolder_ : QFileInfo(scriptPath_).absolutePath(),
                                                  scriptPath_.isEmpty() ? QString() : QFileInfo(scriptPath_).fileName(), ScriptFilter);
    if (chosen.isEmpty())
        return;
    try {
        datafile::writeFileAtomically(chosen, editor_->toPlainText().toUtf8());
    } catch (const std::exception &e) {
        prompter_.error(this, EditorDocument::describe(e));
        return;
    }
    scriptPath_ = chosen;
    updateTitle();
    status_->setText(tr("Saved %1.").arg(QDir::toNativeSeparators(chosen)));
}

void ScriptWindow::setRunning(bool running)
{
    run_->setEnabled(!running);
    stop_->setEnabled(running);
    timeLimit_->setEnabled(!running);
    if (running)
        status_->setText(tr("Running... Stop ends the run and changes nothing."));
}

void ScriptWindow::run()
{
    if (worker_)
        return;
    if (!document_.isLoaded()) {
        output_->setPlainText(tr("Load a plane data file first: the script works on its planes."));
        return;
    }
    // The run works on a copy, so that the window can be shown and Stop
    // pressed meanwhile; its changes come into the file when it has finished.
    const QByteArray before = document_.file().toBytes(false);
    auto copy = std::make_shared<datafile::DataFile>(datafile::DataFile::fromBytes(before, false));
    auto outcome = std::make_shared<scripting::ScriptOutcome>();
    stopper_ = std::make_shared<scripting::ScriptStop>();
    const quint64 revision = document_.file().revision();
    const QString source = editor_->toPlainText();
    const QString name = scriptName();
    if (!memory_.isEmpty() && !source.trimmed().isEmpty()) {
        try {
            datafile::writeFileAtomically(memory_, source.toUtf8());
        } catch (const std::exception &) {
            // Only a convenience: the run goes on without it.
        }
    }
    const int timeoutMs = timeLimit_->value() * 1000;
    worker_ = QThread::create([copy, outcome, stopper = stopper_, source, name, timeoutMs] {
        *outcome = scripting::runScript(*copy, source, name, timeoutMs, stopper.get());
    });
    connect(worker_, &QThread::finished, this, [this, outcome, revision, before] {
        worker_->deleteLater();
        worker_ = nullptr;
        // Another file loaded, or a field edited, meanwhile: the run's changes
        // were made on what the file was.
        const bool same = document_.isLoaded() && document_.file().revision() == revision && document_.file().toBytes(false) == before;
        finish(*outcome, same);
    });
    output_->clear();
    setRunning(true);
    worker_->start();
}

void ScriptWindow::stop()
{
    if (worker_)
        stopper_->stop();
}

void ScriptWindow::finish(const scripting::ScriptOutcome &outcome, bool fileAsBefore)
{
    setRunning(false);
    QStringList lines = outcome.output;
    QString status;
    if (outcome.stopped) {
        status = tr("Stopped: nothing was changed.");
    } else if (outcome.timedOut) {
        status = tr("Stopped after the time limit of %1 s: nothing was changed.").arg(timeLimit_->value());
    } else if (!outcome.ok) {
        const QString where = outcome.line <= 0     ? scriptName()
                              : outcome.column > 0 ? tr("%1, line %2, column %3").arg(scriptName()).arg(outcome.line).arg(outcome.column)
                                                   : tr("%1, line %2").arg(scriptName()).arg(outcome.line);
        lines << tr("%1: %2").arg(where, outcome.error);
        status = tr("The script stopped at an error: nothing was changed.");
        if (outcome.line > 0) {
            // The place of the error, in the editor.
            QTextCursor at(editor_->document()->findBlockByNumber(outcome.line - 1));
            if (outcome.column > 1)
                at.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, outcome.column - 1);
            editor_->setTextCursor(at);
        }
    } else {
        for (const scripting::ScriptChange &c : outcome.changes)
            lines << scripting::changeLine(c);
        const int n = outcome.changedFields;
        const QString count = n == 1 ? tr("1 field changed") : tr("%1 fields changed").arg(n);
        if (n == 0) {
            status = tr("Done: no field changed.");
            lines << count;
        } else if (!fileAsBefore) {
            status = tr("The file changed while the script ran: nothing was changed. Run it again.");
        } else {
            const datafile::ChangeSet &changes = outcome.recorded;
            // The run's writes, made again on the file as one undo step.
            const bool applied = document_.edit(tr("Run script %1").arg(scriptName()), MergeKey::none(), [&] {
                for (const datafile::ChangeSet::Step &step : changes.steps) {
                    if (step.kind != datafile::ChangeSet::Step::Bytes)
                        throw std::runtime_error(tr("The script changed the file's layout, which a script cannot do.").toStdString());
                    document_.file().write(step.offset, step.after);
                }
            });
            if (applied) {
                document_.UpdateList1();
                document_.Update1();
                status = n == 1 ? tr("Done: 1 field changed. Edit > Undo takes the change back.")
                                : tr("Done: %1 fields changed. Edit > Undo takes the change back.").arg(n);
                document_.showStatus(status);
                lines << count;
            } else {
                status = tr("The changes could not be made: nothing was changed.");
            }
        }
    }
    output_->setPlainText(lines.join(QLatin1Char('\n')));
    // The end of a run (the error, the count of changes) in sight.
    output_->moveCursor(QTextCursor::End);
    output_->ensureCursorVisible();
    status_->setText(status);
    Q_EMIT finished();
}

void ScriptWindow::reject()
{
    // Escape during a run stops it; otherwise it closes the window.
    if (worker_)
        stop();
    else
        QDialog::reject();
}

void ScriptWindow::closeEvent(QCloseEvent *event)
{
    // Closing the window ends a run under way; the window keeps its script.
    stop();
    QDialog::closeEvent(event);
}

} // namespace vw::app
