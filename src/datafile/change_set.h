#pragma once

#include "layout.h"

#include <QByteArray>
#include <QList>

#include <array>
#include <memory>
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

// What one user action changed: byte writes, size changes and header-value
// changes, in the order they happened. Undo replays it backwards, redo forwards.
struct ChangeSet {
    struct Step {
        enum Kind { Bytes, Resize, State } kind = Bytes;
        std::int64_t offset = 0;            // Bytes
        QByteArray before, after;           // Bytes; Resize: the tail a shrink cut off (before)
        std::int64_t oldSize = 0, newSize = 0; // Resize
        // State. Held apart from the step: a FileState is some 33 KB, and a
        // batch records tens of thousands of byte steps that must stay small.
        std::shared_ptr<const FileState> stateBefore, stateAfter;
    };
    std::vector<Step> steps;

    bool empty() const { return steps.empty(); }
    void append(ChangeSet &&other)
    {
        for (auto &step : other.steps)
            steps.push_back(std::move(step));
    }
};

} // namespace vw::datafile
