#pragma once

#include "layout.h"

#include <QByteArray>
#include <QList>

#include <array>
#include <utility>
#include <vector>

namespace vw::datafile {

// A block of the file that the load deciphered and the save enciphers again.
struct CipherBlock {
    std::int64_t offset = 0;
    std::int64_t length = 0;
    friend bool operator==(const CipherBlock &, const CipherBlock &) = default;
};

// Everything about a loaded file that is not the bytes of its image.
struct FileState {
    int fileVersion = 0;
    int planeCount = -1;
    int fileLayout = Openhall128Layout;
    SectionStarts starts;
    std::array<std::int64_t, PlaneTableSize> recordOffsets{};
    std::array<std::int64_t, PlaneTableSize> damageMapOffsets{};
    std::vector<CipherBlock> cipherBlocks; // in load order
};

// The header values of a loaded file: what a header-value step changes.
struct HeaderValues {
    int fileVersion = 0;
    int planeCount = -1;
    int fileLayout = Openhall128Layout;
    SectionStarts starts;
    friend bool operator==(const HeaderValues &, const HeaderValues &) = default;
};

// A change of one plane's block offsets, with what it did to the record of
// deciphered blocks: the entries it took out (at their places) and how many
// it put at the end. Enough to replay it both ways exactly, and small.
struct PlaneBlocksChange {
    int plane = 0;
    std::int64_t recordBefore = 0, mapBefore = 0, recordAfter = 0, mapAfter = 0;
    std::vector<std::pair<std::size_t, CipherBlock>> removedBlocks; // in the order taken out
    std::vector<CipherBlock> addedBlocks;                            // appended, in order
};

// What one user action changed: byte writes, size changes, header-value and
// plane-block changes, in the order they happened. Undo replays it backwards,
// redo forwards. Each step holds only what changed, so that an action over
// every plane of a large file stays a small step.
struct ChangeSet {
    struct Step {
        enum Kind { Bytes, Resize, Header, PlaneBlocks, Gap } kind = Bytes;
        std::int64_t offset = 0;               // Bytes; Gap: where the gap opens
        QByteArray before, after;              // Bytes; Resize: the tail a shrink cut off (before)
        std::int64_t oldSize = 0, newSize = 0; // Resize; Gap: the size before and after
        // Gap: `newSize - oldSize` zero bytes opened at `offset`, the tail moved
        // behind them. Only the gap is recorded, never the moved tail.
        HeaderValues headerBefore, headerAfter; // Header
        PlaneBlocksChange blocks;               // PlaneBlocks
    };
    std::vector<Step> steps;

    bool empty() const { return steps.empty(); }
    void append(ChangeSet &&other)
    {
        for (auto &step : other.steps)
            steps.push_back(std::move(step));
    }
    // About how many bytes the change set holds (for keeping the history small).
    std::size_t memoryUse() const
    {
        std::size_t total = sizeof(*this);
        for (const Step &step : steps)
            total += sizeof(Step) + std::size_t(step.before.size() + step.after.size())
                     + step.blocks.removedBlocks.size() * sizeof(std::pair<std::size_t, CipherBlock>)
                     + step.blocks.addedBlocks.size() * sizeof(CipherBlock);
        return total;
    }
};

} // namespace vw::datafile
