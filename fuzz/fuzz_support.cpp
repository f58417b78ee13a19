#include "fuzz_support.h"

#include "core/datafile/sample_builder.h"

#include <QHash>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace vw::fuzz {

using namespace datafile;

namespace {

struct Sample {
    const char *name;
    int layout, planes, version;
};

constexpr std::array<Sample, 4> Samples{{
    {"128-planes-272", Openhall128Layout, 3, 272},
    {"128-planes-keyed", Openhall128Layout, 2, 273},
    {"256-planes-274", Openhall256Layout, 3, 274},
    {"original-272", OriginalLayout, 2, 272},
}};

} // namespace

int sampleCount()
{
    return int(Samples.size());
}

const QByteArray &sampleFile(int index)
{
    static std::array<QByteArray, Samples.size()> built;
    QByteArray &bytes = built[std::size_t(index)];
    if (bytes.isEmpty()) {
        const Sample &sample = Samples[std::size_t(index)];
        SampleOptions options;
        options.layout = sample.layout;
        options.planes = sample.planes;
        options.version = sample.version;
        options.seed = quint32(index + 1);
        bytes = buildSampleFile(options);
    }
    return bytes;
}

QString sampleName(int index)
{
    return QString::fromLatin1(Samples[std::size_t(index)].name);
}

QByteArray ByteReader::take(std::size_t length)
{
    length = std::min(length, remaining());
    QByteArray bytes(reinterpret_cast<const char *>(data_ + at_), qsizetype(length));
    at_ += length;
    return bytes;
}

FileSnapshot FileSnapshot::of(const DataFile &file)
{
    FileSnapshot s;
    s.imageSize = file.FileSize();
    s.imageHash = qHash(QByteArrayView(file.data(), qsizetype(file.FileSize())), 0x5eed);
    s.version = file.FileVersion();
    s.planeCount = file.PlaneCount();
    s.layout = file.FileLayout();
    s.starts = file.sectionStarts();
    for (int plane = 1; plane <= PlaneTableSize; ++plane) {
        s.records.push_back(file.recordOffset(plane));
        s.maps.push_back(file.damageMapOffset(plane));
    }
    s.blocks = file.cipherBlocks();
    return s;
}

void finding(const char *what, const QString &detail)
{
    std::fprintf(stderr, "FINDING: %s %s\n", what, detail.toLocal8Bit().constData());
    std::abort();
}

} // namespace vw::fuzz
