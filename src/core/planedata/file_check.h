#pragma once

#include "core/datafile/data_file.h"

#include <QStringList>

namespace vw::app {

// What is wrong with the file's structure, one finding a line: blocks outside
// the file or over the directory, blocks that overlap each other or the
// shared tables, planes that share a block, directory entries outside the
// layout's directory area, and configuration and weapon counts or
// ammunition types the editor's data model does not have. Empty for a sound file.
QStringList checkFile(const datafile::DataFile &file);

} // namespace vw::app
