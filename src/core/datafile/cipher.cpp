#include "cipher.h"

#include <algorithm>

namespace vw::datafile {

namespace {
constexpr std::int32_t SeedAddend = 624815307;
constexpr std::int64_t StepAddend = 472619;
constexpr std::int64_t StepMask = 736142;
constexpr std::int64_t StepMultiplier = 61297;
constexpr std::uint32_t ByteMaskAddend = 538201946;

std::uint32_t byteMask(int fileVersion)
{
    return std::uint32_t(8u * std::uint32_t(fileVersion) + ByteMaskAddend);
}

// The keyed transform of a byte depends only on its position mod 256 (the
// mask repeats every 8, the addend every 256), so one 256 x 256 table per
// direction turns each byte into a single lookup.
using PositionTable = std::array<std::array<std::uint8_t, 256>, 256>;

void buildEncodeTable(PositionTable &table, int fileVersion, const CipherTables &tables)
{
    const std::uint32_t m = byteMask(fileVersion);
    for (int i = 0; i < 256; ++i) {
        const std::uint8_t mask = std::uint8_t(m >> (i % 8));
        for (int b = 0; b < 256; ++b)
            table[i][b] = std::uint8_t((mask ^ tables.permutation[b]) + i);
    }
}

void buildDecodeTable(PositionTable &table, int fileVersion, const CipherTables &tables)
{
    const std::uint32_t m = byteMask(fileVersion);
    for (int i = 0; i < 256; ++i) {
        const std::uint8_t mask = std::uint8_t(m >> (i % 8));
        for (int b = 0; b < 256; ++b)
            table[i][b] = tables.inverse[std::uint8_t(mask ^ std::uint8_t(b - i))];
    }
}

void applyPositionTable(std::uint8_t *bytes, std::int64_t length, const PositionTable &table)
{
    std::int64_t i = 0;
    for (; i + 256 <= length; i += 256) {
        std::uint8_t *block = bytes + i;
        for (int j = 0; j < 256; ++j)
            block[j] = table[j][block[j]];
    }
    for (int j = 0; i < length; ++i, ++j)
        bytes[i] = table[j][bytes[i]];
}
} // namespace

CipherTables BldTable(int fileVersion)
{
    CipherTables tables;
    for (int i = 0; i < 256; ++i)
        tables.permutation[i] = std::uint8_t(i);
    // The seed is a 32-bit signed sum, widened to 64 bits; the steps wrap in
    // 64-bit two's complement (done in unsigned arithmetic, which is the same bits).
    const std::int32_t seed = std::int32_t(std::uint32_t(fileVersion) + std::uint32_t(SeedAddend));
    std::uint64_t x = std::uint64_t(std::int64_t(seed));
    for (int pass = 0; pass < 10; ++pass) {
        for (int j = 0; j < 256; ++j) {
            x += std::uint64_t(StepAddend);
            x ^= std::uint64_t(StepMask);
            x *= std::uint64_t(StepMultiplier);
            const int k = int(x & 255u);
            std::swap(tables.permutation[j], tables.permutation[k]);
        }
    }
    for (int i = 0; i < 256; ++i)
        tables.inverse[tables.permutation[i]] = std::uint8_t(i);
    return tables;
}

void Translate(std::uint8_t *bytes, std::int64_t length)
{
    if (length <= 0)
        return;
    const std::uint8_t k = std::uint8_t((length - 1) % 256);
    // Whole blocks of a fixed size first, which the compiler turns into
    // vector instructions: a full file passes through here on every load and save.
    constexpr std::int64_t Block = 64;
    std::int64_t x = 0;
    for (; x + Block <= length; x += Block)
        for (std::int64_t i = 0; i < Block; ++i)
            bytes[x + i] = std::uint8_t(k - bytes[x + i]);
    for (; x < length; ++x)
        bytes[x] = std::uint8_t(k - bytes[x]);
}

struct Cipher::PositionTables {
    PositionTable encode;
    PositionTable decode;
};

Cipher::Cipher(int fileVersion)
    : fileVersion_(fileVersion), tables_(BldTable(fileVersion)), position_(std::make_unique<PositionTables>())
{
    buildEncodeTable(position_->encode, fileVersion_, tables_);
    buildDecodeTable(position_->decode, fileVersion_, tables_);
}

Cipher::~Cipher() = default;

void Cipher::encipherKeyed(std::uint8_t *bytes, std::int64_t length) const
{
    if (length > 0)
        applyPositionTable(bytes, length, position_->encode);
}

void Cipher::decipherKeyed(std::uint8_t *bytes, std::int64_t length) const
{
    if (length > 0)
        applyPositionTable(bytes, length, position_->decode);
}

void Cipher::Encode277(std::uint8_t *bytes, std::int64_t length) const
{
    if (keyed())
        encipherKeyed(bytes, length);
    else
        Translate(bytes, length);
}

void Cipher::Decode277(std::uint8_t *bytes, std::int64_t length) const
{
    if (keyed())
        decipherKeyed(bytes, length);
    else
        Translate(bytes, length);
}

namespace {

// The complement transform's key comes from the region's full length, so a
// region cut short by the end of the file still gets the same bytes.
void transformRegion(std::uint8_t *image, std::int64_t fileSize, const CipherRegion &region, const Cipher &cipher,
                     bool decipher)
{
    if (region.start >= fileSize || region.length <= 0)
        return;
    const std::int64_t available = std::min<std::int64_t>(region.length, fileSize - region.start);
    std::uint8_t *bytes = image + region.start;
    if (region.keyed) {
        if (decipher)
            cipher.decipherKeyed(bytes, available);
        else
            cipher.encipherKeyed(bytes, available);
        return;
    }
    const std::uint8_t k = std::uint8_t((region.length - 1) % 256);
    for (std::int64_t x = 0; x < available; ++x)
        bytes[x] = std::uint8_t(k - bytes[x]);
}

} // namespace

SectionStarts Decode(std::uint8_t *image, std::int64_t fileSize, int fileVersion, int fileLayout, bool decipher)
{
    const RegionList list = regionList(fileVersion, fileLayout);
    if (decipher) {
        const Cipher cipher(fileVersion);
        for (const CipherRegion &region : list.regions)
            transformRegion(image, fileSize, region, cipher, true);
    }
    return list.starts;
}

SectionStarts Encode(std::uint8_t *image, std::int64_t fileSize, int fileVersion, int fileLayout)
{
    const RegionList list = regionList(fileVersion, fileLayout);
    const Cipher cipher(fileVersion);
    for (auto region = list.regions.rbegin(); region != list.regions.rend(); ++region)
        transformRegion(image, fileSize, *region, cipher, false);
    return list.starts;
}

} // namespace vw::datafile
