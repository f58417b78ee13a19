#include "plane_header.h"

#include <stdexcept>

namespace vw::flightmodel {

HeaderTextField headerTextField(HeaderText field)
{
    using E = DirectoryEntry;
    switch (field) {
    case HeaderText::Name:
        return {E::NameOffset, E::NameWidth};
    case HeaderText::IconInAir:
        return {E::IconInAirOffset, E::ShortTextWidth};
    case HeaderText::Sounds:
        return {E::SoundsOffset, E::ShortTextWidth};
    case HeaderText::Cockpit1:
        return {E::Cockpit1Offset, E::ShortTextWidth};
    case HeaderText::Cockpit2:
        return {E::Cockpit2Offset, E::ShortTextWidth};
    case HeaderText::Model3D:
        return {E::Model3DOffset, E::ShortTextWidth};
    }
    throw std::logic_error("unknown header field");
}

bool PlaneHeader::exists() const
{
    return DirectoryEntry(file_, plane_).inDirectory();
}

DataFile &PlaneHeader::writable() const
{
    if (!writable_)
        throw std::logic_error("a plane header made from a read-only file cannot write");
    return *writable_;
}

QString PlaneHeader::text(HeaderText field) const
{
    const HeaderTextField f = headerTextField(field);
    return file_.text(at(f.offset), f.width);
}

int PlaneHeader::planeType() const
{
    return file_.u8(at(DirectoryEntry::PlaneTypeOffset));
}

bool PlaneHeader::selectable() const
{
    return file_.u8(at(DirectoryEntry::SelectableAOffset)) == 1 && file_.u8(at(DirectoryEntry::SelectableBOffset)) == 0;
}

QString PlaneHeader::setText(HeaderText field, const QString &text) const
{
    const HeaderTextField f = headerTextField(field);
    const QString cut = text.left(f.width);
    writable().writeText(at(f.offset), f.width, cut);
    return cut;
}

void PlaneHeader::setPlaneType(int type) const
{
    writable().writeU8(at(DirectoryEntry::PlaneTypeOffset), std::uint8_t(type == Bomber ? Bomber : Fighter));
}

void PlaneHeader::setSelectable(bool selectable) const
{
    writable().writeU8(at(DirectoryEntry::SelectableAOffset), selectable ? 1 : 0);
    writable().writeU8(at(DirectoryEntry::SelectableBOffset), selectable ? 0 : 255);
}

} // namespace vw::flightmodel
