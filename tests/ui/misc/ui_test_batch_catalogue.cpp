#include "common/test_registry.h"
#include "common/ui_weapons_support.h"
#include "core/operations/batch_catalogue.h"
#include "core/operations/batch_operations.h"
#include "ui/common/batch_status.h"

#include <QPushButton>
#include <QStatusBar>

using namespace vwtest;
using vw::app::BatchOperation;
using vw::app::BatchOutcome;
using vw::app::BatchShape;
using vw::datafile::DataFile;

namespace {

// The widget whose class translates the button's caption, or null.
const QObject *captionOwner(const QObject *button, const char *className)
{
    for (const QObject *o = button; o; o = o->parent())
        if (qstrcmp(o->metaObject()->className(), className) == 0)
            return o;
    return nullptr;
}

} // namespace

class BatchCatalogueTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every catalogued operation has its button, with its caption, in the widget
    // that translates it; every button of the two adjustment groups is
    // catalogued; clicking it says what the catalogue's run on the same file says.
    void buttonsAreTheCatalogue()
    {
        TestWorkspace workspace;
        OpenEditor open(workspace);
        QStringList names;
        for (const BatchOperation &op : vw::app::batchCatalogue()) {
            names << QLatin1String(op.name);
            auto *button = open.find<QPushButton>(QLatin1String(op.button));
            QVERIFY2(button, op.name);
            QCOMPARE(button->text().trimmed(), QLatin1String(op.caption));
            QVERIFY2(captionOwner(button, op.context), op.name);
            if (!op.run)
                continue;
            DataFile copy = DataFile::fromBytes(open.image(), false);
            BatchOutcome outcome;
            try {
                outcome = op.run(copy);
            } catch (const std::exception &) {
                continue; // refused on this file: the error box says so instead
            }
            if (op.shape == BatchShape::Planes)
                outcome.planesVisited = open.editor->planeList()->count();
            button->click();
            QCOMPARE(open.editor->statusBar()->currentMessage(), vw::app::batchStatus(op, outcome));
            QCOMPARE(open.image(), imageOf(copy));
        }
        QCOMPARE(vw::app::batchStepNames(), names);
        for (const char *group : {"WeaponAdjustments", "FlightModelAdjustmentsGroup"})
            for (const QPushButton *button : open.find(QLatin1String(group))->findChildren<QPushButton *>()) {
                const auto &catalogue = vw::app::batchCatalogue();
                QVERIFY2(std::any_of(catalogue.cbegin(), catalogue.cend(),
                                     [&](const BatchOperation &op) { return button->objectName() == op.button; }),
                         qPrintable(button->objectName()));
            }
    }

    // The command line's sentence and the status bar's are told from one outcome.
    void sentencesOfOneOutcome_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("counts"); // weapons changed, visited, planes visited, planes changed
        QTest::addColumn<QList<int>>("kept");
        QTest::addColumn<QString>("cli");
        QTest::addColumn<QString>("status");
        QTest::newRow("weapons") << "reduce-deviation" << QList<int>{1234, 2000, 12, 0} << QList<int>{}
                                 << "1234 of 2000 weapons changed on 12 planes"
                                 << "Reduce Deviation: 1,234 weapons on 12 planes";
        QTest::newRow("no plane record") << "tracer-count" << QList<int>{0, 0, 0, 0} << QList<int>{}
                                         << "0 of 0 weapons changed on 0 planes"
                                         << "Set trasser count: no plane of this file has a plane record, so "
                                            "no weapon changed";
        QTest::newRow("planes") << "reduce-roll-inertia" << QList<int>{0, 0, 64, 3} << QList<int>{}
                                << "3 planes changed" << "Reduce Roll Inertia: 3 of 64 planes changed.";
        QTest::newRow("halved") << "half-damage" << QList<int>{0, 0, 0, 0} << QList<int>{}
                                << "AP and HE damage of ammunition 0 to 150 halved"
                                << "Half Damage: AP and HE damage of entries 0 to 150 halved.";
        QTest::newRow("one kept") << "double-damage" << QList<int>{0, 0, 0, 0} << QList<int>{7}
                                  << "AP and HE damage of ammunition 0 to 150 doubled; HE damage kept where its "
                                     "double does not fit: ammunition 7"
                                  << "Double Damage: AP and HE damage doubled; the HE damage of entry 7 was left "
                                     "as it was, as its double would not fit the field.";
        QTest::newRow("two kept") << "double-damage" << QList<int>{0, 0, 0, 0} << QList<int>{3, 12}
                                  << "AP and HE damage of ammunition 0 to 150 doubled; HE damage kept where its "
                                     "double does not fit: ammunition 3, 12"
                                  << "Double Damage: AP and HE damage doubled; the HE damage of entries 3, 12 was "
                                     "left as it was, as its double would not fit the field.";
    }
    void sentencesOfOneOutcome()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, counts);
        QFETCH(QList<int>, kept);
        const BatchOperation &op = vw::app::batchOperation(name.toLatin1().constData());
        BatchOutcome outcome;
        outcome.weaponsChanged = counts[0];
        outcome.weaponsVisited = counts[1];
        outcome.planesVisited = counts[2];
        outcome.planesChanged = counts[3];
        outcome.keptEntries = kept;
        QTEST(vw::app::batchSentence(op.shape, outcome), "cli");
        QTEST(vw::app::batchStatus(op, outcome), "status");
    }
};

VW_TEST(BatchCatalogueTest)

#include "ui_test_batch_catalogue.moc"
