#pragma once

#include "core/datafile/data_file.h"

#include <QList>
#include <QString>

#include <functional>

namespace vw::app {

// One batch adjustment of the Misc page called by name, as vornwing-cli's
// batch command runs them. `run` changes the file and returns one sentence
// saying what it changed; an adjustment that refuses throws FormatError.
struct BatchStep {
    QString name;
    std::function<QString(datafile::DataFile &)> run;
};

// The steps the names give, in their order. "bomb-deviation" takes
// "=FIGHTER,BOMBER" (defaults 1 and 1.5). Returns false with `error` set,
// and no steps, for an unknown name or a malformed argument.
bool batchSteps(const QStringList &names, QList<BatchStep> *steps, QString *error);

// Every name batchSteps accepts, in the order of the Misc page.
QStringList batchStepNames();

} // namespace vw::app
