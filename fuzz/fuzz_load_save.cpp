// Arbitrary bytes as a plane data file: the load either refuses them with a
// FormatError or takes them, and then saving gives back exactly the bytes
// that were loaded, enciphered and plain alike. Any other exception, a crash
// or a sanitizer report is a finding.

#include "fuzz_support.h"

#include "core/datafile/data_file.h"

using namespace vw::datafile;
using vw::fuzz::finding;

namespace {

void roundTrip(const QByteArray &input, bool cipher)
{
    DataFile file;
    try {
        file = DataFile::fromBytes(input, cipher);
    } catch (const FormatError &) {
        return;
    }
    QByteArray saved;
    try {
        saved = file.toBytes(cipher);
    } catch (const FormatError &) {
        // Only a header the save cannot store may be refused, and a loaded
        // file's header came from the same bytes.
        finding("a loaded file was refused by the save");
    }
    if (saved != input)
        finding(cipher ? "the enciphered save differs from the loaded bytes"
                       : "the plain save differs from the loaded bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        roundTrip(input, true);
        roundTrip(input, false);
    } catch (const std::exception &e) {
        finding("unexpected exception", QString::fromLocal8Bit(e.what()));
    }
    return 0;
}
