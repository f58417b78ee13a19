#include "config_list_view.h"

#include "ui/common/editor_document.h"
#include "core/weapons/weapons_block.h"

#include <QSignalBlocker>

namespace vw::weapons {

ConfigListView::ConfigListView(app::EditorDocument &document, QWidget *parent)
    : QListWidget(parent), document_(document)
{
    setObjectName(QStringLiteral("ListBox2"));
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!document_.refreshing() && row >= 0)
            document_.guarded([this] { ListBox2Click(); });
    });
    // The line of the configuration that a page, dialog or batch made current.
    connect(&document_, &app::EditorDocument::currentChanged, this, [this] {
        const int row = document_.selection().CurrentConfig - 1;
        if (currentRow() != row && row < count()) {
            const QSignalBlocker blocker(this);
            setCurrentRow(row);
        }
    });
    // A click on the configuration already selected selects it again, with its first weapon.
    connect(this, &QListWidget::itemClicked, this, [this] {
        if (document_.selection().CurrentWeapon != 1)
            document_.guarded([this] { ListBox2Click(); });
    });
}

void ConfigListView::showConfigurations()
{
    clear();
    const WeaponsBlockView block(document_.file(), document_.selection().CurrentPlane);
    if (!block.exists())
        return;
    for (int c = 1; c <= block.configCount(); ++c)
        addItem(WeaponsBlockView::configItem(c, block.config(c).name()));
    setCurrentRow(document_.selection().CurrentConfig - 1);
}

void ConfigListView::relabel(int c, const QString &name)
{
    if (QListWidgetItem *line = item(c - 1))
        line->setText(WeaponsBlockView::configItem(c, name));
}

void ConfigListView::ListBox2Click()
{
    document_.makeConfigCurrent(currentRow() + 1);
}

} // namespace vw::weapons
