#pragma once

#include <QString>

#include <cstdint>

namespace vw::weapons {

// How the More Weapons dialog shows and reads the fields of a weapon record.
// Showing never writes: a field is stored only when the user edits it, and then
// as the value its text shows. Coordinates use formatNumber / readNumber.

// Angles are stored in radians and shown in degrees with three decimals:
// N(radians * 180 / pi * 1000) / 1000, with the editor's decimal separator.
double shownAngleDegrees(double radians);
QString angleText(double radians, QChar separator = QLatin1Char('.'));
// The text read as degrees (with "." or the separator), stored as degrees * pi / 180.
double angleFromText(const QString &text, QChar separator = QLatin1Char('.'));

// "Assigned 'Key':" shows the stored value + 1 (a stored 2147483647 shows
// 2147483648) and stores (integer of the text, 1 if not one) - 1. A text whose
// key does not fit the 32-bit field counts as not an integer, so the shown
// text of every stored value reads back to it.
QString keyText(std::int32_t stored);
std::int32_t keyFromText(const QString &text);

// "Delay:" and "Trasser:": decimal text; stored as the integer of the text,
// 0 when it is not an integer of the 32-bit field.
QString integerFieldText(std::int32_t stored);
std::int32_t integerFieldFromText(const QString &text);

} // namespace vw::weapons
