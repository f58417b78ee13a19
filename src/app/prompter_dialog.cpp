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
    return QStringLiteral("%1 (%2)").arg(description, patterns);
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
