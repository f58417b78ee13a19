#pragma once

namespace vw::app {

// The version of the editor and the command-line tool ("3.5b"): the window
// caption, the Credits title, About, --version and the package all show this
// one, set once in the top CMakeLists.txt.
const char *programVersion();

} // namespace vw::app
