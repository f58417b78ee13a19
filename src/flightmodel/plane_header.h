#pragma once

#include "datafile/data_file.h"
#include "datafile/directory_entry.h"

#include <array>

namespace vw::flightmodel {

using datafile::DataFile;
using datafile::DirectoryEntry;

// The six fixed-width text fields of a plane header.
enum class HeaderText { Name, IconInAir, Sounds, Cockpit1, Cockpit2, Model3D };

struct HeaderTextField {
    int offset; // in the directory entry
    int width;
};
HeaderTextField headerTextField(HeaderText field);

// The header of plane p: its fields in the plane's directory entry. Reads from
// any file; writes only when made from a writable one.
class PlaneHeader {
public:
    static constexpr int Fighter = 0, Bomber = 1;

    PlaneHeader(const DataFile &file, int plane) : file_(file), plane_(plane) {}
    PlaneHeader(DataFile &file, int plane) : file_(file), writable_(&file), plane_(plane) {}

    int plane() const { return plane_; }
    // The whole 86-byte entry lies inside the file.
    bool exists() const;

    // Shown trimmed of leading and trailing codes 0..32.
    QString text(HeaderText field) const;
    int planeType() const;
    // Selectable only when flag A is 1 and flag B is 0.
    bool selectable() const;

    // Cut to the width, zero the field, copy the characters from its first byte;
    // the byte after the field is not touched. Returns the text stored.
    QString setText(HeaderText field, const QString &text) const;
    void setPlaneType(int type) const;
    // Writes the flags as a pair: 1 and 0, or 0 and 255.
    void setSelectable(bool selectable) const;

private:
    std::int64_t at(int fieldOffset) const { return datafile::directoryEntryOffset(plane_) + fieldOffset; }
    DataFile &writable() const;

    const DataFile &file_;
    DataFile *writable_ = nullptr;
    int plane_;
};

} // namespace vw::flightmodel
