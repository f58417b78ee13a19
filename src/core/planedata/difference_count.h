#pragma once

#include "core/datafile/data_file.h"

// How many fields differ between two plane data files, counted as the diff
// lists them (one for a part that one side lacks), without naming any of
// them: cheap enough to follow every edit of the window.
namespace vw::app::fields {

// The differences of plane `p` (a plane only one file has counts once).
// Planes whose blocks hold the same bytes in both files count 0 at once.
int countPlaneDifferences(const datafile::DataFile &a, const datafile::DataFile &b, int p);
// The differences outside the planes: the file's own fields and the shared tables.
int countSharedDifferences(const datafile::DataFile &a, const datafile::DataFile &b);

} // namespace vw::app::fields
