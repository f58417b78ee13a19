#include "damage_model_copy.h"

#include "core/damage/damage_map.h"
#include "core/damage/damage_profile.h"

#include <QCoreApplication>

namespace vw::damage {

namespace {

CopyResult refused(const QString &reason)
{
    return {false, reason};
}

} // namespace

CopyResult copyDamageModel(DataFile &file, int from, int to, bool map, bool values, MapUndo *undo)
{
    for (int plane : {from, to})
        if (plane < 1 || plane > file.PlaneCount())
            return refused(QCoreApplication::translate("vw::damage", "plane %1 is not in the plane list.").arg(plane));
    DamageMap source(file, from), destination(file, to);
    ProfileSlot sourceSlot(file, from), destinationSlot(file, to);
    if (map)
        for (const DamageMap *m : {&source, &destination})
            if (!m->exists())
                return refused(
                    QCoreApplication::translate("vw::damage", "plane %1 has no damage map.").arg(m->plane()));
    if (values)
        for (const ProfileSlot *s : {&sourceSlot, &destinationSlot})
            if (!s->exists())
                return refused(
                    QCoreApplication::translate("vw::damage", "plane %1 has no damage profile slot.").arg(s->plane()));

    if (map) {
        const QByteArray bytes = source.bytes();
        if (bytes != destination.bytes()) {
            destination.setBytes(bytes);
            if (undo)
                undo->dropPlane(to);
        }
    }
    if (values)
        destinationSlot.setProfileBytes(sourceSlot.profileBytes());
    return {true, {}};
}

} // namespace vw::damage
