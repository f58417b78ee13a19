#include "cli/cli_commands.h"

#include "core/operations/batch_operations.h"
#include "core/operations/field_query.h"
#include "core/flightmodel/plane_header.h"
#include "core/planedata/field_schema.h"
#include "core/planedata/field_table.h"
#include "core/planedata/file_check.h"
#include "core/planedata/plane_diff.h"
#include "core/planedata/plane_import.h"
#include "core/planedata/plane_json.h"
#include "core/operations/plane_merge.h"
#include "core/operations/plane_reports.h"
#include "core/operations/plane_table.h"
#include "core/planedata/field_lines.h"
#include "core/planedata/shown_text.h"
#include "core/workspace/support_files.h"
#include "core/workspace/version.h"
#include "core/datafile/data_file.h"
#include "core/datafile/directory_entry.h"
#include "core/datafile/file_access.h"
#include "core/operations/format_maintenance.h"
#include "core/datafile/number_text.h"
#include "core/datafile/sample_builder.h"
#include "scripting/script_host.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <exception>
#include <future>
#include <optional>
#include <thread>
#include <utility>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vw::cli {

using namespace vw::datafile;

namespace {

const char *const Usage =
    "usage: vornwing-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  info FILE [--json]        show the header, layout, table starts and planes of a plane data file\n"
    "  export FILE [-o OUT.json] [--plane N]...\n"
    "                            write every field of every plane (or the planes given) and the shared\n"
    "                            tables as one JSON document, e.g. export misc.bin --plane 7 -o kestrel.json\n"
    "  diff A B [--json]         list the fields that differ, one a line (exit 0 equal, 1 different),\n"
    "                            e.g. \"plane 7 Kestrel, weapons, config 2, weapon 3, ammo: 250 -> 300\"\n"
    "  textconv FILE             list every field as \"PATH = VALUE\", one a line, planes in order\n"
    "                            (for version control: diff.vornwing.textconv)\n"
    "  merge BASE OURS THEIRS -o OUT [--prefer ours|theirs] [--json]\n"
    "                            three-way merge, field by field; conflicts are listed as\n"
    "                            \"path (label): base X, ours Y, theirs Z\" (exit 0 clean, 1 conflicts:\n"
    "                            OUT is written only with --prefer, 2 trouble)\n"
    "  revert FILE REF -o OUT [PATTERN...]\n"
    "                            the fields the patterns match (every field when none is given) take\n"
    "                            the values of the reference file REF (the stock file); each reverted\n"
    "                            field is listed as diff lists it\n"
    "  fields [--json]           list every field the export writes: pattern, label, kind, range and page,\n"
    "                            tab-separated, one a line (--json: one array of objects)\n"
    "  schema                    print the JSON Schema (draft 2020-12) of the export's document\n"
    "  import FILE PATCH.json -o OUT\n"
    "                            write the fields a JSON document of the export's shape names; a patch\n"
    "                            with any fault is refused with its place, and nothing is written\n"
    "  check FILE                list the file's structural faults, one a line (exit 1 when there is any)\n"
    "  decrypt FILE OUT          write the deciphered copy of FILE (as \"Generate decrypted misc_.bin\")\n"
    "  encrypt FILE OUT          read a deciphered copy and write it enciphered\n"
    "  make-sample OUT [--layout 0|1|2] [--planes 0..254] [--version 0..65535] [--seed N]\n"
    "                            write a valid enciphered plane data file with sample planes\n"
    "  convert FILE OUT --to 256\n"
    "                            make room for 256 planes in a 128-plane file (as \"Add header for 128 planes\")\n"
    "  regenerate FILE OUT --planes 0..254\n"
    "                            set the number of planes, then give new planes their blocks\n"
    "                            (as \"Regenerate Offsets\")\n"
    "  report FILE --kind plain|sound|dm|climb|weight|fuel [--html] [-o OUT]\n"
    "                            write a plane list report (as \"Generate Plane list\"); --html only with fuel;\n"
    "                            to standard output without -o\n"
    "  batch FILE -o OUT OP...   run batch adjustments in the order given and save enciphered to OUT, e.g.\n"
    "                            batch misc.bin -o new.bin reduce-deviation bomb-deviation=1,1.5; one line a step\n"
    "                            on standard error. OP: bursts-to-ammo, reduce-deviation,\n"
    "                            bomb-deviation[=FIGHTER,BOMBER], tracer-count, halve-fire-delay,\n"
    "                            remove-skip-bombs, half-damage, double-damage, reduce-roll-inertia,\n"
    "                            reduce-low-speed-handling, increase-low-speed-handling,\n"
    "                            add-room-for-256-planes, regenerate-offsets\n"
    "  find FILE CONDITION... [--json]\n"
    "                            list the fields whose values satisfy the conditions: path, plane name,\n"
    "                            label and value, tab-separated, e.g. find misc.bin\n"
    "                            'planes[*].weapons.configurations[*].weapons[*].ammo_type == 37'\n"
    "                            'planes[*].header.plane_type == 1' (exit 0 found, 1 none, 2 trouble)\n"
    "  edit FILE -o OUT ASSIGNMENT... [--where CONDITION]... [--dry-run]\n"
    "                            change fields by a rule and save enciphered to OUT, e.g. edit misc.bin\n"
    "                            -o new.bin 'planes[*].weapons.configurations[*].weapons[*].deviation *= 0.8'\n"
    "                            --where 'planes[*].header.plane_type == 1'; each change a line, then the count.\n"
    "                            CONDITION: PATTERN ==, !=, <, <=, >, >= or ~ (contains) a number or \"text\";\n"
    "                            ASSIGNMENT: PATTERN =, +=, -=, *=, /=, min= or max= a number, \"text\" or pattern\n"
    "  table FILE COLUMN... [--format csv|tsv] [--labels] [-o OUT]\n"
    "                            write the fields as a spreadsheet table: one row per element the first\n"
    "                            column's wildcards stand for (every column has the same), its numbers first,\n"
    "                            e.g. table misc.bin 'planes[*].header.name' 'planes[*].primary.rows[16]';\n"
    "                            the header holds the patterns (--labels: the labels); CSV unless OUT ends .tsv\n"
    "  import-table FILE TABLE -o OUT [--format csv|tsv]\n"
    "                            write a table of that shape onto the file; an empty cell leaves its field;\n"
    "                            a table with any fault is refused by row and column, and nothing is written\n"
    "  script FILE SCRIPT.js [-o OUT] [--dry-run] [--timeout SECONDS]\n"
    "                            run a JavaScript script on the file: what it prints, then each change a\n"
    "                            line and the count; saved enciphered to OUT. Without -o a script that\n"
    "                            changes a field fails (--dry-run lists the changes, writes nothing).\n"
    "                            An exception or a run past the time limit (10 s) changes nothing (exit 1)\n"
    "  help, --help              show this text\n"
    "\n"
    "A FILE (and import's PATCH) of - is read from standard input, an OUT of - is written to\n"
    "standard output.\n"
    "OUT is replaced in one step when it is a regular file or a new name; a folder, a FIFO,\n"
    "a device or another special file is refused. When import, convert, regenerate, batch, edit or script\n"
    "write over their FILE (merge over OURS), the old file is kept beside it as FILE.bak first.\n"
    "Exit status: 0 success, 1 failure, 2 bad usage (diff: 0 equal, 1 different, 2 trouble;\n"
    "merge: 0 clean, 1 conflicts, 2 trouble; find: 0 found, 1 none, 2 trouble; find and edit:\n"
    "2 for a condition or assignment in error; table and import-table: 2 for a column in error).\n";

const char *const TryHelp = "Try 'vornwing-cli --help' for more information.";

const QString StandardInput = QStringLiteral("standard input");
const QString StandardOutput = QStringLiteral("standard output");
// The C library's descriptors of the standard streams, the same on every system.
constexpr int StandardInputDescriptor = 0;
constexpr int StandardOutputDescriptor = 1;

struct UsageError {
    QString message;
};

struct HelpRequested {};

struct VersionRequested {};

struct Failure {
    QString file;
    QString reason;
    int code = 1; // diff: 2, it could not compare
};

// Every message of the tool in one style, as other command-line tools write
// theirs: one line that starts with a lower-case word (a word in capitals,
// such as JSON or OUT, stays as it is) and ends without a full stop.
QString messageStyle(QString text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\\s*\n\\s*"));
    text = text.trimmed().replace(lineBreak, QStringLiteral(" "));
    if (text.endsWith(QLatin1Char('.')) && !text.endsWith(QLatin1String("...")))
        text.chop(1);
    if (text.size() > 1 && text[0].isUpper() && !text[1].isUpper())
        text[0] = text[0].toLower();
    return text;
}

// Parses the arguments of one command: its options and exactly the named
// FILE/OUT arguments, none of them empty; a last name ending in "..." takes
// one or more.
QStringList parseCommand(QCommandLineParser &parser, const QString &command, const QStringList &arguments,
                         const QStringList &names)
{
    // "-json" is an unknown option, not the letters j, s, o and n.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show the usage."));
    parser.addOption(help);
    if (!parser.parse(QStringList{QStringLiteral("vornwing-cli")} + arguments))
        throw UsageError{command + QStringLiteral(": ") + messageStyle(parser.errorText())};
    if (parser.isSet(help))
        throw HelpRequested{};
    const QStringList positional = parser.positionalArguments();
    // "CONDITION...": one or more; "[PATTERN...]": none or more.
    const bool optional = !names.isEmpty() && names.last().endsWith(QLatin1String("...]"));
    const bool more = optional || (!names.isEmpty() && names.last().endsWith(QLatin1String("...")));
    const qsizetype least = names.size() - (optional ? 1 : 0);
    if (more ? positional.size() < least : positional.size() != names.size())
        throw UsageError{names.isEmpty() ? QStringLiteral("%1 takes no arguments").arg(command)
                                         : QStringLiteral("%1 takes %2").arg(command, names.join(QStringLiteral(" and ")))};
    for (qsizetype i = 0; i < positional.size(); ++i)
        if (positional[i].isEmpty())
            throw UsageError{QStringLiteral("%1: %2 is an empty name").arg(command, names[std::min(i, names.size() - 1)])};
    return positional;
}

// An integer option of a command within its range; out of range is bad usage.
qint64 integerOption(const QString &command, const QCommandLineParser &parser, const QString &name, qint64 min,
                     qint64 max, qint64 fallback)
{
    if (!parser.isSet(name))
        return fallback;
    const QString text = parser.value(name);
    bool ok = false;
    const qint64 value = readInteger(text, 0, &ok);
    if (!ok)
        throw UsageError{QStringLiteral("%1: --%2 needs a number, not \"%3\"").arg(command, name, text)};
    if (value < min || value > max)
        throw UsageError{
            QStringLiteral("%1: --%2 must be %3 to %4, not %5").arg(command, name).arg(min).arg(max).arg(value)};
    return value;
}

// An integer option of make-sample within its range.
qint64 integerOption(const QCommandLineParser &parser, const QString &name, qint64 min, qint64 max, qint64 fallback)
{
    return integerOption(QStringLiteral("make-sample"), parser, name, min, max, fallback);
}

// The whole output at once: a file is replaced in one step (a failing command
// leaves no partial file); "-" goes to standard output.
void writeOutput(const QString &path, const QByteArray &bytes)
{
    try {
        if (path == QLatin1String("-"))
            writeStream(StandardOutputDescriptor, StandardOutput, bytes);
        else
            writeFileAtomically(path, bytes);
    } catch (const FileError &e) {
        throw Failure{e.path(), e.reason()};
    }
}

DataFile load(const QString &path, bool decipher)
{
    try {
        if (path == QLatin1String("-"))
            return DataFile::ReadCfg(StandardInputDescriptor, StandardInput, decipher);
        return DataFile::ReadCfg(path, decipher);
    } catch (const FileError &e) {
        throw Failure{e.path(), e.reason()};
    } catch (const FormatError &e) {
        throw Failure{path == QLatin1String("-") ? StandardInput : path, e.reason()};
    }
}

// Two files, read side by side unless both come from standard input; where
// both fail, the first one's failure is reported.
std::pair<DataFile, DataFile> loadBoth(const QString &first, const QString &second)
{
    if (first == QLatin1String("-") && second == QLatin1String("-")) {
        DataFile a = load(first, true);
        return {std::move(a), load(second, true)};
    }
    std::optional<DataFile> b;
    std::exception_ptr failed;
    std::jthread reading([&] {
        try {
            b.emplace(load(second, true));
        } catch (...) {
            failed = std::current_exception();
        }
    });
    DataFile a = load(first, true);
    reading.join();
    if (failed)
        std::rethrow_exception(failed);
    return {std::move(a), std::move(*b)};
}

QJsonObject infoObject(const DataFile &file)
{
    QJsonObject info;
    info[QStringLiteral("size")] = qint64(file.FileSize());
    info[QStringLiteral("version")] = file.FileVersion();
    info[QStringLiteral("layout")] = file.FileLayout();
    info[QStringLiteral("planes")] = std::max(0, file.PlaneCount()); // a count byte of 0 means no planes
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

// What the editor says after loading a file with structural faults: how many
// and the first few, on standard error, so that a file that is no plane data
// is seen; "check" lists them all.
void warnOfFaults(const QString &path, const DataFile &file, QTextStream &err)
{
    const QStringList faults = app::checkFile(file);
    if (faults.isEmpty())
        return;
    constexpr int Shown = 5;
    const QString shownPath = path == QLatin1String("-") ? StandardInput : path;
    err << "vornwing-cli: " << shownPath << ": warning: the structural check found " << faults.size()
        << (faults.size() == 1 ? " fault" : " faults") << "; 'vornwing-cli check' lists "
        << (faults.size() == 1 ? "it" : "them all") << '\n';
    for (const QString &fault : faults.mid(0, Shown))
        err << "  " << fault << '\n';
    if (faults.size() > Shown)
        err << "  ...\n";
}

int info(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON object."));
    parser.addOption(json);
    const QString path = parseCommand(parser, QStringLiteral("info"), args, {QStringLiteral("FILE")}).first();
    const DataFile file = load(path, true);
    const QJsonObject object = infoObject(file);
    warnOfFaults(path, file, err);
    if (parser.isSet(json)) {
        out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return 0;
    }
    const char *const layouts[] = {"1 - Original format", "2 - Openhall plane format (128)",
                                   "3 - Openhall plane format (256)"};
    out << "File:                 " << (path == QLatin1String("-") ? StandardInput : path) << '\n'
        << "Size:                 " << file.FileSize() << " bytes\n"
        << "Version:              " << file.FileVersion() << (file.FileVersion() == KeyedVersion ? " (keyed cipher)" : "")
        << '\n'
        << "Layout:               " << file.FileLayout() << " (" << layouts[file.FileLayout()] << ")\n"
        << "Planes:               " << std::max(0, file.PlaneCount()) << '\n'
        << "Wings table:          " << file.WingsTableStart() << '\n'
        << "Damage profiles:      " << file.DamageProfileStart() << '\n'
        << "Ammunition table:     " << file.AmmoTableStart() << "\n\n";
    out << QStringLiteral("%1  %2  %3  %4\n").arg(QStringLiteral("Plane"), -5).arg(QStringLiteral("Name"), -18)
               .arg(QStringLiteral("Record"), 10).arg(QStringLiteral("Damage map"), 10);
    for (int p = 1; p <= file.PlaneCount(); ++p)
        out << QStringLiteral("%1  %2  %3  %4\n")
                   .arg(p, 5)
                   .arg(app::escapedControls(DirectoryEntry(file, p).name()), -18)
                   .arg(file.recordOffset(p), 10)
                   .arg(file.damageMapOffset(p), 10);
    const LoadReport &report = file.loadReport();
    for (int p : report.missingRecords)
        out << "warning: plane " << p << ": its plane record lies outside the file or over the directory\n";
    for (int p : report.missingDamageMaps)
        out << "warning: plane " << p << ": its damage map lies outside the file or over the directory\n";
    return 0;
}

// The plane data as JSON, its differences and its structural faults: the
// work is done in core/planedata (plane_json, plane_diff and file_check).
int exportPlanes(const QStringList &args, QTextStream &out)
{
    QCommandLineParser parser;
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Output file."),
                                    QStringLiteral("OUT"));
    const QCommandLineOption plane(QStringLiteral("plane"), QStringLiteral("A plane to export."), QStringLiteral("N"));
    const QCommandLineOption fm(QStringLiteral("fm"), QStringLiteral("FM.dat, whose lines label the primary rows."),
                                QStringLiteral("FILE"));
    parser.addOptions({output, plane, fm});
    const QString path = parseCommand(parser, QStringLiteral("export"), args, {QStringLiteral("FILE")}).first();
    QList<int> planes;
    for (const QString &text : parser.values(plane)) {
        bool ok = false;
        const qint64 p = readInteger(text, 0, &ok);
        if (!ok || p < 1 || p > MaxPlaneCount)
            throw UsageError{QStringLiteral("export: --plane needs a plane number 1 to %1, not \"%2\"").arg(MaxPlaneCount).arg(text)};
        planes.append(int(p));
    }
    QStringList labels;
    if (parser.isSet(fm)) {
        const QString fmPath = parser.value(fm);
        const app::TextLines lines = app::readTextLines(fmPath);
        if (!lines.found)
            throw Failure{fmPath, lines.reason};
        labels = app::fmLabels(lines.lines).labels;
    }
    const DataFile file = load(path, true);
    QByteArray text;
    try {
        text = app::exportFileText(file, planes, labels);
    } catch (const FormatError &e) {
        throw Failure{path, e.reason()};
    }
    if (!parser.isSet(output)) {
        out.flush();
        if (out.device())
            out.device()->write(text);
        else
            out << QString::fromUtf8(text);
        return 0;
    }
    writeOutput(parser.value(output), text);
    return 0;
}

// One difference as an element of diff --json's array, as QJsonDocument
// indents it: {"from", "label", "path", "to", "where"}.
void appendDifferenceJson(QByteArray &text, const app::FieldDifference &d, bool first)
{
    const auto value = [](const QJsonValue &v, bool integer) -> QByteArray {
        if (v.isDouble())
            return integer ? QByteArray::number(v.toInteger()) : app::shortestNumber(v.toDouble());
        // Strings, nulls, booleans and whole parts as QJsonDocument writes them, indented to their place.
        QByteArray one = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Indented);
        one = one.mid(2, one.size() - 5).trimmed(); // inside "[\n" ... "\n]\n"
        one.replace("\n", "\n    ");
        return one;
    };
    const auto string = [&](const QString &s) { return value(QJsonValue(s), false); };
    text += first ? "[\n" : ",\n";
    text += "    {\n        \"from\": " + value(d.from, d.integer) + ",\n        \"label\": " + string(d.label)
            + ",\n        \"path\": " + string(d.path) + ",\n        \"to\": " + value(d.to, d.integer)
            + ",\n        \"where\": " + string(d.where) + "\n    }";
}

