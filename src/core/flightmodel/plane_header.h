#pragma once

#include "core/datafile/directory_entry.h"

namespace vw::flightmodel {

using datafile::DataFile;

// The six fixed-width text fields of a plane header.
enum class HeaderText { Name, IconInAir, Sounds, Cockpit1, Cockpit2, Model3D };

struct HeaderTextField {
    int offset; // in the directory entry
    int width;
};
HeaderTextField headerTextField(HeaderText field);

// The header of plane p: its fields in the plane's directory entry.
template <class File>
class BasicPlaneHeader : public datafile::DirectoryEntry<File> {
    using Entry = datafile::DirectoryEntry<File>;

public:
    static constexpr int Fighter = 0, Bomber = 1;

    using Entry::Entry;

    // The entry is a plane's: it lies in the layout's directory area.
    bool exists() const { return this->inDirectory(); }

    // Shown trimmed of leading and trailing codes 0..32.
    QString text(HeaderText field) const
    {
        const HeaderTextField f = headerTextField(field);
        return Entry::text(f.offset, f.width);
    }
    int planeType() const { return this->u8(Entry::PlaneTypeOffset); }
    // Selectable only when flag A is 1 and flag B is 0.
    bool selectable() const
    {
        return this->u8(Entry::SelectableAOffset) == 1 && this->u8(Entry::SelectableBOffset) == 0;
    }

    // Cut to the width, zero the field, copy the characters from its first byte;
    // the byte after the field is not touched. Returns the text stored.
    QString setText(HeaderText field, const QString &text) requires Entry::Writable
    {
        const HeaderTextField f = headerTextField(field);
        const QString cut = text.left(f.width);
        Entry::setText(f.offset, f.width, cut);
        return cut;
    }
    void setPlaneType(int type) requires Entry::Writable
    {
        this->setU8(Entry::PlaneTypeOffset, std::uint8_t(type == Bomber ? Bomber : Fighter));
    }
    // The type byte as stored; a whole-plane copy carries it unchanged.
    void setStoredPlaneType(std::uint8_t type) requires Entry::Writable { this->setU8(Entry::PlaneTypeOffset, type); }
    // Writes the flags as a pair: 1 and 0, or 0 and 255.
    void setSelectable(bool selectable) requires Entry::Writable
    {
        this->setU8(Entry::SelectableAOffset, selectable ? 1 : 0);
        this->setU8(Entry::SelectableBOffset, selectable ? 0 : 255);
    }
};

using PlaneHeader = BasicPlaneHeader<DataFile>;
using PlaneHeaderView = BasicPlaneHeader<const DataFile>;

} // namespace vw::flightmodel
