#include "common/test_registry.h"

#include "core/planedata/patch_tree.h"
#include "core/planedata/plane_json.h"
#include "core/datafile/data_file.h"
#include "core/datafile/sample_builder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using vw::app::PatchTree;
using vw::app::PatchValue;

namespace {

// The same values as the import reads them: numbers by toDouble(), as Qt's parser keeps large whole numbers whole.
bool same(const PatchValue &v, const QJsonValue &q)
{
    if (v.isNull() || v.isBool() || v.isString())
        return v.isNull() ? q.isNull() : v.isBool() ? q.isBool() && q.toBool() == v.toBool() : q.isString() && q.toString() == v.toString();
    if (v.isDouble())
        return q.isDouble() && q.toDouble() == v.toDouble() && std::signbit(q.toDouble()) == std::signbit(v.toDouble());
    if (v.isArray() != q.isArray() || v.isObject() != q.isObject() || (!v.isArray() && !v.isObject()))
        return false;
    const QJsonArray list = q.toArray();
    const QJsonObject members = q.toObject();
    if (v.size() != (v.isArray() ? list.size() : members.size()))
        return false;
    for (qsizetype i = 0; i < v.size(); ++i)
        if (!(v.isArray() ? same(v.at(i), list.at(i)) : same(v.valueAt(i), members.value(QString::fromUtf8(v.keyAt(i))))))
            return false;
    return true;
}

// Where the one-pass reader takes a text, Qt's parser takes it too and reads the same values.
void checkAgainstQt(const QByteArray &text, bool *taken = nullptr)
{
    PatchTree tree;
    const bool read = tree.read(text);
    if (taken)
        *taken = read;
    if (!read)
        return;
    QJsonParseError error;
    const QJsonDocument qt = QJsonDocument::fromJson(text, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, text.left(80).constData());
    const QJsonValue expected = qt.isObject() ? QJsonValue(qt.object()) : QJsonValue(qt.array());
    QVERIFY2(same(tree.root(), expected), text.left(80).constData());
}

} // namespace

class PatchTreeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsWhatQtReads_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("taken"); // by the one-pass reader; else left to Qt's parser
        const auto row = [](const char *name, const QByteArray &text, bool taken) {
            QTest::newRow(name) << text << taken;
        };
        row("export-like", "{\"planes\": [{\"plane\": 3, \"primary\": {\"rows\": [1.5, -2e-3, 0, 1E+300]}}], \"w\": [true, false, null]}", true);
        row("texts and escapes", "[\"a\\\"b\\\\c\\/d\\b\\f\\n\\r\\t\", \"\\u00e9\\u20ac\", \"caf" "\xc3\xa9" "\", \"\\u0000\", \"\"]", true);
        row("empty containers", "{ \"a\" : { } , \"b\" : [ ] }\n", true);
        row("large whole numbers", "[9223372036854775807, 9223372036854775808, -9223372036854775809, 12345678901234567890123]", true);
        row("negative zeros", "[-0, -0.0, -0e5, 0.0]", true);
        row("smallest normal", "[2.2250738585072014e-308]", true);
        row("many keys", "{\"k1\":1,\"k2\":2,\"k3\":3,\"k4\":4,\"k5\":5,\"k6\":6,\"k7\":7,\"k8\":8,\"k9\":9,\"k10\":10,"
                         "\"k11\":11,\"k12\":12,\"k13\":13,\"k14\":14,\"k15\":15,\"k16\":16,\"k17\":17,\"k18\":18}", true);
        // Left to Qt's parser (which refuses, keeps the last, replaces or rounds in its own way).
        row("key given twice", "{\"a\": 1, \"a\": 2}", false);
        row("key given twice among many", "{\"k1\":1,\"k2\":2,\"k3\":3,\"k4\":4,\"k5\":5,\"k6\":6,\"k7\":7,\"k8\":8,\"k9\":9,"
                                         "\"k10\":10,\"k11\":11,\"k12\":12,\"k13\":13,\"k14\":14,\"k15\":15,\"k16\":16,\"k1\":17}", false);
        row("escaped key given twice", "{\"a\": 1, \"\\u0061\": 2}", false);
        row("long text", "[\"" + QByteArray(5000, 'x') + "\"]", false);
        row("lone surrogate", "[\"\\ud800\"]", false);
        row("surrogate pair", "[\"\\ud83d\\ude00\"]", false);
        row("control character", "[\"a\x01\"]", false);
        row("invalid UTF-8", "[\"\xff\"]", false);
        row("overlong UTF-8", "[\"\xc0\x80\"]", false);
        row("encoded surrogate", "[\"\xed\xa0\x80\"]", false);
        row("beyond U+10FFFF", "[\"\xf4\x90\x80\x80\"]", false);
        row("overflow", "[1e400]", false);
        row("underflow", "[1e-400]", false);
        row("subnormal", "[4.9e-324]", false);
        row("leading zero", "[01]", false);
        row("bare point", "[1.]", false);
        row("point first", "[.5]", false);
        row("plus sign", "[+1]", false);
        row("byte order mark", "\xef\xbb\xbf[1]", false);
        row("form feed", "[\f1]", false);
        row("top-level number", "5", false);
        row("garbage after", "[1] x", false);
        row("unterminated", "{\"a\": [1, 2", false);
        row("trailing comma", "[1, 2,]", false);
        row("deep", QByteArray(600, '[') + QByteArray(600, ']'), false);
        row("bad escape", "[\"\\x41\"]", false);
        row("empty", "", false);
    }
    void readsWhatQtReads()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, taken);
        bool read = false;
        checkAgainstQt(text, &read);
        QCOMPARE(read, taken);
        if (QByteArray(QTest::currentDataTag()) == "negative zeros") {
            PatchTree tree;
            QVERIFY(tree.read(text));
            const PatchValue zeros = tree.root();
            QVERIFY(zeros.at(0).isNegativeZero() && zeros.at(1).isNegativeZero() && zeros.at(2).isNegativeZero());
            QVERIFY(!zeros.at(3).isNegativeZero() && !std::signbit(zeros.at(0).toDouble()));
        }
    }

    // Bytes changed at random in an export: whatever the reader takes, Qt's parser reads the same.
    void mutatedExportsReadAsQtReads()
    {
        vw::datafile::SampleOptions o;
        o.planes = 2;
        const auto file = vw::datafile::DataFile::fromBytes(vw::datafile::buildSampleFile(o), true);
        const QByteArray exported = vw::app::exportText(vw::app::exportPlanes(file, {1}));
        QRandomGenerator random(20261209);
        const char alphabet[] = "{}[],:\"\\-+.0e9 ntfu\xc3\xa9\x01";
        int taken = 0;
        for (int round = 0; round < 300; ++round) {
            QByteArray text = exported;
            for (int edit = random.bounded(1, 4); edit > 0; --edit)
                text[random.bounded(int(text.size()))] = alphabet[random.bounded(int(sizeof alphabet - 1))];
            bool read = false;
            checkAgainstQt(text, &read);
            if (QTest::currentTestFailed())
                return;
            taken += read ? 1 : 0;
        }
        bool whole = false;
        checkAgainstQt(exported, &whole);
        QVERIFY(whole);
        QVERIFY(taken > 0); // some changes leave plain JSON
    }
};

VW_TEST(PatchTreeTest)
#include "test_patch_tree.moc"
