// Throughput of loading, deciphering, enciphering and saving plane data files,
// measured beside a plain memcpy and a plain file read of the same bytes in the
// same run, so that the figures can be read against the machine. Times are wall
// clock (UseRealTime): what the user waits for.
//
// Targets: keyed cipher >= 1 GB/s; complement transform within 2x of memcpy;
// load + save of a ~10 MB file under 30 ms.

#include "core/datafile/cipher.h"
#include "core/datafile/data_file.h"
#include "core/datafile/layout.h"
#include "core/datafile/sample_builder.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>
#include <random>
#include <vector>

using namespace vw::datafile;

namespace {

constexpr std::int64_t CipherBytes = 10'000'000;

// The two files measured: a full 256-plane file (254 planes, about 10.3 MB)
// and a full 128-plane file with the keyed cipher (126 planes, version 273).
struct Fixture {
    const char *label;
    QByteArray bytes; // enciphered, as on disk
    QString path;
};

QTemporaryDir &scratch()
{
    static QTemporaryDir dir(QDir::current().filePath(QStringLiteral("bench-scratch-XXXXXX")));
    return dir;
}

Fixture makeFixture(const char *label, int layout, int planes, int version, const QString &name)
{
    SampleOptions options;
    options.layout = layout;
    options.planes = planes;
    options.version = version;
    Fixture fixture{label, buildSampleFile(options), scratch().filePath(name)};
    QFile file(fixture.path);
    if (!file.open(QIODevice::WriteOnly) || file.write(fixture.bytes) != fixture.bytes.size())
        qFatal("cannot write %s", qPrintable(fixture.path));
    return fixture;
}

const Fixture &fixture(std::int64_t index)
{
    static const Fixture fixtures[] = {
        makeFixture("254 planes, layout 2", Openhall256Layout, 254, 274, QStringLiteral("misc256.bin")),
        makeFixture("126 planes, keyed", Openhall128Layout, 126, KeyedVersion, QStringLiteral("misc273.bin")),
    };
    return fixtures[index];
}

std::vector<std::uint8_t> randomBuffer(std::int64_t length)
{
    std::vector<std::uint8_t> buffer(static_cast<size_t>(length));
    std::mt19937 rng(3);
    for (auto &b : buffer)
        b = std::uint8_t(rng());
    return buffer;
}

void writePlain(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// --- Baselines -------------------------------------------------------------

void BM_Memcpy(benchmark::State &state)
{
    const Fixture &f = fixture(state.range(0));
    std::vector<char> target(size_t(f.bytes.size()));
    for (auto _ : state) {
        std::memcpy(target.data(), f.bytes.constData(), target.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetLabel(f.label);
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_QFileRead(benchmark::State &state)
{
    const Fixture &f = fixture(state.range(0));
    for (auto _ : state) {
        QFile file(f.path);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot open");
        QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetLabel(f.label);
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

// The read as ReadCfg makes it: at most the capacity + 1 bytes, so that an
// oversized file is noticed. Shows what asking for more than the file costs.
void BM_QFileReadUpToCapacity(benchmark::State &state)
{
    const Fixture &f = fixture(state.range(0));
    for (auto _ : state) {
        QFile file(f.path);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot open");
        QByteArray bytes = file.read(MaxFileSize + 1);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetLabel(f.label);
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_QFileWrite(benchmark::State &state)
{
    const Fixture &f = fixture(state.range(0));
    const QString path = scratch().filePath(QStringLiteral("write.bin"));
    for (auto _ : state)
        writePlain(path, f.bytes);
    state.SetLabel(f.label);
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

// --- Load and save -----------------------------------------------------------

// Read from memory, decipher, index the planes.
void BM_Load(benchmark::State &state)
{
    const Fixture &f = fixture(state.range(0));
    for (auto _ : state) {
        DataFile file = DataFile::fromBytes(f.bytes, true);
        benchmark::DoNotOptimize(file.data());
    }
    state.SetLabel(f.label);
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_ReadCfg(benchmark::State &state)
{
    const Fixture &f = fixture(state.range(0));
    for (auto _ : state) {
        DataFile file = DataFile::ReadCfg(f.path, true);
        benchmark::DoNotOptimize(file.data());
    }
    state.SetLabel(f.label);
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

// Encipher a copy and write it with a plain QFile (no fsync).
void BM_Save(benchmark::State &state)
{
    const Fixture &f = fixture(state.range(0));
    const DataFile file = DataFile::fromBytes(f.bytes, true);
    const QString path = scratch().filePath(QStringLiteral("save.bin"));
    for (auto _ : state)
        writePlain(path, file.toBytes(true));
    state.SetLabel(f.label);
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

// The editor's save: atomic replace through a temporary file.
void BM_SaveCfg(benchmark::State &state)
{
    const Fixture &f = fixture(state.range(0));
    DataFile file = DataFile::fromBytes(f.bytes, true);
    const QString path = scratch().filePath(QStringLiteral("savecfg.bin"));
    for (auto _ : state)
        file.SaveCfg(path, true);
    state.SetLabel(f.label);
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

// Load + save of the 10.3 MB 256-plane file, from memory to disk and from disk to disk.
void BM_LoadSave10MB(benchmark::State &state)
{
    const Fixture &f = fixture(0);
    const QString path = scratch().filePath(QStringLiteral("loadsave.bin"));
    for (auto _ : state) {
        const DataFile file = DataFile::fromBytes(f.bytes, true);
        writePlain(path, file.toBytes(true));
    }
    state.SetLabel(f.label);
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

void BM_ReadCfgSaveCfg10MB(benchmark::State &state)
{
    const Fixture &f = fixture(0);
    const QString path = scratch().filePath(QStringLiteral("readsave.bin"));
    for (auto _ : state) {
        DataFile file = DataFile::ReadCfg(f.path, true);
        file.SaveCfg(path, true);
    }
    state.SetLabel(f.label);
    state.SetBytesProcessed(state.iterations() * f.bytes.size());
}

// --- Cipher throughput over 10 MB ------------------------------------------------

void BM_Memcpy10MB(benchmark::State &state)
{
    const std::vector<std::uint8_t> source = randomBuffer(CipherBytes);
    std::vector<std::uint8_t> target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), target.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * CipherBytes);
}

void BM_Translate10MB(benchmark::State &state)
{
    std::vector<std::uint8_t> buffer = randomBuffer(CipherBytes);
    for (auto _ : state) {
        Translate(buffer.data(), CipherBytes);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * CipherBytes);
}

void BM_KeyedEncipher10MB(benchmark::State &state)
{
    std::vector<std::uint8_t> buffer = randomBuffer(CipherBytes);
    const Cipher cipher(KeyedVersion);
    for (auto _ : state) {
        cipher.encipherKeyed(buffer.data(), CipherBytes);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * CipherBytes);
}

void BM_KeyedDecipher10MB(benchmark::State &state)
{
    std::vector<std::uint8_t> buffer = randomBuffer(CipherBytes);
    const Cipher cipher(KeyedVersion);
    for (auto _ : state) {
        cipher.decipherKeyed(buffer.data(), CipherBytes);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * CipherBytes);
}

// Building the keyed tables happens once per load and save.
void BM_CipherSetup(benchmark::State &state)
{
    for (auto _ : state) {
        const Cipher cipher(KeyedVersion);
        benchmark::DoNotOptimize(&cipher);
    }
}

} // namespace

BENCHMARK(BM_Memcpy)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QFileRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QFileReadUpToCapacity)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QFileWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Load)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadCfg)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Save)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveCfg)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadSave10MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadCfgSaveCfg10MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Memcpy10MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Translate10MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_KeyedEncipher10MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_KeyedDecipher10MB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CipherSetup)->Unit(benchmark::kMicrosecond)->UseRealTime();

BENCHMARK_MAIN();
