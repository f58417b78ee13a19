#pragma once

#include <QList>
#include <QString>

namespace vw::app {

// Every page and sub-page of the window, and the More Weapons dialog.
enum class PageId {
    Weapons,
    Header,
    FlightModel,
    Primary,
    EnginePower,
    EngineWep,
    Handling,
    Damage,
    DamageMaps,
    OfflineProfile,
    Wings,
    Ammunition,
    Misc,
    Help,
    Credits,
    MoreWeapons,
};

// Every page, in the window's order.
QList<PageId> allPages();
// The page's stable identifier: "weapons", "engine-power", "more-weapons".
QString pageKey(PageId id);

} // namespace vw::app
