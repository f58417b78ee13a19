#pragma once

#include <functional>

namespace vw::flightmodel {

// Makes a plane (from 1) current as a click on its line in the plane list
// does: the line is selected, the first configuration and weapon are chosen
// and the pages show the plane (Update1). The window hands it to the groups
// whose copies and batches end on another plane.
using PlaneChooser = std::function<void(int plane)>;

} // namespace vw::flightmodel
