#pragma once

#include "ui/common/plane_view.h"

#include <QListWidget>

namespace vw::app {
class EditorDocument;
}

namespace vw::weapons {

// ListBox2, "List of configs:" in the window's left panel: the configurations
// of the current plane (Update1's part), "1:Default" and so on.
class ConfigListView : public QListWidget, public app::PlaneView {
    Q_OBJECT
public:
    ConfigListView(app::EditorDocument &document, QWidget *parent = nullptr);

    void showConfigurations() override;
    // The line of configuration c shows its new name.
    void relabel(int c, const QString &name);

    void ListBox2Click();

private:
    app::EditorDocument &document_;
};

} // namespace vw::weapons