int diff(const QStringList &args, QTextStream &out)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON array."));
    parser.addOption(json);
    const QStringList paths = parseCommand(parser, QStringLiteral("diff"), args, {QStringLiteral("A"), QStringLiteral("B")});
    // As diff and cmp: 0 the same, 1 different, 2 the files could not be compared.
    // The differences are made into text as they are found, with no list of
    // them kept (a pair of files whose every value differs has some 200,000),
    // and written once both files were read and compared.
    QByteArray text;
    QString lines; // made into UTF-8 at once
    qsizetype found = 0;
    const bool asJson = parser.isSet(json);
    const auto emit = [&](const app::FieldDifference &d) {
        if (asJson) {
            appendDifferenceJson(text, d, found == 0);
        } else {
            app::appendDifferenceLine(lines, d);
            lines += QLatin1Char('\n');
        }
        ++found;
    };
    try {
        const auto [a, b] = loadBoth(paths[0], paths[1]);
        app::diffFiles(a, b, emit);
    } catch (Failure &e) {
        e.code = 2;
        throw;
    } catch (const FormatError &e) {
        throw Failure{paths[0] + QStringLiteral(", ") + paths[1], e.reason(), 2};
    }
    if (asJson)
        text += found == 0 ? QByteArray("[\n]\n") : QByteArray("\n]\n");
    else
        text = lines.toUtf8();
    out.flush();
    if (out.device())
        out.device()->write(text);
    else
        out << QString::fromUtf8(text);
    return found == 0 ? 0 : 1;
}

