// An arbitrary document imported onto a sample file: it is refused with a
// FormatError that names where the fault is (and the file is untouched), or
// it is applied; then the changed file exports, and that export imports back
// onto it without a change.

#include "fuzz_support.h"

#include "core/planedata/plane_diff.h"
#include "core/planedata/plane_import.h"
#include "core/planedata/plane_json.h"

#include <QJsonObject>

using namespace vw;
using datafile::DataFile;
using datafile::FormatError;
using fuzz::FileSnapshot;
using fuzz::finding;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const DataFile pristine = DataFile::fromBytes(fuzz::sampleFile(0), true);
    static const FileSnapshot pristineSnapshot = FileSnapshot::of(pristine);
    DataFile file = DataFile::fromBytes(fuzz::sampleFile(0), true);
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        try {
            app::importPatch(file, app::parsePatch(text));
        } catch (const FormatError &e) {
            if (e.reason().isEmpty())
                finding("a refusal without a reason");
            if (!(FileSnapshot::of(file) == pristineSnapshot))
                finding("a refused patch changed the file", e.reason());
            return 0;
        }
        const QJsonObject exported = app::exportPlanes(file);
        const FileSnapshot applied = FileSnapshot::of(file);
        app::importPatch(file, app::parsePatch(app::exportText(exported)));
        if (!(FileSnapshot::of(file) == applied))
            finding("the export of an imported file changed it when imported back");
        if (exported != app::exportPlanes(file))
            finding("export after import is not stable");
    } catch (const std::exception &e) {
        finding("unexpected exception", QString::fromLocal8Bit(e.what()));
    }
    return 0;
}
