#pragma once

#include "core/datafile/data_file.h"
#include "core/planedata/field_table.h"

#include <QByteArray>

#include <string>

namespace vw::app {

// The file as text, one line per field: "PATH = VALUE", the canonical path
// ("planes[7].weapons.configurations[2].weapons[3].ammo") and the value as the
// export writes it (texts as JSON strings). The file's own fields come first,
// then the planes in ascending order, each plane's lines together, then the
// shared tables. A part the file lacks is one line "PATH = null". Bytes named
// twice are listed once, under their canonical name. Nothing depends on the
// locale or the machine, so version control can compare and merge the lines.
QByteArray fieldLines(const datafile::DataFile &file);



} // namespace vw::app
