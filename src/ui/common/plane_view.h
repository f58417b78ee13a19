#pragma once

namespace vw::app {

// A page (or part of one) that shows the current selection. The document's
// refresh cascade asks every registered view, in registration order:
// UpdateList1 -> planeListRebuilt, Update1 -> showConfigurations, Update2 ->
// showConfiguration, then Update3 -> showPlane, then configurationShown.
// These only fill widgets: they never write the file.
class PlaneView {
public:
    virtual ~PlaneView() = default;
    // The plane list was rebuilt (UpdateList1).
    virtual void planeListRebuilt() {}
    // Undo or redo made the plane it changed the current one.
    virtual void planeSelected() {}
    // The configuration list of the current plane (Update1).
    virtual void showConfigurations() {}
    // The current configuration (Update2, before Update3).
    virtual void showConfiguration() {}
    // Everything that depends on the current plane and weapon (Update3).
    virtual void showPlane() {}
    // Update2's last step, after Update3 (UpdateGun3).
    virtual void configurationShown() {}
};

} // namespace vw::app