int check(const QStringList &args, QTextStream &out)
{
    QCommandLineParser parser;
    const QString path = parseCommand(parser, QStringLiteral("check"), args, {QStringLiteral("FILE")}).first();
    const QStringList findings = app::checkFile(load(path, true));
    for (const QString &finding : findings)
        out << finding << '\n';
    return findings.isEmpty() ? 0 : 1;
}

int convert(const QStringList &args, bool toPlain)
{
    QCommandLineParser parser;
    const QStringList paths = parseCommand(parser, QLatin1String(toPlain ? "decrypt" : "encrypt"), args,
                                           {QStringLiteral("FILE"), QStringLiteral("OUT")});
    const DataFile file = load(paths[0], toPlain);
    QByteArray bytes;
    try {
        bytes = file.toBytes(!toPlain);
    } catch (const FormatError &e) {
        throw Failure{paths[0], e.reason()};
    }
    writeOutput(paths[1], bytes);
    return 0;
}

int makeSample(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addOptions({{QStringLiteral("layout"), QStringLiteral("Layout of the file."), QStringLiteral("0|1|2")},
                       {QStringLiteral("planes"), QStringLiteral("Number of planes."), QStringLiteral("N")},
                       {QStringLiteral("version"), QStringLiteral("File version."), QStringLiteral("N")},
                       {QStringLiteral("seed"), QStringLiteral("Seed of the sample values."), QStringLiteral("N")}});
    const QString out = parseCommand(parser, QStringLiteral("make-sample"), args, {QStringLiteral("OUT")}).first();
    SampleOptions options;
    options.layout = int(integerOption(parser, QStringLiteral("layout"), OriginalLayout, Openhall256Layout, options.layout));
    options.planes = int(integerOption(parser, QStringLiteral("planes"), 0, MaxPlaneCount, options.planes));
    options.version = int(integerOption(parser, QStringLiteral("version"), 0, 65535, options.version));
    options.seed = quint32(integerOption(parser, QStringLiteral("seed"), 0, 0xFFFFFFFFLL, options.seed));
    QByteArray bytes;
    try {
        bytes = buildSampleFile(options);
    } catch (const FormatError &e) {
        // A combination the layout cannot hold (64 planes in the original
        // layout, a version of another layout).
        throw Failure{out, e.reason()};
    }
    writeOutput(out, bytes);
    return 0;
}

