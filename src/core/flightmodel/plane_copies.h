#pragma once

#include "core/datafile/data_file.h"

#include <QString>

namespace vw::flightmodel {

using datafile::DataFile;

// What a copy between two planes came to: done, or the reason it was not
// possible, a plain sentence for the status bar beside "Copy process is not
// possible!". A refused copy has written nothing.
struct CopyResult {
    QString refusal;

    bool done() const { return refusal.isEmpty(); }
    explicit operator bool() const { return done(); }
};

// The reason plane p (from 1) cannot take part in a copy: no plane chosen, no
// such plane in the file, or no plane record; empty when it can. `role` names
// the plane in the sentence ("source", "destination").
QString planeRecordRefusal(const DataFile &file, int plane, const QString &role);

// "Flight model" copy: the primary table and the engine block to the end of the
// record, from one plane over another. The weapons block, header, damage map
// and damage profile stay as they are.
CopyResult copyFlightModel(DataFile &file, int from, int to);

// "Engines" copy: counts, extra engine parameter, engine power matrix, speed
// points, WEP fields and tables and handling rows for 0..1560 mph.
CopyResult copyEngines(DataFile &file, int from, int to);

// "Copy only first X cols": the engine power matrix cells of columns 1..X in
// all 80 rows; a source cell holding 0 leaves the destination's cell as it
// was. X is limited to 0..20 (the matrix's columns).
CopyResult copyFirstColumns(DataFile &file, int from, int to, int columns);

// X of "Copy only first X cols" from its text: 0 when it is not a whole
// number, limited to 0..20.
int firstColumnsFromText(const QString &text);

} // namespace vw::flightmodel
