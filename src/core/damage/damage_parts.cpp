#include "damage_parts.h"

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

// The catalogue's names as the program writes them (reports, the command-line
// tool); the window shows them in the user's language.
constexpr std::array<const char *, LastCataloguePart + 1> Names = {
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "None"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Engine 1"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Engine 2"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Engine 3"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Engine 4"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Engine 1 Oil System"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Engine 2 Oil System"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Engine 3 Oil System"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Engine 4 Oil System"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Elevator"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Horizontal Stabilizer"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Rudder"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Vertical Stabilizer"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Left Aileron"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Right Aileron"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Left Fuel Tank"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Right Fuel Tank"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Center Fuel Tank"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Rear Fuselage"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Center Fuselage"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Pilot Armor"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Pilot"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Tail Gunner"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Nose Gun"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Left Gun"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Right Gun"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Top Gun"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Bottom Gun"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Left Wing"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Right Wing"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Right Gear"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Left Gear"),
    QT_TRANSLATE_NOOP("vw::app::LabelTables", "Flaps"),
};

} // namespace

const char *catalogueName(int part)
{
    return part >= 0 && part <= LastCataloguePart ? Names[size_t(part)] : nullptr;
}

quint32 partColour(int part)
{
    return part >= 0 && part <= LastCataloguePart ? Colours[size_t(part)] : NoPartColour;
}

QString partName(int part)
{
    if (const char *name = catalogueName(part))
        return QCoreApplication::translate("vw::app::LabelTables", name);
    return QCoreApplication::translate("vw::damage", "Part %1").arg(part);
}

} // namespace vw::damage
