#pragma once
// The one simulated PIC16C84 of the process. The worker thread changes it
// while it simulates; the user-interface thread paints from it (pin clicks
// reach it through the worker, see pin_input.h). Every item two threads touch
// is a relaxed atomic (see relaxed.h), so no lock is needed and no read ever
// sees a torn value.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "core/check_state.h"
#include "core/chip_map.h"
#include "core/chip_profile.h"
#include "core/cycle_timers.h"
#include "core/datasheet_chip.h"
#include "core/hot_fields.h"
#include "core/pin_wire.h"
#include "core/relaxed.h"
#include "core/return_stack.h"
#include "core/wiring.h"

namespace core {

class CView;

constexpr int kProgramImageSize = 4096;  // 1024 words of four hex characters
constexpr int kBreakSlots = 10;          // only the first 8 are ever used
constexpr int kBreakpointsUsed = 8;
constexpr uint16_t kStartAddress = 5;
constexpr uint16_t kInterruptVector = 4;
// The data-sheet profile's reset vector, and its program memory's size in
// words: address bits above bit 9 select nothing.
constexpr uint16_t kDatasheetResetVector = 0;
constexpr uint16_t kProgramWordMask = 0x3FF;

// Everything that evolves while a program runs, as one value: saving and
// restoring the whole machine is one copy. Settings and wiring (the program
// image, breakpoints, speed, views) stay outside it.
struct SChipState {
    Relaxed<uint8_t> registerFile[kRegisterFileSize];

    // The items the run loop keeps in locals (see hot_fields.h).
#define LUMO_DECLARE_FIELD(type, Name, member, initial) Relaxed<type> member{initial};
    LUMO_HOT_FIELDS(LUMO_DECLARE_FIELD)
#undef LUMO_DECLARE_FIELD

    // Timer 0's prescaler and the clock: the run loop keeps them in its cycle
    // countdown and publishes them from there. One cycle per Timer 0 cycle
    // since the start of the run, so the clock and the timer never disagree.
    Relaxed<int> prescaleCount;
    Relaxed<uint64_t> cycleCount;

    CReturnStack returnStack;
    SPinDrives pinDrives;
    CCycleTimers cycleTimers;

    // The profile this run's reset took (see chip_profile.h).
    Relaxed<EChipProfile> profile;
    SDatasheetChip datasheet;
    SCheckState check;

    bool operator==(const SChipState&) const = default;
};

extern constinit SChipState Chip;

// The one machine's cycle clock.
inline constexpr auto& CycleCount = Chip.cycleCount;

// The address a reset starts the program at, in the profile of the setting.
uint16_t StartAddress();

// What the program file holds beyond its program words: the configuration
// word at word 0x2007 (-1 when the file has none) and the data EEPROM's
// initial contents from word 0x2100 on. The data-sheet profile's reset and
// load take them.
constexpr int kNoConfigWord = -1;
extern Watched<int> ProgramConfigWord;
extern Relaxed<uint8_t> ProgramEeprom[kEepromSize];
// Puts the program file's EEPROM contents into the chip.
void LoadEepromFromProgram();
// The end of a load, when the configuration word and the EEPROM contents
// are known: the chip takes the profile of the setting and the EEPROM; the
// data-sheet chip also takes its power-on reset (STATUS with TO = PD = 1,
// the watchdog from the configuration word), so a loaded program stands as
// after Restart. The classic chip keeps the load's values.
void TakeLoadedChipData();

// Breakpoint label names. Texts cannot be relaxed atomics, and both threads
// touch them (the dialog on one, the reset at the start of every run on the
// other), so this small table keeps its own lock. No processor state is
// behind it.
class CBreakLabelTable {
public:
    std::string Get(int index) const;
    void Set(int index, const std::string& label);
    void ClearAll();

private:
    mutable std::mutex m_mutex;
    std::string m_labels[kBreakSlots];
};

// The reset at document creation.
void ResetForNewDocument();

// The chip's reset at the start of every run, in two halves, because the
// worker sets its own run flags and refreshes its views between them. The
// run driver calls them and then starts the session's services.
void ResetForRunBegin();  // new stack, breakpoints and registers cleared, PC at the reset vector
void ResetForRunEnd();    // the timer and edge bookkeeping from the fresh ports, mnemonic cleared

}  // namespace core

// The processor's and the document's names, as the rest of the program has
// always used them, bound to the one machine. Constant references, so every
// access compiles to the member's own address.
inline constexpr auto& RegisterFile = core::Chip.registerFile;
#define LUMO_BIND_FIELD(type, Name, member, initial) \
    inline constexpr auto& Name = core::Chip.member;
LUMO_HOT_FIELDS(LUMO_BIND_FIELD)
#undef LUMO_BIND_FIELD
inline constexpr auto& PrescaleCount = core::Chip.prescaleCount;
inline constexpr CReturnStack* ReturnStack = &core::Chip.returnStack;

// Settings and wiring.
extern core::Watched<char> ProgramImage[core::kProgramImageSize];
extern core::Watched<int> ProgramEnd;

extern core::CBreakLabelTable BreakLabels;
extern core::Relaxed<int> BreakLabelCount;
extern core::Watched<int> BreakAddresses[core::kBreakSlots];

extern core::Relaxed<int> SimSpeedMs;

// The view most recently asked to repaint by a refresh (the register display).
extern std::atomic<core::CView*> LastRefreshedView;

void ClearProgramImage();
void ResetForLoad();
