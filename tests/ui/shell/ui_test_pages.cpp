#include "core/planedata/plane_diff.h"
#include "ui/common/page_registry.h"
#include "ui/misc/misc_page.h"
#include "ui/weapons/more_weapons_dialog.h"
#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>

using namespace vwtest;
using vw::app::PageId;
using vw::app::PageRegistry;

using Action = std::function<void(OpenEditor &)>;
Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(PageId)

namespace {

// Wings first, Header last, and Engine Power #1 after Handiling: no page is
// where the window put it.
void reorderTabs(vw::app::VNEditor &editor)
{
    QTabBar *top = editor.pages()->tabBar();
    top->moveTab(1, top->count() - 1);
    top->moveTab(3, 0);
    QTabBar *flightModel = editor.flightModelPages()->tabBar();
    flightModel->moveTab(1, flightModel->count() - 1);
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every identifier reaches its page, shown at every level, and names it.
    void everyPageIsReached()
    {
        TestWorkspace workspace;
        OpenEditor e(workspace);
        e.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.editor.get()));
        const PageRegistry &registry = e.editor->document().pages();
        QStringList names = registry.names();
        for (const PageId id : PageRegistry::all()) {
            const QString key = PageRegistry::key(id);
            QVERIFY2(registry.page(id) && registry.show(id), qPrintable(key));
            QVERIFY2(registry.isShown(id) && registry.page(id)->isVisible(), qPrintable(key));
            QCOMPARE(registry.find(key), id);
            QCOMPARE(registry.find(key.toUpper()), id);
            QCOMPARE(names.filter(QStringLiteral("  [%1]").arg(key)).size(), 1);
        }
        QVERIFY(!registry.find(QStringLiteral("Flight Model/Nowhere")));
    }

    // With the tabs reordered, --page names, Compare and the chart's wheel
    // rule still reach the page they mean.
    void reorderedTabsKeepTheirPages_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<PageId>("page");
        QTest::newRow("caption") << "Header" << PageId::Header;
        QTest::newRow("sub-page caption") << "flight model/engine power #1" << PageId::EnginePower;
        QTest::newRow("second caption") << "Weapons 2" << PageId::Ammunition;
        QTest::newRow("identifier") << "handling" << PageId::Handling;
        QTest::newRow("dialog") << "More Weapons" << PageId::MoreWeapons;
    }
    void reorderedTabsKeepTheirPages()
    {
        QFETCH(QString, name);
        QFETCH(PageId, page);
        TestWorkspace workspace;
        OpenEditor e(workspace);
        reorderTabs(*e.editor);
        e.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.editor.get()));
        const PageRegistry &registry = e.editor->document().pages();
        QCOMPARE(registry.find(name), page);
        QVERIFY(registry.show(page) && registry.isShown(page));

        // Compare shows the page of each section; the wheel raises only on its page.
        const struct {
            const char *section;
            PageId page;
        } sections[] = {{"ammunition", PageId::Ammunition}, {"wings", PageId::Wings},
                        {"header", PageId::Header},         {"engine", PageId::EnginePower}};
        for (const auto &section : sections) {
            vw::app::FieldDifference difference;
            difference.plane = 2;
            difference.section = QString::fromLatin1(section.section);
            difference.page = *PageRegistry::forSection(difference.section);
            e.editor->showDifference(difference);
            QVERIFY2(registry.isShown(section.page), section.section);
            QVERIFY(registry.page(section.page)->isVisible());
        }
        QVERIFY(registry.isShown(PageId::EnginePower) && !registry.isShown(PageId::Header));
    }

    // A batch, Compare, More Weapons and a copy make a plane, configuration or
    // weapon current the same way: one change signal, every list on its line.
    void everyWayMakesThePlaneCurrentAlike_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("plane");
        QTest::addColumn<int>("config");
        QTest::addColumn<int>("weapon");
        QTest::newRow("batch") << Action([](OpenEditor &e) {
            named<QPushButton>(e.editor->miscPage(), QStringLiteral("Button18"))->click();
        }) << 4 << 0 << 0;
        QTest::newRow("compare") << Action([](OpenEditor &e) {
            vw::app::FieldDifference difference;
            difference.plane = 3;
            difference.section = QStringLiteral("weapons");
            difference.config = 2;
            e.editor->showDifference(difference);
        }) << 3 << 2 << 1;
        QTest::newRow("more weapons") << Action([](OpenEditor &e) {
            e.editor->document().pages().show(PageId::MoreWeapons);
            auto *selector = named<QComboBox>(e.editor->moreGun(), QStringLiteral("ComboBox1"));
            selector->setCurrentIndex(1);
            Q_EMIT selector->activated(1);
        }) << 1 << 1 << 2;
        QTest::newRow("copy") << Action([](OpenEditor &e) { e.find<QPushButton>(QStringLiteral("Button7"))->click(); })
                              << 2 << 1 << 1;
    }
    void everyWayMakesThePlaneCurrentAlike()
    {
        QFETCH(Action, action);
        QFETCH(int, plane);
        QFETCH(int, config);
        QFETCH(int, weapon);
        const auto options = vwtest::sampleOptions(1, 4);
        TestWorkspace workspace(options);
        OpenEditor e(workspace);
        QSignalSpy changes(&e.editor->document(), &vw::app::EditorDocument::currentChanged);
        action(e);
        QCOMPARE(changes.count(), 1);
        const vw::app::Selection &s = e.editor->selection();
        QCOMPARE(s.CurrentPlane, plane);
        if (config > 0) {
            QCOMPARE(s.CurrentConfig, config);
            QCOMPARE(s.CurrentWeapon, weapon);
        }
        QCOMPARE(e.editor->planeList()->currentRow(), s.CurrentPlane - 1);
        QCOMPARE(e.editor->configList()->currentRow(), s.CurrentConfig - 1);
        QCOMPARE(e.find<QListWidget>(QStringLiteral("ListBox3"))->currentRow(), s.CurrentWeapon - 1);
        QCOMPARE(named<QComboBox>(e.editor->moreGun(), QStringLiteral("ComboBox1"))->currentIndex(),
                 s.CurrentWeapon - 1);
    }
};

VW_TEST(PagesTest)

#include "ui_test_pages.moc"
