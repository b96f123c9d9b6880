#pragma once
// What the run-time checks remember of the run, as part of the chip state:
// going back restores it with the machine, so a check that fired in a
// future left behind fires again when the run gets there anew. Relaxed
// atomics, since the window may copy the machine while the worker runs.
#include <cstdint>

#include "core/relaxed.h"

namespace core {

struct SCheckState {
    // Each check fires once per line: the words and kinds that fired so far.
    // More than kMaxFired in one run would only repeat the lesson.
    static constexpr int kMaxFired = 32;
    Relaxed<uint16_t> firedWords[kMaxFired];
    Relaxed<uint8_t> firedKinds[kMaxFired];
    Relaxed<uint8_t> firedCount;

    // The pass whose word the checks looked at last, plus one (0: none), so
    // that a word the loop looks at twice is checked once.
    Relaxed<uint64_t> lookedAt;
    // The general-purpose registers written since reset: one bit per file
    // index 0x00-0x7F.
    Relaxed<uint64_t> written[2];

    // The interrupt handler the program is in: W, STATUS and the cause at its
    // entry, and whether port B was read since (for an RBIF entry).
    Relaxed<bool> inHandler;
    Relaxed<uint8_t> entryW;
    Relaxed<uint8_t> entryStatus;
    Relaxed<uint8_t> entryCause;
    Relaxed<bool> portBRead;

    // After a RETFIE that left W or the flags changed: which of them the
    // interrupted code must not read before it writes them, the RETFIE's
    // word, and how many more passes the checks follow it.
    Relaxed<bool> wChanged;
    Relaxed<uint8_t> flagsChanged;
    Relaxed<uint16_t> retfieWord;
    Relaxed<uint8_t> watchLeft;

    // The classic chip's PCL write is explained once per run.
    Relaxed<bool> pclExplained;

    bool operator==(const SCheckState&) const = default;
};

}  // namespace core
