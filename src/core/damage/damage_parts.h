#pragma once

#include <QString>

namespace vw::damage {

// Colours of the map views as 0xRRGGBB.
constexpr quint32 GridColour = 0x505050;        // grid lines, border and cube outlines
constexpr quint32 EmptyFilledColour = 0x393939; // an empty cell that another level fills
constexpr quint32 CursorColour = 0xFF0000;
constexpr quint32 NoPartColour = 0x000000;

// Part numbers of the parts catalogue: 0 "None", 1..32 the damageable parts.
constexpr int LastCataloguePart = 32;

// The catalogue name of part 0..32 ("None" .. "Flaps") as the program writes
// it, untranslated; null for any other byte.
const char *catalogueName(int part);

// The catalogue colour of a cell byte; black for 0 and for bytes above 32,
// which name no catalogue part.
quint32 partColour(int part);

// The name shown when hovering a cell: the catalogue name, or "Part 47" for a
// byte above 32.
QString partName(int part);

} // namespace vw::damage
