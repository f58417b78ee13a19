#pragma once

// Shared by the Weapons and Header page window tests: an editor on a sample
// workspace, widgets found by their documented names, and the file's bytes.

#include "common/ui_support.h"
#include "core/datafile/sample_support.h"

#include "core/weapons/weapons_block.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

#include <functional>

namespace vwtest {

// A workspace whose plain image the test may change before the editor opens it.
inline void patchWorkspace(TestWorkspace &workspace, const vw::datafile::SampleOptions &options,
                           const std::function<void(vw::datafile::DataFile &)> &patch)
{
    vw::datafile::DataFile file =
        vw::datafile::DataFile::fromBytes(vw::datafile::buildSamplePlainImage(options), false);
    patch(file);
    workspace.writeFile(QStringLiteral("misc.bin"), file.toBytes(true));
}

struct OpenEditor {
    ScriptedPrompter prompter;
    std::unique_ptr<vw::app::VNEditor> editor;

    explicit OpenEditor(const TestWorkspace &workspace) : editor(workspace.open(prompter)) {}

    template <typename Widget = QWidget> Widget *find(const QString &name) const
    {
        return named<Widget>(editor.get(), name);
    }
    QByteArray image() const { return imageOf(editor->file()); }
    vw::weapons::WeaponsBlock block(int plane) const { return vw::weapons::WeaponsBlock(editor->file(), plane); }
    void choosePlane(int plane) const { editor->planeList()->setCurrentRow(plane - 1); }
    // As a user picks an item: the selection changes, then activated.
    void choose(const QString &comboName, int index) const
    {
        auto *box = find<QComboBox>(comboName);
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }
    // Replaces an edit's text as one paste does.
    void paste(const QString &editName, const QString &text) const
    {
        auto *edit = find<QLineEdit>(editName);
        edit->selectAll();
        edit->insert(text);
    }
    void type(const QString &editName, const QString &text) const
    {
        auto *edit = find<QLineEdit>(editName);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
};

} // namespace vwtest
