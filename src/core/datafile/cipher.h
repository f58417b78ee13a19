#pragma once

#include "layout.h"

#include <array>
#include <cstdint>
#include <memory>

namespace vw::datafile {

// The keyed permutation of version 273 files, built by BldTable from the
// version word alone.
struct CipherTables {
    std::array<std::uint8_t, 256> permutation{};
    std::array<std::uint8_t, 256> inverse{};
};

CipherTables BldTable(int fileVersion);

// Unkeyed complement transform of a range: byte := ((n - 1) mod 256) - byte.
// Its own inverse.
void Translate(std::uint8_t *bytes, std::int64_t length);

// The cipher of one version word: Encode277/Decode277 are keyed for version
// 273 and the complement transform otherwise. Positions of the keyed cipher
// restart at 0 for each call. Build one per load or save and reuse it for all
// ranges: the keyed lookup tables are made once.
class Cipher {
public:
    explicit Cipher(int fileVersion);
    ~Cipher();
    Cipher(const Cipher &) = delete;
    Cipher &operator=(const Cipher &) = delete;

    bool keyed() const { return fileVersion_ == 273; }
    const CipherTables &tables() const { return tables_; }

    void Encode277(std::uint8_t *bytes, std::int64_t length) const;
    void Decode277(std::uint8_t *bytes, std::int64_t length) const;
    // The keyed cipher whatever the version (the shared regions of a version
    // 273 file use it; their ammunition table does not).
    void encipherKeyed(std::uint8_t *bytes, std::int64_t length) const;
    void decipherKeyed(std::uint8_t *bytes, std::int64_t length) const;

private:
    struct PositionTables;
    int fileVersion_;
    CipherTables tables_;
    std::unique_ptr<PositionTables> position_;
};

// The shared regions of a whole image (the header and directory, the wings
// table, the damage profiles and the ammunition table), chosen by version and
// layout. Decode deciphers them when `decipher` is set and returns the section
// starts; Encode enciphers them in the reverse order of Decode, so it is its
// exact inverse. Regions reaching past the end of a short file are transformed
// as far as the file goes.
SectionStarts Decode(std::uint8_t *image, std::int64_t fileSize, int fileVersion, int fileLayout, bool decipher);
SectionStarts Encode(std::uint8_t *image, std::int64_t fileSize, int fileVersion, int fileLayout);

} // namespace vw::datafile