// Whether standard output is a terminal (not a file or a pipe).
bool standardOutputIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(StandardOutputDescriptor) != 0;
#else
    return isatty(StandardOutputDescriptor) != 0;
#endif
}

// How messages call FILE.
QString inputName(const QString &path)
{
    return path == QLatin1String("-") ? StandardInput : path;
}

// Whether OUT names the file that FILE was read from, however the path is
// spelt (through a symbolic link too).
bool namesInput(const QString &out, const QString &input)
{
    if (out == QLatin1String("-") || input == QLatin1String("-") || !QFileInfo::exists(out))
        return false;
    return BackupRegistry::key(out) == BackupRegistry::key(input);
}

// A changed file saved enciphered, as the editor saves it. Written over the
// file it was read from, the old file is kept as <name>.bak first, as the
// editor's first save over a file keeps it.
void saveEnciphered(DataFile &file, const QString &input, const QString &out)
{
    if (namesInput(out, input)) {
        BackupRegistry backups;
        try {
            file.SaveCfg(out, true, &backups);
        } catch (const FormatError &e) {
            throw Failure{inputName(input), e.reason()};
        } catch (const FileError &e) {
            throw Failure{e.path(), e.reason()};
        }
        return;
    }
    QByteArray bytes;
    try {
        bytes = file.toBytes(true);
    } catch (const FormatError &e) {
        throw Failure{inputName(input), e.reason()};
    }
    writeOutput(out, bytes);
}

// A patch of the export's shape written onto the file; core/planedata/plane_import does the work.
int importPatch(const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Output file."),
                                    QStringLiteral("OUT"));
    parser.addOption(output);
    const QStringList paths = parseCommand(parser, QStringLiteral("import"), args, {QStringLiteral("FILE"), QStringLiteral("PATCH")});
    if (!parser.isSet(output) || parser.value(output).isEmpty())
        throw UsageError{QStringLiteral("import needs -o OUT")};
    if (paths[0] == QLatin1String("-") && paths[1] == QLatin1String("-"))
        throw UsageError{QStringLiteral("import: FILE and PATCH cannot both be standard input")};
    QByteArray text;
    const QString patchLimit = QStringLiteral("a patch is at most 256 MB");
    try {
        // "-" reads the patch from standard input, as FILE does.
        text = paths[1] == QLatin1String("-")
                   ? readStream(StandardInputDescriptor, StandardInput, app::PatchFileLimit, patchLimit)
                   : readRegularFile(paths[1], app::PatchFileLimit, patchLimit);
    } catch (const FileError &e) {
        throw Failure{e.path(), e.reason()};
    }
    DataFile file = load(paths[0], true);
    try {
        app::importPatch(file, app::parsePatch(text));
    } catch (const FormatError &e) {
        throw Failure{inputName(paths[1]), e.reason()};
    }
    saveEnciphered(file, paths[0], parser.value(output));
    return 0;
}

void writeStandardOutput(QTextStream &out, const QByteArray &text);

// The file as one line per field, for version control to compare.
int textconv(const QStringList &args, QTextStream &out)
{
    QCommandLineParser parser;
    const QString path = parseCommand(parser, QStringLiteral("textconv"), args, {QStringLiteral("FILE")}).first();
    const DataFile file = load(path, true);
    QByteArray text;
    try {
        text = app::fieldLines(file);
    } catch (const FormatError &e) {
        throw Failure{inputName(path), e.reason()};
    }
    writeStandardOutput(out, text);
    return 0;
}

// Three-way merge: 0 clean and OUT written, 1 conflicts (OUT written only
// with --prefer), 2 trouble, as diff's 2. core/operations/plane_merge does the work.
int merge(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Output file."),
                                    QStringLiteral("OUT"));
    const QCommandLineOption prefer(QStringLiteral("prefer"), QStringLiteral("The side conflicting fields take."),
                                    QStringLiteral("ours|theirs"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("List the conflicts as one JSON array."));
    parser.addOptions({output, prefer, json});
    const QStringList paths = parseCommand(parser, QStringLiteral("merge"), args,
                                           {QStringLiteral("BASE"), QStringLiteral("OURS"), QStringLiteral("THEIRS")});
    const QString outPath = parser.value(output);
    if (outPath.isEmpty())
        throw UsageError{QStringLiteral("merge needs -o OUT")};
    app::MergePreference preference = app::MergePreference::None;
    if (parser.isSet(prefer)) {
        const QString side = parser.value(prefer);
        if (side == QLatin1String("ours"))
            preference = app::MergePreference::Ours;
        else if (side == QLatin1String("theirs"))
            preference = app::MergePreference::Theirs;
        else
            throw UsageError{QStringLiteral("merge: --prefer must be ours or theirs, not \"%1\"").arg(side)};
    }
    if (paths.count(QStringLiteral("-")) > 1)
        throw UsageError{QStringLiteral("merge: only one of BASE, OURS and THEIRS can be standard input")};
    app::MergeResult result;
    try {
        // The three are read side by side: most of a clean merge's time is reading.
        auto baseLoad = std::async(std::launch::async, [&] { return load(paths[0], true); });
        auto theirsLoad = std::async(std::launch::async, [&] { return load(paths[2], true); });
        const DataFile ours = load(paths[1], true);
        const DataFile base = baseLoad.get();
        const DataFile theirs = theirsLoad.get();
        // OUT starts as OURS: its header values, layout, cipher and every byte outside the fields.
        DataFile merged;
        try {
            merged = ours.copy();
            result = app::mergeFiles(base, ours, theirs, merged, preference);
        } catch (const FormatError &e) {
            throw Failure{QStringList{inputName(paths[0]), inputName(paths[1]), inputName(paths[2])}.join(QStringLiteral(", ")),
                          e.reason()};
        }
        if (result.conflicts.isEmpty() || preference != app::MergePreference::None)
            saveEnciphered(merged, paths[1], outPath);
    } catch (Failure &e) {
        e.code = 2;
        throw;
    }
    QByteArray text;
    if (parser.isSet(json)) {
        QJsonArray list;
        for (const app::MergeConflict &c : result.conflicts)
            list.append(QJsonObject{{QStringLiteral("path"), c.path},
                                    {QStringLiteral("label"), c.label},
                                    {QStringLiteral("base"), c.baseJson},
                                    {QStringLiteral("ours"), c.oursJson},
                                    {QStringLiteral("theirs"), c.theirsJson}});
        text = QJsonDocument(list).toJson(QJsonDocument::Indented);
    } else {
        for (const app::MergeConflict &c : result.conflicts)
            text += app::conflictLine(c) + '\n';
    }
    // OUT on standard output: the listing goes to standard error.
    if (outPath == QLatin1String("-")) {
        err << QString::fromUtf8(text);
        err.flush();
    } else {
        writeStandardOutput(out, text);
    }
    return result.conflicts.isEmpty() ? 0 : 1;
}

