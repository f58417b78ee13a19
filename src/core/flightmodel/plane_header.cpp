#include "plane_header.h"

#include <stdexcept>

namespace vw::flightmodel {

HeaderTextField headerTextField(HeaderText field)
{
    using E = datafile::DirectoryEntryView;
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

} // namespace vw::flightmodel
