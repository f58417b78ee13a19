#include "layout.h"

namespace vw::datafile {

RegionList regionList(int fileVersion, int fileLayout)
{
    if (fileVersion == KeyedVersion)
        return {{{{8, 10922, true}, {10930, 48000, true}, {58930, 117729, true}, {176659, 11200, false}}},
                {10930, 59872, 176659}};
    switch (fileLayout) {
    case OriginalLayout:
        return {{{{0, 5504, false}, {5504, 48000, false}, {53504, 59328, false}, {112832, 11200, false}}},
                {5504, 54454, 112840}};
    case Openhall256Layout:
        return {{{{8, 21930, false}, {21938, 48000, false}, {70880, 117729, false}, {306323, 11200, false}}},
                {21938, 70880, 306323}};
    default:
        return {{{{8, 10922, false}, {10930, 48000, false}, {58930, 117729, false}, {176659, 11200, false}}},
                {10930, 59872, 176659}};
    }
}

int layoutCapacity(int fileLayout)
{
    switch (fileLayout) {
    case OriginalLayout: return 63;
    case Openhall256Layout: return 254;
    default: return 126;
    }
}

} // namespace vw::datafile
