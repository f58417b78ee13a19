#pragma once

#include <QString>

class QWidget;

namespace vw::app {

// Every message box and file dialog of the editor goes through a Prompter, so
// that tests can answer them.
class Prompter {
public:
    enum class Unsaved { Save, Discard, Cancel };
    enum class OutsideChange { Overwrite, SaveAs, Cancel };

    virtual ~Prompter() = default;
    virtual void information(QWidget *parent, const QString &text);
    virtual void warning(QWidget *parent, const QString &text);
    virtual void error(QWidget *parent, const QString &text);
    // Yes/No question confirming what the user asked for; Yes is the default button. True for Yes.
    virtual bool question(QWidget *parent, const QString &caption, const QString &text);
    // Unsaved changes: Save / Discard / Cancel, or only Discard / Cancel.
    virtual Unsaved unsavedChanges(QWidget *parent, const QString &text, bool canSave);
    // A save over a file that another program changed: Overwrite (keeping
    // the other version as a backup), save under another name, or Cancel (the default).
    virtual OutsideChange outsideChange(QWidget *parent, const QString &text);
    // The open file changed on disk: true to load it again. The default
    // button keeps the editor's data when `unsaved` is set.
    virtual bool reloadChanged(QWidget *parent, const QString &text, bool unsaved);
    // Unsaved changes left by an editor that stopped: true to restore them.
    virtual bool restoreUnsaved(QWidget *parent, const QString &text);
    // The filter is given as the product writes it: "Description | *.a;*.b".
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &directory,
                                 const QString &preset, const QString &filter);
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &directory,
                                 const QString &preset, const QString &filter);
};

// The title and filter of every dialog that chooses a plane data file, in the
// user's language; the window asks for them here and nowhere else.
QString configDialogTitle();
QString configDialogFilter();

// "Файлы конфигурации | *.bin;*.oh" as a file dialog filter, with "All files (*)" after it.
QString dialogFilter(const QString &productFilter);

} // namespace vw::app
