#pragma once

// Helpers for window tests: a workspace in a temporary folder and a prompter
// that records every message and answers every question as the test says.

#include "ui/common/prompter_dialog.h"
#include "ui/common/plane_list_view.h"
#include "ui/shell/vn_editor.h"
#include "ui/weapons/config_list_view.h"
#include "core/datafile/sample_builder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>

namespace vwtest {

// A widget or action of the window by its documented name; a missing one stops the test program.
template <class T>
T *named(const QObject *window, const QString &name)
{
    T *object = window->findChild<T *>(name);
    if (!object)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return object;
}

class ScriptedPrompter : public vw::app::Prompter {
public:
    QStringList informations, warnings, errors, questions;
    std::deque<bool> questionAnswers; // Yes when empty
    std::deque<Unsaved> unsavedAnswers; // Cancel when empty
    std::deque<QString> fileNames;      // an empty name cancels the dialog
    QStringList fileDialogTitles;       // the title of every file dialog asked for
    int unsavedAsked = 0;
    bool lastUnsavedCouldSave = false;
    // Another program's change and the recovery: what was asked, and the answers.
    QStringList outsideTexts, reloadTexts, restoreTexts;
    std::deque<OutsideChange> outsideAnswers; // Cancel when empty
    std::deque<bool> reloadAnswers;           // keep the editor's data when empty
    bool restoreAnswer = true;

    void information(QWidget *, const QString &text) override { informations << text; }
    void warning(QWidget *, const QString &text) override { warnings << text; }
    void error(QWidget *, const QString &text) override { errors << text; }
    bool question(QWidget *, const QString &caption, const QString &text) override
    {
        questions << caption + QLatin1Char('|') + text;
        if (questionAnswers.empty())
            return true;
        const bool answer = questionAnswers.front();
        questionAnswers.pop_front();
        return answer;
    }
    Unsaved unsavedChanges(QWidget *, const QString &, bool canSave) override
    {
        ++unsavedAsked;
        lastUnsavedCouldSave = canSave;
        if (unsavedAnswers.empty())
            return Unsaved::Cancel;
        const Unsaved answer = unsavedAnswers.front();
        unsavedAnswers.pop_front();
        return answer;
    }
    OutsideChange outsideChange(QWidget *, const QString &text) override
    {
        outsideTexts << text;
        if (outsideAnswers.empty())
            return OutsideChange::Cancel;
        const OutsideChange answer = outsideAnswers.front();
        outsideAnswers.pop_front();
        return answer;
    }
    bool reloadChanged(QWidget *, const QString &text, bool) override
    {
        reloadTexts << text;
        if (reloadAnswers.empty())
            return false;
        const bool answer = reloadAnswers.front();
        reloadAnswers.pop_front();
        return answer;
    }
    bool restoreUnsaved(QWidget *, const QString &text) override
    {
        restoreTexts << text;
        return restoreAnswer;
    }
    QString openFileName(QWidget *, const QString &title, const QString &, const QString &, const QString &) override
    {
        fileDialogTitles << title;
        return nextFileName();
    }
    QString saveFileName(QWidget *, const QString &title, const QString &, const QString &, const QString &) override
    {
        fileDialogTitles << title;
        return nextFileName();
    }

private:
    QString nextFileName()
    {
        if (fileNames.empty())
            return QString();
        const QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};

// A game folder with misc.bin and the editor's support files.
class TestWorkspace {
public:
    explicit TestWorkspace(const vw::datafile::SampleOptions &options = {}, bool writeOkay = true)
    {
        QDir(dir.path()).mkpath(QStringLiteral("editor"));
        writeFile(QStringLiteral("misc.bin"), vw::datafile::buildSampleFile(options));
        QByteArray fm;
        for (int row = 1; row <= 171; ++row)
            fm += "Row " + QByteArray::number(row) + "\r\n";
        writeFile(QStringLiteral("editor/FM.dat"), fm);
        QByteArray planes;
        for (int p = 1; p <= options.planes; ++p)
            for (int line = 1; line <= 4; ++line)
                planes += "Plane " + QByteArray::number(p) + " line " + QByteArray::number(line) + "\r\n";
        writeFile(QStringLiteral("editor/planes.dat"), planes);
        writeFile(QStringLiteral("editor/readme.txt"), "Help line 1\r\nHelp line 2\r\n");
        writeSettings(writeOkay);
    }

    QString base() const { return dir.path() + QLatin1Char('/'); }
    QString path(const QString &relative) const { return base() + relative; }
    QByteArray read(const QString &relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QString &relative, const QByteArray &bytes) const
    {
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    void writeSettings(bool writeOkay, const QString &separator = QStringLiteral(".")) const
    {
        writeFile(QStringLiteral("editor/editor.ini"),
                  QByteArray("0\r\n1\r\n\r\n\r\n1\r\n") + (writeOkay ? "writeokay" : "") + "\r\n"
                      + separator.toLatin1() + "\r\n");
    }

    // Starts the editor on this workspace.
    std::unique_ptr<vw::app::VNEditor> open(ScriptedPrompter &prompter) const
    {
        vw::app::StartupOptions options;
        options.programDirectory = dir.path();
        options.prompter = &prompter;
        options.recoveryFolder = path(QStringLiteral("recovery"));
        return std::make_unique<vw::app::VNEditor>(options);
    }

    // Under the test program's folder in the build tree, never in the sources.
    QTemporaryDir dir{QCoreApplication::applicationDirPath() + QStringLiteral("/workspace-XXXXXX")};
};

} // namespace vwtest
