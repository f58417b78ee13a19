#pragma once

#include "ui/common/plane_view.h"

#include <QWidget>

#include <optional>

class QLabel;

namespace vw::app {
class EditorDocument;
}

namespace vw::damage {

class ProfileGridModel;
class ProfileGridView;

// The "Offline Damage Profile" sub-page: the current plane's two damage
// values, armor and modifier for each of the 32 catalogue parts (StringGrid3)
// and the two averages beside them.
class OfflineProfilePage : public QWidget, public app::PlaneView {
    Q_OBJECT
public:
    explicit OfflineProfilePage(app::EditorDocument &document, QWidget *parent = nullptr);

    // Update3's part: UpdateOfflineDmg.
    void showPlane() override { UpdateOfflineDmg(); }
    void UpdateOfflineDmg();

    // Stores an edited cell as it is typed; a modifier out of range leaves
    // the value the cell held when its editor opened.
    void StringGrid3SetEditText(int col, int row, const QString &text);

private:
    void showAverages();
    // The cell's editor opened: its modifier is what a refused text goes back to.
    void editorOpened(int col, int row);

    struct OpenedModifier {
        int plane, row, value;
    };

    app::EditorDocument &document_;
    ProfileGridModel *model_;
    ProfileGridView *stringGrid3_;
    QLabel *averageHp_;
    QLabel *averageArmor_;
    std::optional<OpenedModifier> opened_;
};

} // namespace vw::damage
