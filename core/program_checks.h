#pragma once
// The run-time checks at work. They look only before the words that could
// make one fire, which the run loop's copy of the program marks as it marks
// breakpoints (LooksBefore), and at a few rare moments the loop already stops
// at (an interrupt's entry, a watchdog reset); with every check switched off
// nothing is marked and the loop runs as it always did. What they remember
// lies in the chip state (check_state.h); what fires is an event `check`
// (cause: the ECheckKind, value: the source line, text: what happened and
// what to do).
#include <cstdint>

#include "core/check_kinds.h"
#include "core/chip_profile.h"
#include "core/decoded_word.h"

namespace core {

struct SCheckWord {
    const SDecodedWord* word;
    int pc;
    int namedAddress;  // the register the source names, -1 for none
};

// Whether the checks must look before this word, given the general-purpose
// registers written so far (check_state.h).
bool CheckLooksBefore(const SCheckWord& word, uint32_t kinds, EChipProfile profile,
                      const uint64_t written[2]);

// The run loop calls these with its working copy published (the chip state
// is what they read), so that the copy itself never leaves the loop's
// registers. Before the word at PC runs; returns true when the marks of the
// program must be made anew (a register was written for the first time).
[[gnu::cold, gnu::noinline]] bool ChecksBeforeWord(const SCheckWord& word, uint32_t kinds);
// Before an accepted interrupt is entered.
[[gnu::cold, gnu::noinline]] void ChecksBeforeInterrupt();
// The watchdog has reset the chip during the pass that ended at word pc.
[[gnu::cold, gnu::noinline]] void ChecksAfterWatchdogReset(uint32_t kinds, int pc);
// The stack, from its own full and empty paths with the
// chip published: a ninth push (by a CALL, or an interrupt's entry), or a
// return with nothing on the stack.
[[gnu::cold, gnu::noinline]] void ChecksStackLimit(bool full, bool interrupt);
// A user's edit wrote a register: it counts as written.
void ChecksNoteEdited(int address);
// A reset of the whole run forgets what the checks remembered.
void ResetChecks();

}  // namespace core
