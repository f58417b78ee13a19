#pragma once

namespace vw::app {

// A page (or part of one) that shows the current selection. Update3 asks every
// registered view to show itself, in the order the views were registered.
// showPlane() only fills widgets: it never writes the file.
class PlaneView {
public:
    virtual ~PlaneView() = default;
    virtual void showPlane() = 0;
};

} // namespace vw::app
