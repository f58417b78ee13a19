// Writes the seed corpora of the fuzz programs into the folder given:
// load_save/ (the sample files of each layout and cipher, and a few cut
// short), operations/ (a sample chosen by its first byte and short scripts)
// and json_import/ (exports of a sample plane and small patches).

#include "fuzz_support.h"

#include "core/planedata/plane_json.h"
#include "core/datafile/sample_builder.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

using namespace vw;

namespace {

bool put(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "fuzz_make_seeds: %s: %s\n", qPrintable(file.fileName()), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_seeds FOLDER\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (int i = 0; i < fuzz::sampleCount(); ++i) {
        const QByteArray &sample = fuzz::sampleFile(i);
        ok &= put(root + QStringLiteral("/load_save"), fuzz::sampleName(i), sample);
        ok &= put(root + QStringLiteral("/load_save"), fuzz::sampleName(i) + QStringLiteral("-cut"),
                  sample.left(sample.size() / 3));
        // Operations: the sample's number, no pokes, then each operation once
        // on planes 1 and 2.
        QByteArray script;
        script.append(char(i)).append(char(0));
        for (int op = 0; op < 40; ++op)
            script.append(char(op)).append(char(1)).append(char(0)).append(char(2)).append(char(0)).append(char(op));
        ok &= put(root + QStringLiteral("/operations"), fuzz::sampleName(i), script);
    }
    ok &= put(root + QStringLiteral("/load_save"), QStringLiteral("header-only"), QByteArray("\x10\x01\0\0\x05\0\0\0", 8));

    const datafile::DataFile file = datafile::DataFile::fromBytes(fuzz::sampleFile(0), true);
    const QString json = root + QStringLiteral("/json_import");
    ok &= put(json, QStringLiteral("plane1"), app::exportText(app::exportPlanes(file, {1})));
    ok &= put(json, QStringLiteral("plane2"), app::exportText(app::exportPlanes(file, {2})));
    ok &= put(json, QStringLiteral("ammo-name"),
              R"({"planes":[{"plane":1,"weapons":{"configurations":[{"weapons":[{"ammo":120}]}]}}]})");
    ok &= put(json, QStringLiteral("by-name"), R"({"planes":[{"name":"x","header":{"name":"Kestrel"}}]})");
    ok &= put(json, QStringLiteral("doubles"), R"({"planes":[{"plane":2,"primary":[1.5,"NAN","-INF","-0",1e308]}]})");
    ok &= put(json, QStringLiteral("empty"), "{}");
    return ok ? 0 : 1;
}