// A fault in a condition, assignment or pattern, as a compiler reports one.
struct ExpressionFault {
    app::ExpressionError error;
};

// Every field takes the reference's value: the merge of the reference's
// changes into FILE, each changed field listed as diff lists it. A part the
// reference has and FILE lacks (a plane's record, a damage map) cannot be
// made here: it is named on standard error and left as it is. With
// patterns, only the fields they match take the reference's values.
int revert(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Output file."),
                                    QStringLiteral("OUT"));
    parser.addOption(output);
    const QStringList paths = parseCommand(parser, QStringLiteral("revert"), args,
                                           {QStringLiteral("FILE"), QStringLiteral("REF"), QStringLiteral("[PATTERN...]")});
    const QString outPath = parser.value(output);
    if (outPath.isEmpty())
        throw UsageError{QStringLiteral("revert needs -o OUT")};
    QList<app::fields::FieldPath> patterns;
    for (const QString &text : paths.mid(2)) {
        try {
            patterns.append(app::fields::parsePath(text));
        } catch (const app::fields::PathError &e) {
            throw ExpressionFault{app::ExpressionError{text, e.offset, e.length, e.message, e.note}};
        }
    }
    if (paths[0] == QLatin1String("-") && paths[1] == QLatin1String("-"))
        throw UsageError{QStringLiteral("revert: FILE and REF cannot both be standard input")};
    const DataFile file = load(paths[0], true);
    const DataFile reference = load(paths[1], true);
    if (reference.FileLayout() != file.FileLayout())
        throw Failure{inputName(paths[1]), QStringLiteral("its layout (%1) is not the layout of %2 (%3); files of "
                                                          "different layouts cannot be reverted to each other")
                                               .arg(reference.FileLayout())
                                               .arg(inputName(paths[0]))
                                               .arg(file.FileLayout())};
    DataFile reverted;
    app::MergeResult result;
    try {
        reverted = file.copy();
        if (patterns.isEmpty())
            result = app::mergeFiles(file, file, reference, reverted);
        else
            app::revertFields(file, reference, reverted, patterns);
    } catch (const FormatError &e) {
        throw Failure{inputName(paths[0]), e.reason()};
    }
    saveEnciphered(reverted, paths[0], outPath);
    for (const app::MergeConflict &c : result.conflicts)
        err << "vornwing-cli: " << inputName(paths[0]) << ": warning: " << c.path
            << (c.theirs == "null" ? ": the reference does not have it; left as it is\n"
                                   : ": the file does not have the part the reference has; left as it is\n");
    QByteArray text;
    app::diffFiles(file, reverted, [&](const app::FieldDifference &d) { text += app::differenceLine(d).toUtf8() + '\n'; });
    if (outPath == QLatin1String("-")) {
        err << QString::fromUtf8(text);
        err.flush();
    } else {
        writeStandardOutput(out, text);
    }
    return 0;
}

// "Add header for 128 planes": a 128-plane file becomes a 256-plane file. The
// summary goes to standard error, so that OUT may be standard output.
int convertLayout(const QStringList &args, QTextStream &err)
{
    const QString command = QStringLiteral("convert");
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("to"), QStringLiteral("Number of planes the file gets room for."),
                      QStringLiteral("256")});
    const QStringList paths = parseCommand(parser, command, args, {QStringLiteral("FILE"), QStringLiteral("OUT")});
    if (!parser.isSet(QStringLiteral("to")))
        throw UsageError{QStringLiteral("convert needs --to 256")};
    if (parser.value(QStringLiteral("to")) != QLatin1String("256"))
        throw UsageError{QStringLiteral("convert: --to must be 256, not \"%1\"").arg(parser.value(QStringLiteral("to")))};
    DataFile file = load(paths[0], true);
    HeaderConversion result;
    try {
        result = addRoomFor256Planes(file);
    } catch (const FormatError &e) {
        throw Failure{inputName(paths[0]), e.reason()};
    }
    saveEnciphered(file, paths[0], paths[1]);
    err << result.summary << '\n';
    return 0;
}

// "Number of Planes" then "Regenerate Offsets"; the summary goes to standard error.
int regenerate(const QStringList &args, QTextStream &err)
{
    const QString command = QStringLiteral("regenerate");
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("planes"), QStringLiteral("Number of planes."), QStringLiteral("N")});
    const QStringList paths = parseCommand(parser, command, args, {QStringLiteral("FILE"), QStringLiteral("OUT")});
    if (!parser.isSet(QStringLiteral("planes")))
        throw UsageError{QStringLiteral("regenerate needs --planes N")};
    const int planes = int(integerOption(command, parser, QStringLiteral("planes"), 0, MaxPlaneCount, 0));
    DataFile file = load(paths[0], true);
    const int listed = std::clamp(file.PlaneCount(), 0, MaxPlaneCount);
    OffsetRegeneration result;
    try {
        file.setPlaneCount(planes);
        result = regenerateOffsets(file);
    } catch (const FormatError &e) {
        throw Failure{inputName(paths[0]), e.reason()};
    }
    // Regeneration places blocks from plane 64 on; a plane below it that the
    // new count lists without a record or damage map would point the game at
    // the file's header, so such a file is not written.
    for (int p = listed + 1; p <= planes; ++p)
        if (!file.hasRecord(p) || !file.hasDamageMap(p))
            throw Failure{inputName(paths[0]),
                          QStringLiteral("plane %1 would be listed without a record or damage map: only planes 64 "
                                         "and up get new blocks, and this file lists %2 planes")
                              .arg(p)
                              .arg(listed)};
    saveEnciphered(file, paths[0], paths[1]);
    err << result.summary << '\n';
    return 0;
}

// The report a --kind names, as the Misc page's options choose it.
app::PlaneReport reportKind(const QString &kind, bool html)
{
    using app::PlaneReport;
    const QString fuel = QStringLiteral("fuel");
    if (html && kind != fuel)
        throw UsageError{QStringLiteral("report: --html goes only with --kind fuel")};
    const std::pair<const char *, PlaneReport> kinds[] = {
        {"plain", PlaneReport::PlainList}, {"sound", PlaneReport::SoundDirectories},
        {"dm", PlaneReport::DamageCounts}, {"climb", PlaneReport::ClimbSpeed},
        {"weight", PlaneReport::Weight},   {"fuel", PlaneReport::TimeOfFlight}};
    for (const auto &[name, report] : kinds)
        if (kind == QLatin1String(name))
            return html ? PlaneReport::TimeOfFlightHtml : report;
    throw UsageError{
        QStringLiteral("report: --kind must be plain, sound, dm, climb, weight or fuel, not \"%1\"").arg(kind)};
}

