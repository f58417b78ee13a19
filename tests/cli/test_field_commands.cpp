#include "common/test_registry.h"

#include "cli/cli_commands.h"
#include "core/datafile/data_file.h"
#include "core/datafile/sample_builder.h"
#include "core/datafile/sample_support.h"
#include "core/planedata/field_schema.h"
#include "core/planedata/plane_json.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vw::datafile;

namespace {

QByteArray sampleExport(int layout, const QStringList &labels = {})
{
    SampleOptions o;
    o.layout = layout;
    o.version = defaultSampleVersion(layout);
    o.planes = 3;
    return vw::app::exportFileText(DataFile::fromBytes(buildSampleFile(o), true), {}, labels);
}

// Every leaf of a document as a pattern: array indices as [*].
void collectLeaves(const QJsonValue &v, const QString &path, QSet<QString> &out)
{
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            collectLeaves(it.value(), path.isEmpty() ? it.key() : path + QLatin1Char('.') + it.key(), out);
    } else if (v.isArray()) {
        for (const QJsonValue &e : v.toArray())
            collectLeaves(e, path + QStringLiteral("[*]"), out);
    } else if (!v.isNull()) {
        out.insert(path);
    }
}

} // namespace

class FieldCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    static int run(const QStringList &arguments, QString *outText)
    {
        QString err;
        QTextStream o(outText), e(&err);
        const int code = vw::cli::run(arguments, o, e);
        o.flush();
        return code;
    }

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>(vwtest::scratchTemplate());
        QVERIFY(dir_->isValid());
    }

    void schemaFileIsTheGeneratedOne()
    {
        QFile file(QStringLiteral(VW_SOURCE_DIR "/data/schema/plane-data.schema.json"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QVERIFY2(file.readAll() == vw::app::exportSchemaText(),
                 "data/schema/plane-data.schema.json is stale: vornwing-cli schema > data/schema/plane-data.schema.json");
        QString out;
        QCOMPARE(run({QStringLiteral("schema")}, &out), 0);
        QCOMPARE(out.toUtf8(), vw::app::exportSchemaText());
    }

    void exportsValidateAgainstTheSchema_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<bool>("valid");
        for (int layout = 0; layout <= 2; ++layout)
            QTest::addRow("layout %d", layout) << sampleExport(layout) << true;
        QTest::newRow("labelled rows") << sampleExport(1, {QStringLiteral("Base weight (lb)"), QStringLiteral("Span")}) << true;
        QByteArray broken = sampleExport(1);
        broken.replace(QRegularExpression(QStringLiteral("\"ammo\": \\d+")).match(QString::fromUtf8(broken)).captured().toUtf8(),
                       "\"ammo\": \"250\"");
        QTest::newRow("text for an integer") << broken << false;
        QByteArray wide = sampleExport(0);
        wide.replace("\"plane_type\": ", "\"plane_type\": 256");
        QTest::newRow("integer wider than its bytes") << wide << false;
    }
    void exportsValidateAgainstTheSchema()
    {
        QFETCH(QByteArray, document);
        QFETCH(bool, valid);
        if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
            QSKIP("python3 is not installed");
        const QString schemaPath = dir_->filePath(QStringLiteral("schema.json")), docPath = dir_->filePath(QStringLiteral("export.json"));
        QFile schema(schemaPath), doc(docPath);
        QVERIFY(schema.open(QIODevice::WriteOnly) && schema.write(vw::app::exportSchemaText()) > 0);
        QVERIFY(doc.open(QIODevice::WriteOnly) && doc.write(document) > 0);
        schema.close();
        doc.close();
        QProcess python;
        python.start(QStringLiteral("python3"),
                     {QStringLiteral("-c"), QStringLiteral("import json, sys\n"
                                                           "try:\n    import jsonschema\nexcept ImportError:\n    sys.exit(3)\n"
                                                           "schema = json.load(open(sys.argv[1]))\n"
                                                           "jsonschema.Draft202012Validator.check_schema(schema)\n"
                                                           "errors = list(jsonschema.Draft202012Validator(schema).iter_errors(json.load(open(sys.argv[2]))))\n"
                                                           "for e in errors[:5]:\n    print(list(e.absolute_path), e.message[:200])\n"
                                                           "sys.exit(1 if errors else 0)\n"),
                      schemaPath, docPath});
        QVERIFY(python.waitForFinished(120000));
        if (python.exitCode() == 3)
            QSKIP("python3-jsonschema is not installed");
        const QByteArray said = python.readAllStandardOutput() + python.readAllStandardError();
        QVERIFY2(python.exitCode() == (valid ? 0 : 1), said.constData());
    }

    // Every leaf of every layout's export is a listed pattern, and every listed pattern is written by some export.
    void fieldsListEveryLeafOfTheExport()
    {
        QString out;
        QCOMPARE(run({QStringLiteral("fields"), QStringLiteral("--json")}, &out), 0);
        QSet<QString> listed;
        for (const QJsonValue &v : QJsonDocument::fromJson(out.toUtf8()).array()) {
            const QJsonObject o = v.toObject();
            for (const char *key : {"pattern", "label", "kind", "page"})
                QVERIFY2(!o.value(QLatin1String(key)).toString().isEmpty(), qPrintable(o.value(QLatin1String("pattern")).toString()));
            listed.insert(o.value(QLatin1String("pattern")).toString());
        }
        QSet<QString> written;
        for (int layout = 0; layout <= 2; ++layout) {
            QSet<QString> leaves;
            collectLeaves(QJsonDocument::fromJson(sampleExport(layout)).object(), QString(), leaves);
            for (const QString &leaf : leaves)
                QVERIFY2(listed.contains(leaf), qPrintable(leaf));
            written += leaves;
        }
        for (const QString &pattern : listed)
            QVERIFY2(written.contains(pattern), qPrintable(pattern));
        QString text;
        QCOMPARE(run({QStringLiteral("fields")}, &text), 0);
        QVERIFY(text.contains(QStringLiteral("planes[*].weapons.configurations[*].weapons[*].ammo\tAmmo\tu16\t0..30000\tweapons\n")));
        QCOMPARE(text.count(QLatin1Char('\n')), listed.size());
    }
};

VW_TEST(FieldCommandsTest)
#include "test_field_commands.moc"
