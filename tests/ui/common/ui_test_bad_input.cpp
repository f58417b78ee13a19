#include "common/test_registry.h"
#include "common/widget_walk.h"
#include "common/ui_weapons_support.h"

#include <QUndoStack>

#include <cstring>

using vwtest::OpenEditor;
using vwtest::TestWorkspace;

namespace {

// The first and last byte that differ ({size, -1} when none does), found a
// block at a time: the sanitizer build walks the image after every edit.
std::pair<qsizetype, qsizetype> changedSpan(const QByteArray &a, const QByteArray &b)
{
    constexpr qsizetype Block = 4096;
    const qsizetype size = a.size();
    qsizetype first = 0, last = size;
    while (first < size && std::memcmp(a.constData() + first, b.constData() + first, std::min(Block, size - first)) == 0)
        first += Block;
    while (first < size && a[first] == b[first])
        ++first;
    while (last - Block > first && std::memcmp(a.constData() + last - Block, b.constData() + last - Block, Block) == 0)
        last -= Block;
    --last;
    while (last >= first && a[last] == b[last])
        --last;
    return {first, last};
}

} // namespace

// Bad text typed into every field and grid cell of every page: the editor
// stays up, stores at most the bytes of that one field (a defined value, or
// nothing when it refuses the text), and one undo gives the file back.
class BadInputTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyFieldTakesBadText_data()
    {
        QTest::addColumn<QString>("text");
        const QStringList texts = {QString(), QStringLiteral("-"), QStringLiteral("+"), QStringLiteral("abc"),
                                   QStringLiteral("1,5"), QStringLiteral("1.5"), QStringLiteral("1e308"),
                                   QStringLiteral("-1e999"), QStringLiteral("nan"), QStringLiteral("inf"),
                                   QStringLiteral("-Infinity"), QString(10000, QLatin1Char('7')),
                                   QStringLiteral("Привет"), QStringLiteral("日本")};
        for (const QString &text : texts)
            QTest::newRow(qPrintable(text.left(12).isEmpty() ? QStringLiteral("empty") : text.left(12))) << text;
    }

    void everyFieldTakesBadText()
    {
        QFETCH(QString, text);
        TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        OpenEditor e(workspace);
        e.choosePlane(2);
        const QList<vwtest::TypingPlace> places = vwtest::typingPlaces(e.editor.get());
        QVERIFY(places.size() > 100);
        QUndoStack *undo = e.editor->undoStack();
        int stored = 0;
        for (const vwtest::TypingPlace &place : places) {
            const QByteArray before = e.image();
            const int history = undo->index();
            vwtest::typeInto(place, text);
            const QByteArray after = e.image();
            stored += after != before;
            QVERIFY2(after.size() == before.size(), qPrintable(place.name));
            const auto [first, last] = changedSpan(before, after);
            // The widest field a user types into is a fixed-width text of the header.
            QVERIFY2(last - first < 64, qPrintable(QStringLiteral("%1 changed bytes %2..%3").arg(place.name).arg(first).arg(last)));
            undo->setIndex(history);
            QVERIFY2(e.image() == before, qPrintable(place.name + QStringLiteral(": undo did not give the file back")));
        }
        // A plain number reaches the file through most places: the walk types where a user does.
        if (text == QStringLiteral("1.5"))
            QVERIFY2(stored > places.size() / 2, qPrintable(QStringLiteral("%1 of %2").arg(stored).arg(places.size())));
    }
};

VW_TEST(BadInputTest)
#include "ui_test_bad_input.moc"
