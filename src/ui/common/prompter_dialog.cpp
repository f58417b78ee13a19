#include "prompter_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vw::app {

void Prompter::information(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, QApplication::applicationName(), text);
}

void Prompter::warning(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, QApplication::applicationName(), text);
}

void Prompter::error(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, QApplication::applicationName(), text);
}

bool Prompter::question(QWidget *parent, const QString &caption, const QString &text)
{
    // The question confirms what the user has just asked for: Enter does it.
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
           == QMessageBox::Yes;
}

Prompter::Unsaved Prompter::unsavedChanges(QWidget *parent, const QString &text, bool canSave)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::NoButton, parent);
    QPushButton *save = canSave ? box.addButton(QMessageBox::Save) : nullptr;
    QPushButton *discard = box.addButton(QMessageBox::Discard);
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.exec();
    if (save && box.clickedButton() == save)
        return Unsaved::Save;
    if (box.clickedButton() == discard)
        return Unsaved::Discard;
    return Unsaved::Cancel;
}

Prompter::OutsideChange Prompter::outsideChange(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::NoButton, parent);
    QPushButton *overwrite = box.addButton(QCoreApplication::translate("vw::app::Prompter", "Overwrite"),
                                           QMessageBox::DestructiveRole);
    QPushButton *saveAs = box.addButton(QCoreApplication::translate("vw::app::Prompter", "Save as..."),
                                        QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == overwrite)
        return OutsideChange::Overwrite;
    if (box.clickedButton() == saveAs)
        return OutsideChange::SaveAs;
    return OutsideChange::Cancel;
}

bool Prompter::reloadChanged(QWidget *parent, const QString &text, bool unsaved)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text, QMessageBox::NoButton, parent);
    QPushButton *reload = box.addButton(QCoreApplication::translate("vw::app::Prompter", "Reload"),
                                        unsaved ? QMessageBox::DestructiveRole : QMessageBox::AcceptRole);
    QPushButton *keep = box.addButton(QCoreApplication::translate("vw::app::Prompter", "Keep the editor's data"),
                                      QMessageBox::RejectRole);
    box.setDefaultButton(unsaved ? keep : reload);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == reload;
}

bool Prompter::restoreUnsaved(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text, QMessageBox::NoButton, parent);
    QPushButton *restore = box.addButton(QCoreApplication::translate("vw::app::Prompter", "Restore"),
                                         QMessageBox::AcceptRole);
    box.addButton(QCoreApplication::translate("vw::app::Prompter", "Discard them"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.exec();
    return box.clickedButton() == restore;
}

QString configDialogTitle()
{
    return QCoreApplication::translate("vw::app::VNEditor", "Выберите файл конфигурации");
}

QString configDialogFilter()
{
    return QCoreApplication::translate("vw::app::VNEditor", "Файлы конфигурации | *.bin;*.oh");
}

QString dialogFilter(const QString &productFilter)
{
    const qsizetype bar = productFilter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return productFilter;
    const QString description = productFilter.left(bar).trimmed();
    QString patterns = productFilter.mid(bar + 1).trimmed();
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Beside the product's filter every file can be chosen: a backup
    // (misc.bin.bak) or a file named otherwise.
    return QStringLiteral("%1 (%2);;%3")
        .arg(description, patterns, QCoreApplication::translate("vw::app", "All files (*)"));
}

QString Prompter::openFileName(QWidget *parent, const QString &title, const QString &directory,
                               const QString &preset, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, preset.isEmpty() ? directory : preset, dialogFilter(filter));
}

QString Prompter::saveFileName(QWidget *parent, const QString &title, const QString &directory,
                               const QString &preset, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, preset.isEmpty() ? directory : preset, dialogFilter(filter));
}

} // namespace vw::app
