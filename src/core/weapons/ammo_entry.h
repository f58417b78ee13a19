#pragma once

#include "core/datafile/record.h"

#include <QCoreApplication>

namespace vw::weapons {

using datafile::DataFile;

// Entry k of the ammunition table shared by all planes: 56 bytes at
// AmmoTableStart + 56·k. The editor uses entries 0..150.
template <class File>
class BasicAmmoEntry : public datafile::Record<File> {
    using Base = datafile::Record<File>;

public:
    static constexpr int Size = datafile::AmmoEntrySize;
    static constexpr int Count = 151; // entries the editor uses, 0..150
    static constexpr int ApDamageOffset = 0, HeDamageOffset = 8, HeRangeOffset = 12, WeightOffset = 20,
                         Param1Offset = 28, Param2Offset = 32, NameOffset = 36, NameWidth = 19;

    BasicAmmoEntry(File &file, int k) : Base(file, std::int64_t(file.AmmoTableStart()) + std::int64_t(Size) * k), index_(k) {}

    int index() const { return index_; }
    bool exists() const { return index_ >= 0 && this->file().AmmoTableStart() > 0 && this->inFile(Size); }

    double apDamage() const { return this->f64(ApDamageOffset); }
    std::int32_t heDamage() const { return this->i32(HeDamageOffset); }
    double heRange() const { return this->f64(HeRangeOffset); }
    double weight() const { return this->f64(WeightOffset); }
    std::int32_t param1() const { return this->i32(Param1Offset); }
    std::int32_t param2() const { return this->i32(Param2Offset); }
    bool hasName() const { return index_ >= 0 && this->file().contains(this->offset() + NameOffset, NameWidth); }
    // The 19 raw bytes of the ammunition's file name (part of AmmoNames); never edited.
    QByteArray rawName() const { return this->bytes(NameOffset, NameWidth); }

    void setApDamage(double value) requires Base::Writable { this->setF64(ApDamageOffset, value); }
    void setHeDamage(std::int32_t value) requires Base::Writable { this->setI32(HeDamageOffset, value); }
    void setHeRange(double value) requires Base::Writable { this->setF64(HeRangeOffset, value); }
    void setWeight(double value) requires Base::Writable { this->setF64(WeightOffset, value); }
    void setParam1(std::int32_t value) requires Base::Writable { this->setI32(Param1Offset, value); }
    void setParam2(std::int32_t value) requires Base::Writable { this->setI32(Param2Offset, value); }
    void setRawName(const QByteArray &name) requires Base::Writable
    {
        if (name.size() != NameWidth)
            throw datafile::FormatError(
                QCoreApplication::translate("vw::weapons", "An ammunition name has 19 bytes, not %1.")
                    .arg(name.size()));
        this->file().write(this->offset() + NameOffset, name);
    }

private:
    int index_;
};

using AmmoEntry = BasicAmmoEntry<DataFile>;
using AmmoEntryView = BasicAmmoEntry<const DataFile>;

} // namespace vw::weapons
