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

#include "relaxed.h"
#include "return_stack.h"
#include "wiring.h"

class CView;

constexpr int kRegisterFileSize = 140;   // 0x00-0x7F bank 0, 0x80-0x8B bank 1
constexpr int kProgramImageSize = 4096;  // 1024 words of four hex characters
constexpr int kBreakSlots = 10;          // only the first 8 are ever used
constexpr int kBreakpointsUsed = 8;
constexpr uint16_t kStartAddress = 5;
constexpr uint16_t kInterruptVector = 4;

// The register file index of a register address up to 0x1FF. The file ends
// at 0x8B; larger addresses fold back by 0x80 the way the chip mirrors its
// general-purpose RAM into bank 1, so no access ever leaves the file.
constexpr int RegisterFileIndex(int address) {
    while (address >= kRegisterFileSize) address -= 0x80;
    return address;
}

// Register file indices the program treats specially.
enum : uint8_t {
    INDF = 0x00,
    TMR0 = 0x01,
    PCL = 0x02,
    STATUS = 0x03,
    FSR = 0x04,
    PORTA = 0x05,
    PORTB = 0x06,
    INTCON = 0x0B,
    OPTION_REG = 0x81,
    PCL_BANK1 = 0x82,
    STATUS_BANK1 = 0x83,
    TRISA = 0x85,
    TRISB = 0x86,
    INTCON_BANK1 = 0x8B,
};

// Everything that evolves while a program runs, as one value: saving and
// restoring the whole machine is one copy. Settings and wiring (the program
// image, breakpoints, speed, views) stay outside it.
struct SChipState {
    Relaxed<uint8_t> registerFile[kRegisterFileSize];
    Relaxed<uint8_t> w;
    Relaxed<uint16_t> pc;
    Relaxed<int> bankOffset;
    // Always points at a static, constant mnemonic text ("" when none).
    Relaxed<const char*> lastMnemonic{""};

    // Timer 0 and interrupt bookkeeping.
    Relaxed<int> tmr0Inhibit;
    Relaxed<int> prescaleCount;
    Relaxed<int> prevTmr0;
    Relaxed<int> prevRa4;
    Relaxed<bool> tmr0Overflowed;
    // TMR0 wrapped since the last interrupt check. A two-cycle instruction can
    // carry TMR0 from 0xFF through 0x00 to 0x01 before the check looks, and the
    // overflow must not get lost on the way.
    Relaxed<bool> tmr0WrapPending;
    Relaxed<uint8_t> prevPortB;
    Relaxed<bool> irqPending;
    Relaxed<bool> irqArmed;
    // The enabled, flagged sources that made the pending interrupt.
    Relaxed<uint8_t> irqCause;

    // Set by the decoder when the instruction loaded PC itself.
    Relaxed<bool> pcChanged;

    CReturnStack returnStack;

    // Since the start of the run: one cycle per Timer 0 cycle, so the clock
    // and the timer never disagree, and one instruction per pass of the loop.
    Relaxed<uint64_t> cycleCount;
    Relaxed<uint64_t> instructionCount;

    bool operator==(const SChipState&) const = default;
};

extern constinit SChipState Chip;

// The names the rest of the program uses, bound to the one machine. Constant
// references, so every access compiles to the member's own address.
inline constexpr auto& RegisterFile = Chip.registerFile;
inline constexpr auto& W = Chip.w;
inline constexpr auto& PC = Chip.pc;
inline constexpr auto& BankOffset = Chip.bankOffset;
inline constexpr auto& LastMnemonic = Chip.lastMnemonic;
inline constexpr auto& Tmr0Inhibit = Chip.tmr0Inhibit;
inline constexpr auto& PrescaleCount = Chip.prescaleCount;
inline constexpr auto& PrevTmr0 = Chip.prevTmr0;
inline constexpr auto& PrevRa4 = Chip.prevRa4;
inline constexpr auto& Tmr0Overflowed = Chip.tmr0Overflowed;
inline constexpr auto& Tmr0WrapPending = Chip.tmr0WrapPending;
inline constexpr auto& PrevPortB = Chip.prevPortB;
inline constexpr auto& IrqPending = Chip.irqPending;
inline constexpr auto& IrqArmed = Chip.irqArmed;
inline constexpr auto& IrqCause = Chip.irqCause;
inline constexpr auto& PcChanged = Chip.pcChanged;
inline constexpr CReturnStack* ReturnStack = &Chip.returnStack;
inline constexpr auto& CycleCount = Chip.cycleCount;
inline constexpr auto& InstructionCount = Chip.instructionCount;

// Settings and wiring.
extern Watched<char> ProgramImage[kProgramImageSize];
extern Watched<int> ProgramEnd;

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
extern CBreakLabelTable BreakLabels;
extern Relaxed<int> BreakLabelCount;
extern Watched<int> BreakAddresses[kBreakSlots];

extern Relaxed<int> SimSpeedMs;

// The view most recently asked to repaint by a refresh (the register display).
extern std::atomic<CView*> LastRefreshedView;

void ClearProgramImage();
void ResetForLoad();
// The reset at document creation.
void ResetForNewDocument();

// The chip's reset at the start of every run, in two halves, because the
// worker sets its own run flags and refreshes its views between them. The
// run driver calls them and then starts the session's services.
void ResetForRunBegin();  // new stack, breakpoints and registers cleared, PC 5
void ResetForRunEnd();    // edge detectors from the fresh ports, mnemonic cleared
