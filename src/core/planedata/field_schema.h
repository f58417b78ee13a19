#pragma once

#include <QByteArray>

namespace vw::app {

// The JSON Schema (draft 2020-12) of the document the export writes, made
// from the field tables: indented, keys sorted, ending in a line break, the
// same bytes on every run.
QByteArray exportSchemaText();

} // namespace vw::app
