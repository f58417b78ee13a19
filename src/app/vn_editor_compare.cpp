#include "vn_editor.h"

#include "app/compare_dialog.h"
#include "app/plane_json.h"
#include "weapons/config_list_view.h"

#include <QTabWidget>

// "Compare with...": the open file against another, and a way from each
// difference to the page that shows the field.

namespace vw::app {

void VNEditor::CompareWith1Click()
{
    if (!document_->isLoaded()) {
        prompter_->information(this, tr("Load a plane data file first: it is compared with the one you choose."));
        return;
    }
    const QString chosen = prompter_->openFileName(this, tr("Compare with"), baseDirectory_, QString(),
                                                   configDialogFilter());
    if (chosen.isEmpty())
        return;
    QList<FieldDifference> differences;
    try {
        const datafile::DataFile other = datafile::DataFile::ReadCfg(chosen, true);
        differences = diffFiles(file(), other);
    } catch (const std::exception &e) {
        prompter_->error(this, tr("The files could not be compared.\n\n") + EditorDocument::describe(e));
        return;
    }
    auto *dialog = new CompareDialog(chosen, differences, [this](const FieldDifference &d) { showDifference(d); }, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void VNEditor::showDifference(const FieldDifference &difference)
{
    if (difference.plane >= 1 && difference.plane <= file().PlaneCount()) {
        choosePlaneAsClicked(difference.plane);
        if (difference.config >= 1 && difference.config <= listBox2_->count() &&
            listBox2_->currentRow() != difference.config - 1)
            listBox2_->setCurrentRow(difference.config - 1); // runs ListBox2Click
    }
    const QString &s = difference.section;
    const auto sub = [](QTabWidget *tabs, int index) {
        tabs->setCurrentIndex(index);
        return tabs;
    };
    QWidget *page = nullptr;
    if (s == QLatin1String("weapons"))
        page = pages_->widget(0);
    else if (s == QLatin1String("header"))
        page = pages_->widget(1);
    else if (s == QLatin1String("primary"))
        page = sub(flightModelPages_, 0);
    else if (s == QLatin1String("engine"))
        page = sub(flightModelPages_, 1);
    else if (s == QLatin1String("wep"))
        page = sub(flightModelPages_, 2);
    else if (s == QLatin1String("handling"))
        page = sub(flightModelPages_, 3);
    else if (s == QLatin1String("damage_map"))
        page = sub(damagePages_, 0);
    else if (s == QLatin1String("damage_profile"))
        page = sub(damagePages_, 1);
    else if (s == QLatin1String("wings") || s == QLatin1String("ammunition")) {
        // The shared tables: Wings, and the second page called "Weapons".
        const QString title = s == QLatin1String("wings") ? tr("Wings") : tr("Weapons");
        for (int i = 0; i < pages_->count(); ++i)
            if (pages_->tabText(i) == title)
                page = pages_->widget(i);
    }
    if (page)
        pages_->setCurrentWidget(page);
}

} // namespace vw::app
