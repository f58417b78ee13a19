#pragma once

#include "data_file.h"

#include <QString>

#include <type_traits>

namespace vw::datafile {

// A record of the file format as a view over FileImage: the file it lies in
// and the file offset of its first byte. Every record type of the editor
// derives from it and names its fields as constexpr offsets beside it.
//
// `File` tells the two kinds of view apart by type: a record made over a
// `const DataFile` only reads; one made over a `DataFile` also writes, through
// DataFile::write. Calling a setter on a read-only view does not compile.
// Class template argument deduction picks the kind from the file given:
// `WeaponsBlock block(file, plane)` reads and writes when `file` is writable.
template <class File>
class Record {
    static_assert(std::is_same_v<std::remove_const_t<File>, DataFile>, "a record lies in a DataFile");

public:
    static constexpr bool Writable = !std::is_const_v<File>;

    Record(File &file, std::int64_t at) : file_(&file), at_(at) {}

    File &file() const { return *file_; }
    // File offset of the record's first byte.
    std::int64_t offset() const { return at_; }
    // True when `length` bytes from the record's start lie inside the file.
    bool inFile(std::int64_t length) const { return file_->contains(at_, length); }

protected:
    // Fields by their offset inside the record; every access is checked against the file.
    std::uint8_t u8(std::int64_t field) const { return file_->u8(at_ + field); }
    std::uint16_t u16(std::int64_t field) const { return file_->u16(at_ + field); }
    std::int16_t i16(std::int64_t field) const { return file_->i16(at_ + field); }
    std::uint32_t u24(std::int64_t field) const { return file_->u24(at_ + field); }
    std::int32_t i32(std::int64_t field) const { return file_->i32(at_ + field); }
    double f64(std::int64_t field) const { return file_->f64(at_ + field); }
    QByteArray bytes(std::int64_t field, std::int64_t length) const { return file_->bytes(at_ + field, length); }
    // A fixed-width text, trimmed as the editor shows it.
    QString text(std::int64_t field, int width) const { return file_->text(at_ + field, width); }

    void setU8(std::int64_t field, std::uint8_t value) requires Writable { file_->writeU8(at_ + field, value); }
    void setU16(std::int64_t field, std::uint16_t value) requires Writable { file_->writeU16(at_ + field, value); }
    void setI16(std::int64_t field, std::int16_t value) requires Writable { file_->writeI16(at_ + field, value); }
    void setI32(std::int64_t field, std::int32_t value) requires Writable { file_->writeI32(at_ + field, value); }
    void setF64(std::int64_t field, double value) requires Writable { file_->writeF64(at_ + field, value); }
    // Cut to the width, zero the field, copy the characters from its first byte.
    void setText(std::int64_t field, int width, const QString &value) requires Writable
    {
        file_->writeText(at_ + field, width, value);
    }

    // A record inside this one, of the same kind of view.
    template <template <class> class Sub>
    Sub<File> sub(std::int64_t field) const
    {
        return Sub<File>(*file_, at_ + field);
    }

    File *file_;
    std::int64_t at_;
};

} // namespace vw::datafile
