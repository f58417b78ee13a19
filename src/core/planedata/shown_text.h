#pragma once

#include <QByteArray>
#include <QString>

namespace vw::app {

// Texts from a file or a patch as messages and terminal output show them.
// A control character (U+0000..U+001F, U+007F..U+009F) could move the cursor,
// clear the screen or change the terminal's colours: it is shown as \t, \n,
// \r or \xHH instead.

// `text` with its control characters escaped; everything else as it is.
QString escapedControls(const QString &text);

// `text` in double quotes, with \" and \\ for quotes and backslashes and its
// control characters escaped. When `limit` is given and the text is longer,
// only its start is shown: "Kestrel Mk II with a very long..." (4096 characters).
QString quoted(const QString &text, qsizetype limit = -1);

// The start of a longer text, quoted and marked as cut: "Kestrel...".
QString quotedStart(const QString &start);

// Bytes of Latin-1 text meant for a terminal, with their control bytes
// escaped, except CR LF line ends, which stay.
QByteArray escapedControlBytes(const QByteArray &text);

// Whether a text has a control character.
bool hasControlCharacter(const QString &text);

} // namespace vw::app
