#include "core/workspace/version.h"

#ifndef VW_VERSION
#error "VW_VERSION is set by the build (CMakeLists.txt)"
#endif

namespace vw::app {

const char *programVersion()
{
    return VW_VERSION;
}

} // namespace vw::app
