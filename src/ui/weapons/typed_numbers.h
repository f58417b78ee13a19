#pragma once

#include "core/datafile/number_text.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <limits>

// How a typed number was read, for the field's mark and the status bar: an
// empty text when the text is a number of its kind. An empty field reads as 0
// and is not marked, so clearing a field to type anew stays quiet.

namespace vw::weapons {

inline QString numberTextProblem(const QString &caption, const QString &text, double stored, QChar separator)
{
    if (text.trimmed().isEmpty() || datafile::isCompleteNumber(text, separator))
        return {};
    return QCoreApplication::translate("vw::app::EditorDocument", "%1 \"%2\" is not a number; stored %3")
        .arg(caption, text, datafile::formatNumber(stored, separator));
}

// Whole numbers of a 32-bit field; `storedText` is what the field holds now.
inline QString integerTextProblem(const QString &caption, const QString &text, const QString &storedText)
{
    if (text.trimmed().isEmpty())
        return {};
    bool ok = false;
    const qint64 value = datafile::readInteger(text, 0, &ok);
    if (ok && value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max())
        return {};
    return QCoreApplication::translate("vw::app::EditorDocument", "%1 \"%2\" is not a whole number; stored %3").arg(caption, text, storedText);
}

} // namespace vw::weapons
