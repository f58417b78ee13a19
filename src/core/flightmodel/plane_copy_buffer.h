#pragma once

#include "core/datafile/data_file.h"
#include "core/flightmodel/plane_header.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace vw::flightmodel {

using datafile::DataFile;

// One slot of the whole-plane copy buffer: everything "Copy" takes from a
// plane and "Paste" writes back.
struct PlaneCopySlot {
    QByteArray record;     // the 31208-byte plane record; empty while the slot was never filled
    QByteArray damageMap;  // the 8192-byte damage map; empty when the plane had none
    QByteArray profile;    // the first 912 bytes of the offline damage profile slot; empty when it had none
    std::uint8_t planeType = 0;
    bool selectable = false;
    // The six header texts, trimmed as the header edits show them, by HeaderText.
    std::array<QString, 6> texts;

    bool filled() const { return !record.isEmpty(); }
    bool hasDamageMap() const { return !damageMap.isEmpty(); }
    const QString &text(HeaderText field) const { return texts[std::size_t(field)]; }
    QString &text(HeaderText field) { return texts[std::size_t(field)]; }
};

// The whole-plane copy buffer of "Copy/Paste all plane data": 256 slots
// numbered from 1, held in memory for the whole run and kept when another
// file is loaded. It is a plain value: the window owns it.
class PlaneCopyBuffer {
public:
    static constexpr int Slots = 256;

    PlaneCopyBuffer() : slots_(Slots) {}

    static bool inBuffer(int position) { return position >= 1 && position <= Slots; }
    // Slot 1..256; throws FormatError for any other position.
    const PlaneCopySlot &slot(int position) const;
    PlaneCopySlot &slot(int position);
    // The plane name shown beside the buffer position (Edit14): empty for an
    // empty slot or a position outside the buffer.
    QString name(int position) const;
    // True until the first Copy ("Paste" stays disabled until then).
    bool isEmpty() const;

private:
    std::vector<PlaneCopySlot> slots_;
};

// What a Copy or Paste batch did.
struct PlaneBatchResult {
    int handled = 0;    // planes copied or pasted
    int lastPlane = 0;  // the plane current after the batch: the last one handled, or the first when none was
    bool refused = false;
    // Empty when the whole batch ran. Otherwise why it stopped at the last
    // plane of the file, or why it was refused (then nothing was copied or written).
    QString message;
};

// "Copy" (Button7): planes firstPlane, firstPlane + 1, ... into slots
// position, position + 1, ... A batch that would run past the last plane stops
// there. Refused as a whole, with nothing copied, when a slot would lie past
// slot 256 or a plane of the batch has no plane record. A plane without a
// damage map (or damage profile slot) leaves the slot's map (profile) empty.
PlaneBatchResult copyPlanesToBuffer(const DataFile &file, PlaneCopyBuffer &buffer, int firstPlane, int position, int count);

// "Paste" (Button8): slots position, position + 1, ... onto planes firstPlane,
// firstPlane + 1, ...: the six header texts (cut to their widths), the record,
// the damage map, the profile, the type byte and the selectable flags as the
// pair 1/0 or 0/255. Stops at the last plane like Copy; refused as a whole, with
// nothing written, for a slot past 256 or never filled, or a plane without a
// plane record. No damage map is written where the slot or the plane has none.
PlaneBatchResult pastePlanesFromBuffer(DataFile &file, const PlaneCopyBuffer &buffer, int firstPlane, int position, int count);

// The batch text of Edit34 as Copy and Paste read it: 1 when it is not a number.
int batchCount(const QString &text);
// The step "Auto Increment" moves the buffer position by: 0 when the text is not a number.
int autoIncrementStep(const QString &text);

struct AutoIncrement {
    int position = 1;
    int currentPlane = 1;
};
// "Auto Increment" after a Copy or Paste: the buffer position moves on by the
// batch text's step (never below slot 1), and the plane after the batch's last
// becomes current unless that was the file's last plane.
AutoIncrement autoIncrement(int position, const QString &batchText, int lastPlane, int planeCount);

} // namespace vw::flightmodel
