#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace vw::datafile {

// Numbers as the editor shows them: general format with up to 15 significant
// digits and the editor's decimal separator.
QString formatNumber(double value, QChar separator = QLatin1Char('.'));

// Numbers as the editor reads them: leading blanks, optional sign, digits,
// optional fraction, optional exponent. "." is always a decimal point and so is
// the editor's own separator, so every shown number reads back to itself.
// Empty text reads as 0; a text that is not a complete number gives the value
// of its longest valid beginning (0 when there is none). No text is rejected.
double readNumber(const QString &text, QChar separator = QLatin1Char('.'));

// The value a number's shown text reads back to: readNumber(formatNumber(value))
// without building the text, for operations that store a number through the
// text a field would show (the separator does not matter, both read back alike).
double shownValue(double value);

// True when the whole text (blanks around it aside) is a number of the grammar above.
bool isCompleteNumber(const QString &text, QChar separator = QLatin1Char('.'));

// A signed decimal integer; `fallback` when the text is not one or does not fit.
qint64 readInteger(const QString &text, qint64 fallback = 0, bool *ok = nullptr);

// Nearest integer, halves to the even neighbour.
double roundHalfEven(double value);

// Fixed-width texts: one byte per character, zero-filled, no terminator inside
// the width. Shown trimmed of leading and trailing codes 0..32.
QString trimFieldText(const QByteArray &raw);
QString readFixedText(const std::uint8_t *bytes, int width);
// The bytes a text field is written as: cut to the width, zero-filled.
QByteArray fixedTextBytes(const QString &text, int width);

} // namespace vw::datafile
