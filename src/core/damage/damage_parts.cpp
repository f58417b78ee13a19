#include "damage_parts.h"

#include "core/workspace/support_files.h"

#include <QCoreApplication>

#include <array>

namespace vw::damage {

namespace {

constexpr quint32 Engine = 0xEFA000, Oil = 0xEF6F00, Control = 0x00FF00, Surface = 0x00A000, Fuel = 0xFFFF00,
                  DarkGreen = 0x004F00, Gunner = 0xCCCCCC, Gun = 0xFF0000;

constexpr std::array<quint32, LastCataloguePart + 1> Colours = {
    NoPartColour,                 // None
    Engine,   Engine,   Engine,   Engine,   // Engine 1..4
    Oil,      Oil,      Oil,      Oil,      // Engine 1..4 Oil System
    Control,                      // Elevator
    Surface,                      // Horizontal Stabilizer
    Control,                      // Rudder
    Surface,                      // Vertical Stabilizer
    Surface,  Surface,            // Left, Right Aileron
    Fuel,     Fuel,     Fuel,     // Left, Right, Center Fuel Tank
    DarkGreen,                    // Rear Fuselage
    0x006F00,                     // Center Fuselage
    0xFFFFFF,                     // Pilot Armor
    0xFF5F5F,                     // Pilot
    Gunner,                       // Tail Gunner
    Gun,      Gun,      Gun,      // Nose, Left, Right Gun
    Gunner,   Gunner,             // Top, Bottom Gun
    DarkGreen, DarkGreen,         // Left, Right Wing
    0x0000FF, 0x0000FF,           // Right, Left Gear
    0x00FF55,                     // Flaps
};

} // namespace

quint32 partColour(int part)
{
    return part >= 0 && part <= LastCataloguePart ? Colours[size_t(part)] : NoPartColour;
}

QString partName(int part)
{
    static const QStringList names = app::damagePartNames();
    if (part >= 0 && part < names.size())
        return app::shownLabel(names[part]);
    return QCoreApplication::translate("vw::damage", "Part %1").arg(part);
}

} // namespace vw::damage