// "Generate Plane list": the report's bytes as the editor writes them (the
// decimal separator of time of flight is '.').
int report(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addOptions({{QStringLiteral("kind"), QStringLiteral("Which report."), QStringLiteral("KIND")},
                       {QStringLiteral("html"), QStringLiteral("Time of flight as an HTML table.")},
                       {{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Where the report goes."),
                        QStringLiteral("OUT")}});
    const QString path = parseCommand(parser, QStringLiteral("report"), args, {QStringLiteral("FILE")}).first();
    if (!parser.isSet(QStringLiteral("kind")))
        throw UsageError{QStringLiteral("report needs --kind plain|sound|dm|climb|weight|fuel")};
    const app::PlaneReport kind = reportKind(parser.value(QStringLiteral("kind")), parser.isSet(QStringLiteral("html")));
    const QString out = parser.isSet(QStringLiteral("o")) ? parser.value(QStringLiteral("o")) : QStringLiteral("-");
    if (out.isEmpty())
        throw UsageError{QStringLiteral("report: OUT is an empty name")};
    const DataFile file = load(path, true);
    QByteArray bytes;
    try {
        bytes = app::planeReport(file, kind, QLatin1Char('.'), app::damagePartNames());
    } catch (const FormatError &e) {
        throw Failure{inputName(path), e.reason()};
    }
    // On a terminal a name's control characters are shown escaped; a file or
    // a pipe gets the editor's bytes.
    if (out == QLatin1String("-") && standardOutputIsTerminal())
        bytes = app::escapedControlBytes(bytes);
    writeOutput(out, bytes);
    return 0;
}

// The field tables as a program reads them: every pattern the export writes,
// and the JSON Schema of its document.
void writeStandardOutput(QTextStream &out, const QByteArray &text)
{
    out.flush();
    if (out.device())
        out.device()->write(text);
    else
        out << QString::fromUtf8(text);
}

int listFields(const QStringList &args, QTextStream &out)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON array."));
    parser.addOption(json);
    parseCommand(parser, QStringLiteral("fields"), args, {});
    const QList<app::fields::Pattern> patterns = app::fields::patterns();
    if (parser.isSet(json)) {
        QJsonArray list;
        for (const app::fields::Pattern &p : patterns) {
            QJsonObject entry{{QStringLiteral("pattern"), p.pattern},
                              {QStringLiteral("label"), QString::fromUtf8(p.label ? p.label : "")},
                              {QStringLiteral("kind"), app::fields::kindText(*p.leaf)},
                              {QStringLiteral("range"), app::fields::rangeText(*p.leaf)},
                              {QStringLiteral("page"), app::pageKey(p.page)}};
            if (p.leaf->alias)
                entry[QStringLiteral("alias")] = QLatin1String(p.leaf->alias);
            list.append(entry);
        }
        writeStandardOutput(out, QJsonDocument(list).toJson(QJsonDocument::Indented));
        return 0;
    }
    QByteArray text;
    for (const app::fields::Pattern &p : patterns)
        text += (QStringList{p.pattern, QString::fromUtf8(p.label ? p.label : ""), app::fields::kindText(*p.leaf),
                             app::fields::rangeText(*p.leaf), app::pageKey(p.page)}
                     .join(QLatin1Char('\t'))
                 + QLatin1Char('\n'))
                    .toUtf8();
    writeStandardOutput(out, text);
    return 0;
}

int schema(const QStringList &args, QTextStream &out)
{
    QCommandLineParser parser;
    parseCommand(parser, QStringLiteral("schema"), args, {});
    writeStandardOutput(out, app::exportSchemaText());
    return 0;
}

// The Misc page's batch adjustments by name, in the order given, on one file.
// Every name is checked before anything runs; a step that refuses leaves no OUT.
// What each step changed is told once OUT is written.
int batch(const QStringList &args, QTextStream &err)
{
    QCommandLineParser parser;
    parser.addOption({{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Output file."),
                      QStringLiteral("OUT")});
    const QStringList positional =
        parseCommand(parser, QStringLiteral("batch"), args, {QStringLiteral("FILE"), QStringLiteral("OP...")});
    const QString out = parser.value(QStringLiteral("o"));
    if (out.isEmpty())
        throw UsageError{QStringLiteral("batch needs -o OUT")};
    QList<app::BatchStep> steps;
    QString error;
    if (!app::batchSteps(positional.mid(1), &steps, &error))
        throw UsageError{QStringLiteral("batch: ") + error};
    DataFile file = load(positional[0], true);
    QStringList done;
    for (const app::BatchStep &step : steps) {
        try {
            done << step.name + QStringLiteral(": ") + step.run(file);
        } catch (const FormatError &e) {
            throw Failure{inputName(positional[0]), QStringLiteral("%1: %2; %3 was not written")
                                                                        .arg(step.name, messageStyle(e.reason()), out)};
        }
    }
    saveEnciphered(file, positional[0], out);
    for (const QString &line : done)
        err << line << '\n';
    return 0;
}

// A text as a JSON string: quotes, backslashes and control characters escaped.
QByteArray jsonString(const QString &text)
{
    QByteArray out;
    out.reserve(text.size() + 2);
    out += '"';
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '"' || u == '\\') {
            out += '\\';
            out += char(u);
        } else if (u < 0x20) {
            out += u == '\n' ? QByteArray("\\n") : u == '\t' ? QByteArray("\\t") : u == '\r' ? QByteArray("\\r")
                                                 : QByteArray("\\u00") + QByteArray::number(u, 16).rightJustified(2, '0');
        } else {
            out += QString(c).toUtf8();
        }
    }
    out += '"';
    return out;
}

// A field's value in JSON as the export writes it.
QByteArray jsonFieldValue(const app::fields::Node &leaf, const app::fields::Value &value)
{
    using app::fields::Kind;
    switch (leaf.kind) {
    case Kind::Integer:
        return QByteArray::number(value.integer);
    case Kind::Number: {
        const QJsonValue v = app::doubleValue(value.number);
        return v.isString() ? jsonString(v.toString()) : app::shortestNumber(value.number);
    }
    case Kind::Text:
        return jsonString(value.text);
    case Kind::Bytes:
        return '"' + value.bytes.toHex() + '"';
    case Kind::Flag:
        return value.flag ? "true" : "false";
    }
    return "null";
}

template <class T, class Parse>
QList<T> parseExpressions(const QStringList &texts, Parse parse)
{
    QList<T> parsed;
    for (const QString &text : texts) {
        try {
            parsed.append(parse(text));
        } catch (const app::ExpressionError &e) {
            throw ExpressionFault{e};
        }
    }
    return parsed;
}

// The plane's name as the lists show it; empty for the shared tables.
QString planeName(const DataFile &file, int plane)
{
    if (plane <= 0)
        return QString();
    const flightmodel::PlaneHeaderView header(file, plane);
    return header.exists() ? app::escapedControls(header.text(flightmodel::HeaderText::Name)) : QString();
}

