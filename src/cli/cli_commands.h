#pragma once

#include <QStringList>
#include <QTextStream>

namespace vw::cli {

// Runs one command line of vornwing-cli (arguments without the program name).
// A FILE or OUT of "-" is standard input or standard output.
// Returns the exit code: 0 success, 1 failure, 2 bad usage.
int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace vw::cli
