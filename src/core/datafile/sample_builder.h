#pragma once

#include "data_file.h"

#include <QByteArray>

namespace vw::datafile {

struct SampleOptions {
    int layout = Openhall128Layout;
    int planes = 16;
    int version = -1; // -1: 272 for the 63- and 128-plane layouts, 274 for the 256-plane layout
    quint32 seed = 1;
};

// Builds a valid plane data file of any layout, version and plane count with
// plausible content in every table. Throws FormatError when the options cannot
// make a file that loads back in the requested layout.
QByteArray buildSamplePlainImage(const SampleOptions &options); // deciphered
QByteArray buildSampleFile(const SampleOptions &options);       // enciphered, as the game stores it

// The version a layout's sample uses when none is given.
int defaultSampleVersion(int layout);

} // namespace vw::datafile
