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

#include "check_kinds.h"
#include "chip_profile.h"
#include "decoded_word.h"

class CChipExecutor;

struct SCheckWord {
    const SDecodedWord* word;
    int pc;
    int namedAddress;  // the register the source names, -1 for none
};

// Whether the checks must look before this word, given the general-purpose
// registers written so far (check_state.h).
bool CheckLooksBefore(const SCheckWord& word, uint32_t kinds, EChipProfile profile,
                      const uint64_t written[2]);

// The run loop, with the working copy, before the word at its PC runs.
// Returns true when the marks of the program must be made anew (a register
// was written for the first time).
[[gnu::cold, gnu::noinline]] bool ChecksBeforeWord(CChipExecutor& chip, const SCheckWord& word,
                                                   uint32_t kinds);
// Before an accepted interrupt is entered.
[[gnu::cold, gnu::noinline]] void ChecksBeforeInterrupt(CChipExecutor& chip, uint32_t kinds);
// The watchdog has reset the chip during the pass that ended at word pc.
[[gnu::cold, gnu::noinline]] void ChecksAfterWatchdogReset(CChipExecutor& chip, uint32_t kinds,
                                                           int pc);
// A user's edit wrote a register: it counts as written.
void ChecksNoteEdited(int address);
// A reset of the whole run forgets what the checks remembered.
void ResetChecks();