// The fields whose values satisfy the conditions, one a line: path, plane's
// name, label and value, separated by tabs. As grep: 0 found, 1 none, 2 trouble.
int find(const QStringList &args, QTextStream &out)
{
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print one JSON array."));
    parser.addOption(json);
    const QStringList positional =
        parseCommand(parser, QStringLiteral("find"), args, {QStringLiteral("FILE"), QStringLiteral("CONDITION...")});
    const QList<app::Condition> conditions = parseExpressions<app::Condition>(positional.mid(1), app::parseCondition);
    DataFile file;
    try {
        file = load(positional[0], true);
    } catch (Failure &e) {
        e.code = 2;
        throw;
    }
    const bool asJson = parser.isSet(json);
    const app::fields::FieldPath &path = conditions.first().path;
    QByteArray text;
    qsizetype found = 0;
    int namedPlane = -1;
    QString name;
    const QString leafLabel = path.leaf()->label ? app::fields::labelText(*path.leaf()) : QString();
    app::findFields(file, conditions, [&](const app::fields::Match &m, const app::fields::Value &v) {
        if (m.at.plane != namedPlane) {
            namedPlane = m.at.plane;
            name = planeName(file, m.at.plane);
        }
        // A field's own label is the same for every match.
        const QString label = leafLabel.isEmpty() ? app::fields::fieldLabel(path, m) : leafLabel;
        if (asJson) {
            text += found == 0 ? "[\n" : ",\n";
            const bool plane = m.at.plane > 0;
            text += "    {\n        \"label\": " + jsonString(label) + ",\n        \"name\": "
                    + (plane ? jsonString(name) : QByteArray("null")) + ",\n        \"path\": "
                    + jsonString(app::fields::pathText(path, m)) + ",\n        \"plane\": "
                    + (plane ? QByteArray::number(m.at.plane) : QByteArray("null")) + ",\n        \"value\": "
                    + jsonFieldValue(*m.leaf, v) + "\n    }";
        } else {
            QString line = app::fields::pathText(path, m);
            line += QLatin1Char('\t');
            line += name;
            line += QLatin1Char('\t');
            line += label;
            line += QLatin1Char('\t');
            line += app::fields::valueText(*m.leaf, v);
            line += QLatin1Char('\n');
            text += line.toUtf8();
        }
        ++found;
    });
    if (asJson)
        text += found == 0 ? QByteArray("[\n]\n") : QByteArray("\n]\n");
    writeStandardOutput(out, text);
    return found == 0 ? 1 : 0;
}

// Assignments on the fields for which the --where conditions hold, saved
// enciphered to OUT; each change a line, then how many fields changed.
int edit(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Output file."),
                                    QStringLiteral("OUT"));
    const QCommandLineOption where(QStringLiteral("where"), QStringLiteral("A condition."), QStringLiteral("CONDITION"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"), QStringLiteral("List the changes, write nothing."));
    parser.addOptions({output, where, dryRun});
    const QStringList positional =
        parseCommand(parser, QStringLiteral("edit"), args, {QStringLiteral("FILE"), QStringLiteral("ASSIGNMENT...")});
    const bool dry = parser.isSet(dryRun);
    const QString outPath = parser.value(output);
    if (!dry && outPath.isEmpty())
        throw UsageError{QStringLiteral("edit needs -o OUT (or --dry-run)")};
    const QList<app::Assignment> assignments =
        parseExpressions<app::Assignment>(positional.mid(1), app::parseAssignment);
    const QList<app::Condition> conditions = parseExpressions<app::Condition>(parser.values(where), app::parseCondition);
    DataFile file = load(positional[0], true);
    const app::EditOutcome outcome = app::applyEdit(file, assignments, conditions);
    if (!dry)
        saveEnciphered(file, positional[0], outPath);
    QByteArray text;
    for (const app::FieldChange &c : outcome.changes)
        text += (app::changeLine(assignments[c.assignment], c) + QLatin1Char('\n')).toUtf8();
    const int n = outcome.changedFields;
    text += (dry ? QStringLiteral("%1 %2 would change; nothing was written\n")
                 : QStringLiteral("%1 %2 changed\n"))
                .arg(n)
                .arg(n == 1 ? QStringLiteral("field") : QStringLiteral("fields"))
                .toUtf8();
    // Written to standard output, the file leaves the list to standard error.
    if (!dry && outPath == QLatin1String("-")) {
        err << QString::fromUtf8(text);
        err.flush();
    } else {
        writeStandardOutput(out, text);
    }
    return 0;
}

// The table format: --format, else the name's ending (.tsv is tab-separated), else CSV.
app::TableFormat tableFormat(const QString &command, const QCommandLineParser &parser, const QString &name)
{
    if (parser.isSet(QStringLiteral("format"))) {
        const QString f = parser.value(QStringLiteral("format"));
        if (f == QLatin1String("csv"))
            return app::TableFormat::Csv;
        if (f == QLatin1String("tsv"))
            return app::TableFormat::Tsv;
        throw UsageError{QStringLiteral("%1: --format must be csv or tsv, not \"%2\"").arg(command, f)};
    }
    return name.endsWith(QLatin1String(".tsv"), Qt::CaseInsensitive) ? app::TableFormat::Tsv : app::TableFormat::Csv;
}

// Fields as a spreadsheet table, to standard output or OUT.
int table(const QStringList &args, QTextStream &out)
{
    QCommandLineParser parser;
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Output file."),
                                    QStringLiteral("OUT"));
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("csv or tsv."), QStringLiteral("FORMAT"));
    const QCommandLineOption labels(QStringLiteral("labels"), QStringLiteral("Labels in the header row."));
    parser.addOptions({output, format, labels});
    const QStringList positional =
        parseCommand(parser, QStringLiteral("table"), args, {QStringLiteral("FILE"), QStringLiteral("COLUMN...")});
    const QString outPath = parser.value(output);
    if (parser.isSet(output) && outPath.isEmpty())
        throw UsageError{QStringLiteral("table: OUT is an empty name")};
    const app::TableFormat chosen = tableFormat(QStringLiteral("table"), parser, outPath);
    app::TableColumns columns;
    try {
        columns = app::tableColumns(positional.mid(1));
    } catch (const app::ExpressionError &e) {
        throw ExpressionFault{e};
    }
    const DataFile file = load(positional[0], true);
    const QByteArray text = app::writeTable(file, columns, chosen, parser.isSet(labels));
    if (outPath.isEmpty())
        writeStandardOutput(out, text);
    else
        writeOutput(outPath, text);
    return 0;
}

// A table written onto the file, all or nothing; core/operations/plane_table does the work.
int importTable(const QStringList &args, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Output file."),
                                    QStringLiteral("OUT"));
    const QCommandLineOption format(QStringLiteral("format"), QStringLiteral("csv or tsv."), QStringLiteral("FORMAT"));
    parser.addOptions({output, format});
    const QString command = QStringLiteral("import-table");
    const QStringList paths = parseCommand(parser, command, args, {QStringLiteral("FILE"), QStringLiteral("TABLE")});
    if (!parser.isSet(output) || parser.value(output).isEmpty())
        throw UsageError{QStringLiteral("import-table needs -o OUT")};
    if (paths[0] == QLatin1String("-") && paths[1] == QLatin1String("-"))
        throw UsageError{QStringLiteral("import-table: FILE and TABLE cannot both be standard input")};
    const app::TableFormat chosen = tableFormat(command, parser, paths[1]);
    QByteArray text;
    const QString limit = QStringLiteral("a table is at most 256 MB");
    try {
        text = paths[1] == QLatin1String("-") ? readStream(StandardInputDescriptor, StandardInput, app::PatchFileLimit, limit)
                                              : readRegularFile(paths[1], app::PatchFileLimit, limit);
    } catch (const FileError &e) {
        throw Failure{e.path(), e.reason()};
    }
    DataFile file = load(paths[0], true);
    const QString name = inputName(paths[1]);
    int changed = 0;
    try {
        changed = app::importTable(file, text, chosen);
    } catch (const app::TableHeaderError &e) {
        throw Failure{name, e.message, 2};
    } catch (const app::TableRefusal &e) {
        for (const QString &line : e.refusals)
            err << "vornwing-cli: " << name << ": " << line << '\n';
        if (e.total > e.refusals.size())
            err << "vornwing-cli: " << name << ": " << (e.total - e.refusals.size()) << " more refused cells\n";
        throw Failure{name, QStringLiteral("the table was refused; %1 was not written").arg(parser.value(output))};
    } catch (const FormatError &e) {
        throw Failure{name, e.reason()};
    }
    saveEnciphered(file, paths[0], parser.value(output));
    err << changed << (changed == 1 ? " field changed\n" : " fields changed\n");
    return 0;
}

