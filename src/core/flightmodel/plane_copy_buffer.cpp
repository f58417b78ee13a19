#include "plane_copy_buffer.h"

#include "core/damage/damage_map.h"
#include "core/damage/damage_profile.h"
#include "core/datafile/number_text.h"
#include "core/flightmodel/plane_copies.h"
#include "core/flightmodel/plane_record.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace vw::flightmodel {

namespace {

constexpr HeaderText AllTexts[] = {HeaderText::Name,     HeaderText::IconInAir, HeaderText::Model3D,
                                   HeaderText::Cockpit1, HeaderText::Sounds,    HeaderText::Cockpit2};

// The planes and slots a batch covers once it is cut at the file's last plane.
struct BatchPlan {
    PlaneBatchResult result;
    int planes = 0;
};

// Checks what every batch needs before anything is read or written.
BatchPlan planBatch(const DataFile &file, int firstPlane, int position, int count, const QString &verb)
{
    BatchPlan plan;
    plan.result.lastPlane = firstPlane;
    auto refuse = [&](const QString &message) {
        plan.result.refused = true;
        plan.result.message = message;
        plan.planes = 0;
        return plan;
    };
    if (!PlaneCopyBuffer::inBuffer(position))
        return refuse(
            QCoreApplication::translate("vw::flightmodel", "The copy buffer has slots 1 to %1; there is no slot %2.")
                .arg(PlaneCopyBuffer::Slots)
                .arg(position));
    if (firstPlane < 1 || firstPlane > file.PlaneCount())
        return refuse(planeRecordRefusal(file, firstPlane, QCoreApplication::translate("vw::flightmodel", "current")));
    const int wanted = std::max(count, 0);
    plan.planes = std::min(wanted, file.PlaneCount() - firstPlane + 1);
    if (plan.planes > PlaneCopyBuffer::Slots - position + 1)
        return refuse(QCoreApplication::translate("vw::flightmodel",
                                                  "The copy buffer ends at slot %1: %2 planes from slot %3 do not fit.")
                          .arg(PlaneCopyBuffer::Slots)
                          .arg(plan.planes)
                          .arg(position));
    for (int k = 0; k < plan.planes; ++k) {
        const int plane = firstPlane + k;
        if (QString reason = planeRecordRefusal(file, plane, QString()); !reason.isEmpty())
            return refuse(reason);
        if (!PlaneHeaderView(file, plane).exists())
            return refuse(
                QCoreApplication::translate("vw::flightmodel", "Plane %1 has no entry in the plane directory.")
                    .arg(plane));
    }
    if (plan.planes < wanted)
        plan.result.message
            = QCoreApplication::translate("vw::flightmodel", "The file ends at plane %1: %2 of %3 planes %4.")
                  .arg(file.PlaneCount())
                  .arg(plan.planes)
                  .arg(wanted)
                  .arg(verb);
    return plan;
}

void finish(BatchPlan &plan, int firstPlane)
{
    plan.result.handled = plan.planes;
    plan.result.lastPlane = plan.planes > 0 ? firstPlane + plan.planes - 1 : firstPlane;
}

} // namespace

const PlaneCopySlot &PlaneCopyBuffer::slot(int position) const
{
    if (!inBuffer(position))
        throw datafile::FormatError(
            QCoreApplication::translate("vw::flightmodel", "The copy buffer has slots 1 to %1; there is no slot %2.")
                .arg(Slots)
                .arg(position));
    return slots_[std::size_t(position - 1)];
}

PlaneCopySlot &PlaneCopyBuffer::slot(int position)
{
    return const_cast<PlaneCopySlot &>(std::as_const(*this).slot(position));
}

QString PlaneCopyBuffer::name(int position) const
{
    return inBuffer(position) ? slot(position).text(HeaderText::Name) : QString();
}

bool PlaneCopyBuffer::isEmpty() const
{
    return std::none_of(slots_.begin(), slots_.end(), [](const PlaneCopySlot &s) { return s.filled(); });
}

PlaneBatchResult copyPlanesToBuffer(const DataFile &file, PlaneCopyBuffer &buffer, int firstPlane, int position, int count)
{
    BatchPlan plan
        = planBatch(file, firstPlane, position, count, QCoreApplication::translate("vw::flightmodel", "copied"));
    if (plan.result.refused)
        return plan.result;
    for (int k = 0; k < plan.planes; ++k) {
        const int plane = firstPlane + k;
        PlaneCopySlot &slot = buffer.slot(position + k);
        const PlaneHeaderView header(file, plane);
        for (HeaderText field : AllTexts)
            slot.text(field) = header.text(field);
        slot.record = PlaneRecordView(file, plane).bytes(PlaneRecord::WholeRecord);
        const damage::DamageMapView map(file, plane);
        slot.damageMap = map.exists() ? map.bytes() : QByteArray();
        const damage::ProfileSlotView profile(file, plane);
        slot.profile = profile.exists() ? profile.profileBytes() : QByteArray();
        slot.planeType = std::uint8_t(header.planeType());
        slot.selectable = header.selectable();
    }
    finish(plan, firstPlane);
    return plan.result;
}

PlaneBatchResult pastePlanesFromBuffer(DataFile &file, const PlaneCopyBuffer &buffer, int firstPlane, int position, int count)
{
    BatchPlan plan
        = planBatch(file, firstPlane, position, count, QCoreApplication::translate("vw::flightmodel", "pasted"));
    if (plan.result.refused)
        return plan.result;
    for (int k = 0; k < plan.planes; ++k) {
        if (!buffer.slot(position + k).filled()) {
            plan.result = {0, firstPlane, true,
                           QCoreApplication::translate(
                               "vw::flightmodel", "Slot %1 of the copy buffer is empty: copy a plane into it first.")
                               .arg(position + k)};
            return plan.result;
        }
    }
    for (int k = 0; k < plan.planes; ++k) {
        const int plane = firstPlane + k;
        const PlaneCopySlot &slot = buffer.slot(position + k);
        PlaneHeader header(file, plane);
        for (HeaderText field : AllTexts)
            header.setText(field, slot.text(field));
        PlaneRecord(file, plane).setBytes(0, slot.record);
        damage::DamageMap map(file, plane);
        if (slot.hasDamageMap() && map.exists())
            map.setBytes(slot.damageMap);
        damage::ProfileSlot profile(file, plane);
        if (!slot.profile.isEmpty() && profile.exists())
            profile.setProfileBytes(slot.profile);
        header.setStoredPlaneType(slot.planeType);
        header.setSelectable(slot.selectable);
    }
    finish(plan, firstPlane);
    return plan.result;
}

int batchCount(const QString &text)
{
    return int(std::clamp<qint64>(datafile::readInteger(text, 1), std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

int autoIncrementStep(const QString &text)
{
    return int(std::clamp<qint64>(datafile::readInteger(text, 0), std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

AutoIncrement autoIncrement(int position, const QString &batchText, int lastPlane, int planeCount)
{
    const qint64 moved = qint64(position) + autoIncrementStep(batchText);
    AutoIncrement next;
    next.position = int(std::clamp<qint64>(moved, 1, std::numeric_limits<int>::max()));
    next.currentPlane = lastPlane < planeCount ? lastPlane + 1 : lastPlane;
    return next;
}

} // namespace vw::flightmodel
