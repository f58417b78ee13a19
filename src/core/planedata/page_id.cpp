#include "page_id.h"

namespace vw::app {

namespace {

struct PageName {
    PageId id;
    const char *key;
};

constexpr PageName PageNames[] = {
    {PageId::Weapons, "weapons"},
    {PageId::Header, "header"},
    {PageId::FlightModel, "flight-model"},
    {PageId::Primary, "primary"},
    {PageId::EnginePower, "engine-power"},
    {PageId::EngineWep, "engine-wep"},
    {PageId::Handling, "handling"},
    {PageId::Damage, "damage"},
    {PageId::DamageMaps, "damage-maps"},
    {PageId::OfflineProfile, "offline-profile"},
    {PageId::Wings, "wings"},
    {PageId::Ammunition, "ammunition"},
    {PageId::Misc, "misc"},
    {PageId::Help, "help"},
    {PageId::Credits, "credits"},
    {PageId::MoreWeapons, "more-weapons"},
};

} // namespace

QList<PageId> allPages()
{
    QList<PageId> ids;
    for (const PageName &name : PageNames)
        ids << name.id;
    return ids;
}

QString pageKey(PageId id)
{
    for (const PageName &name : PageNames)
        if (name.id == id)
            return QString::fromLatin1(name.key);
    return {};
}

} // namespace vw::app