// A JavaScript script on the file, all or nothing; scripting/script_host does the work.
int script(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("Output file."),
                                    QStringLiteral("OUT"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"), QStringLiteral("List the changes, write nothing."));
    const QCommandLineOption timeout(QStringLiteral("timeout"), QStringLiteral("Seconds a run may take."),
                                     QStringLiteral("SECONDS"), QStringLiteral("10"));
    parser.addOptions({output, dryRun, timeout});
    const QStringList paths =
        parseCommand(parser, QStringLiteral("script"), args, {QStringLiteral("FILE"), QStringLiteral("SCRIPT")});
    const bool dry = parser.isSet(dryRun);
    const QString outPath = parser.value(output);
    if (dry && parser.isSet(output))
        throw UsageError{QStringLiteral("script: -o and --dry-run cannot go together")};
    if (parser.isSet(output) && outPath.isEmpty())
        throw UsageError{QStringLiteral("script: -o needs a file name")};
    bool number = false;
    const double seconds = parser.value(timeout).toDouble(&number);
    if (!number || !(seconds > 0) || seconds > 86400)
        throw UsageError{QStringLiteral("script: --timeout takes seconds above 0 and up to 86400, not \"%1\"")
                             .arg(parser.value(timeout))};
    if (paths[0] == QLatin1String("-") && paths[1] == QLatin1String("-"))
        throw UsageError{QStringLiteral("script: FILE and SCRIPT cannot both be standard input")};
    QByteArray source;
    constexpr qint64 ScriptLimit = 16 * 1024 * 1024;
    const QString scriptLimit = QStringLiteral("a script is at most 16 MB");
    try {
        source = paths[1] == QLatin1String("-") ? readStream(StandardInputDescriptor, StandardInput, ScriptLimit, scriptLimit)
                                                : readRegularFile(paths[1], ScriptLimit, scriptLimit);
    } catch (const FileError &e) {
        throw Failure{e.path(), e.reason(), 2};
    }
    DataFile file;
    try {
        file = load(paths[0], true);
    } catch (Failure &e) {
        e.code = 2;
        throw;
    }
    const QString scriptName = inputName(paths[1]);
    const scripting::ScriptOutcome outcome =
        scripting::runScript(file, QString::fromUtf8(source), scriptName, int(std::min(seconds * 1000.0, 86400000.0)));
    QByteArray printed;
    for (const QString &line : outcome.output)
        printed += (line + QLatin1Char('\n')).toUtf8();
    // Written to standard output, the file leaves what the script says to standard error.
    const bool fileToOutput = !outPath.isEmpty() && outPath == QLatin1String("-");
    auto say = [&](const QByteArray &text) {
        if (fileToOutput) {
            err << QString::fromUtf8(text);
            err.flush();
        } else {
            writeStandardOutput(out, text);
        }
    };
    if (!outcome.ok) {
        say(printed);
        QString where = scriptName;
        if (outcome.line > 0)
            where += QStringLiteral(":%1").arg(outcome.line) + (outcome.column > 0 ? QStringLiteral(":%1").arg(outcome.column) : QString());
        throw Failure{where, QStringLiteral("the script stopped: %1; nothing was changed").arg(outcome.error)};
    }
    QByteArray text = printed;
    for (const scripting::ScriptChange &c : outcome.changes)
        text += (scripting::changeLine(c) + QLatin1Char('\n')).toUtf8();
    const int n = outcome.changedFields;
    const QString fieldsWord = n == 1 ? QStringLiteral("field") : QStringLiteral("fields");
    if (outPath.isEmpty()) {
        if (!dry && n > 0) {
            say(text);
            throw Failure{scriptName, QStringLiteral("the script changes %1 %2 and no -o OUT was given; nothing was written")
                                          .arg(n).arg(fieldsWord)};
        }
        if (dry || !outcome.changes.isEmpty())
            text += QStringLiteral("%1 %2 would change; nothing was written\n").arg(n).arg(fieldsWord).toUtf8();
        say(text);
        return 0;
    }
    saveEnciphered(file, paths[0], outPath);
    text += QStringLiteral("%1 %2 changed\n").arg(n).arg(fieldsWord).toUtf8();
    say(text);
    return 0;
}

} // namespace

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    try {
        // The command comes first; everything behind it is the command's own.
        QCommandLineParser parser;
        parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
        const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show the usage."));
        const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version."));
        parser.addOptions({help, version});
        if (!parser.parse(QStringList{QStringLiteral("vornwing-cli")} + arguments))
            throw UsageError{parser.errorText()};
        if (parser.isSet(help))
            throw HelpRequested{};
        if (parser.isSet(version))
            throw VersionRequested{};
        const QStringList positional = parser.positionalArguments();
        if (positional.isEmpty())
            throw UsageError{QStringLiteral("no command given")};
        const QString command = positional.first();
        const QStringList args = positional.mid(1);
        if (command == QLatin1String("help"))
            throw HelpRequested{};
        if (command == QLatin1String("export"))
            return exportPlanes(args, out);
        if (command == QLatin1String("import"))
            return importPatch(args);
        if (command == QLatin1String("diff"))
            return diff(args, out);
        if (command == QLatin1String("textconv"))
            return textconv(args, out);
        if (command == QLatin1String("merge"))
            return merge(args, out, err);
        if (command == QLatin1String("revert"))
            return revert(args, out, err);
        if (command == QLatin1String("fields"))
            return listFields(args, out);
        if (command == QLatin1String("schema"))
            return schema(args, out);
        if (command == QLatin1String("check"))
            return check(args, out);
        if (command == QLatin1String("info"))
            return info(args, out, err);
        if (command == QLatin1String("decrypt"))
            return convert(args, true);
        if (command == QLatin1String("encrypt"))
            return convert(args, false);
        if (command == QLatin1String("make-sample"))
            return makeSample(args);
        if (command == QLatin1String("convert"))
            return convertLayout(args, err);
        if (command == QLatin1String("regenerate"))
            return regenerate(args, err);
        if (command == QLatin1String("report"))
            return report(args);
        if (command == QLatin1String("batch"))
            return batch(args, err);
        if (command == QLatin1String("find"))
            return find(args, out);
        if (command == QLatin1String("edit"))
            return edit(args, out, err);
        if (command == QLatin1String("script"))
            return script(args, out, err);
        if (command == QLatin1String("table"))
            return table(args, out);
        if (command == QLatin1String("import-table"))
            return importTable(args, err);
        throw UsageError{QStringLiteral("unknown command \"%1\"").arg(command)};
    } catch (const HelpRequested &) {
        out << Usage;
        return 0;
    } catch (const VersionRequested &) {
        out << "vornwing-cli " << app::programVersion() << '\n';
        return 0;
    } catch (const UsageError &e) {
        // One line, not the whole help, as other command-line tools answer.
        err << "vornwing-cli: " << messageStyle(e.message) << "\n" << TryHelp << '\n';
        return 2;
    } catch (const ExpressionFault &e) {
        err << "vornwing-cli: " << app::errorReport(e.error) << '\n';
        return 2;
    } catch (const Failure &e) {
        err << "vornwing-cli: " << e.file << ": " << messageStyle(e.reason) << '\n';
        return e.code;
    }
}

} // namespace vw::cli
