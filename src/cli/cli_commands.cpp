#include "cli/cli_commands.h"

#include "datafile/data_file.h"
#include "datafile/directory_entry.h"
#include "datafile/sample_builder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace vw::cli {

using namespace vw::datafile;

namespace {

const char *const Usage =
    "usage: vornwing-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  info FILE [--json]        show the header, layout, table starts and planes of a plane data file\n"
    "  decrypt FILE OUT          write the deciphered copy of FILE (as \"Generate decrypted misc_.bin\")\n"
    "  encrypt FILE OUT          read a deciphered copy and write it enciphered\n"
    "  make-sample OUT [--layout 0|1|2] [--planes N] [--version N] [--seed N]\n"
    "                            write a valid enciphered plane data file with sample planes\n"
    "  help, --help              show this text\n";

struct UsageError {
    QString message;
};

struct Failure {
    QString file;
    QString reason;
};

// Writes the whole output at once; a failing command leaves no partial file.
void writeOutput(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Failure{path, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw Failure{path, reason};
    }
    if (!file.commit())
        throw Failure{path, file.errorString()};
}

DataFile load(const QString &path, bool decipher)
{
    try {
        return DataFile::ReadCfg(path, decipher);
    } catch (const FileError &e) {
        throw Failure{e.path(), e.reason()};
    }
}

QJsonObject infoObject(const DataFile &file)
{
    QJsonObject info;
    info[QStringLiteral("size")] = qint64(file.FileSize());
    info[QStringLiteral("version")] = file.FileVersion();
    info[QStringLiteral("layout")] = file.FileLayout();
    info[QStringLiteral("planes")] = file.PlaneCount();
    info[QStringLiteral("wings_table_start")] = file.WingsTableStart();
    info[QStringLiteral("damage_profile_start")] = file.DamageProfileStart();
    info[QStringLiteral("ammo_table_start")] = file.AmmoTableStart();
    QJsonArray planes;
    for (int p = 1; p <= file.PlaneCount(); ++p) {
        QJsonObject plane;
        plane[QStringLiteral("plane")] = p;
        plane[QStringLiteral("name")] = DirectoryEntry(file, p).name();
        plane[QStringLiteral("record_offset")] = qint64(file.recordOffset(p));
        plane[QStringLiteral("damage_map_offset")] = qint64(file.damageMapOffset(p));
        planes.append(plane);
    }
    info[QStringLiteral("plane_list")] = planes;
    return info;
}

int info(const QStringList &args, QTextStream &out)
{
    QStringList positional;
    bool json = false;
    for (const QString &arg : args) {
        if (arg == QLatin1String("--json"))
            json = true;
        else if (arg.startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("info: unknown option %1").arg(arg)};
        else
            positional << arg;
    }
    if (positional.size() != 1)
        throw UsageError{QStringLiteral("info takes one FILE")};
    const DataFile file = load(positional.first(), true);
    const QJsonObject object = infoObject(file);
    if (json) {
        out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return 0;
    }
    const char *const layouts[] = {"1 - Original format", "2 - Openhall plane format (128)",
                                   "3 - Openhall plane format (256)"};
    out << "File:                 " << positional.first() << '\n'
        << "Size:                 " << file.FileSize() << " bytes\n"
        << "Version:              " << file.FileVersion() << (file.FileVersion() == KeyedVersion ? " (keyed cipher)" : "")
        << '\n'
        << "Layout:               " << file.FileLayout() << " (" << layouts[file.FileLayout()] << ")\n"
        << "Planes:               " << file.PlaneCount() << '\n'
        << "Wings table:          " << file.WingsTableStart() << '\n'
        << "Damage profiles:      " << file.DamageProfileStart() << '\n'
        << "Ammunition table:     " << file.AmmoTableStart() << "\n\n";
    out << QStringLiteral("%1  %2  %3  %4\n").arg(QStringLiteral("Plane"), -5).arg(QStringLiteral("Name"), -18)
               .arg(QStringLiteral("Record"), 10).arg(QStringLiteral("Damage map"), 10);
    for (int p = 1; p <= file.PlaneCount(); ++p)
        out << QStringLiteral("%1  %2  %3  %4\n")
                   .arg(p, 5)
                   .arg(DirectoryEntry(file, p).name(), -18)
                   .arg(file.recordOffset(p), 10)
                   .arg(file.damageMapOffset(p), 10);
    const LoadReport &report = file.loadReport();
    for (int p : report.missingRecords)
        out << "warning: plane " << p << ": its plane record lies outside the file or over the directory\n";
    for (int p : report.missingDamageMaps)
        out << "warning: plane " << p << ": its damage map lies outside the file or over the directory\n";
    return 0;
}

int convert(const QStringList &args, bool toPlain)
{
    if (args.size() != 2)
        throw UsageError{QStringLiteral("%1 takes FILE and OUT").arg(toPlain ? "decrypt" : "encrypt")};
    const DataFile file = load(args[0], toPlain);
    try {
        writeOutput(args[1], file.toBytes(!toPlain));
    } catch (const FormatError &e) {
        throw Failure{args[0], e.reason()};
    }
    return 0;
}

int integerOption(const QStringList &args, int &i, const QString &name)
{
    if (i + 1 >= args.size())
        throw UsageError{QStringLiteral("%1 needs a number").arg(name)};
    bool ok = false;
    const int value = args[++i].toInt(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("%1 needs a number, not \"%2\"").arg(name, args[i])};
    return value;
}

int makeSample(const QStringList &args)
{
    SampleOptions options;
    QString out;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--layout"))
            options.layout = integerOption(args, i, arg);
        else if (arg == QLatin1String("--planes"))
            options.planes = integerOption(args, i, arg);
        else if (arg == QLatin1String("--version"))
            options.version = integerOption(args, i, arg);
        else if (arg == QLatin1String("--seed"))
            options.seed = quint32(integerOption(args, i, arg));
        else if (arg.startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("make-sample: unknown option %1").arg(arg)};
        else if (out.isEmpty())
            out = arg;
        else
            throw UsageError{QStringLiteral("make-sample takes one OUT")};
    }
    if (out.isEmpty())
        throw UsageError{QStringLiteral("make-sample needs OUT")};
    QByteArray bytes;
    try {
        bytes = buildSampleFile(options);
    } catch (const FormatError &e) {
        throw Failure{out, e.reason()};
    }
    writeOutput(out, bytes);
    return 0;
}

} // namespace

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty()) {
        err << Usage;
        return 2;
    }
    const QString command = arguments.first();
    const QStringList args = arguments.mid(1);
    try {
        if (command == QLatin1String("help") || command == QLatin1String("--help") || command == QLatin1String("-h")) {
            out << Usage;
            return 0;
        }
        if (command == QLatin1String("info"))
            return info(args, out);
        if (command == QLatin1String("decrypt"))
            return convert(args, true);
        if (command == QLatin1String("encrypt"))
            return convert(args, false);
        if (command == QLatin1String("make-sample"))
            return makeSample(args);
        throw UsageError{QStringLiteral("unknown command %1").arg(command)};
    } catch (const UsageError &e) {
        err << "vornwing-cli: " << e.message << "\n\n" << Usage;
        return 2;
    } catch (const Failure &e) {
        err << "vornwing-cli: " << e.file << ": " << e.reason << '\n';
        return 1;
    }
}

} // namespace vw::cli
