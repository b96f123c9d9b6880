#pragma once
// The one simulated PIC16C84 of the process. The worker thread changes it
// while it simulates; the user-interface thread paints from it and flips port
// input bits. Every item two threads touch is a relaxed atomic (see relaxed.h),
// so no lock is needed and no read ever sees a torn value.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "relaxed.h"
#include "return_stack.h"

class CView;

constexpr int kRegisterFileSize = 140;   // 0x00-0x7F bank 0, 0x80-0x8B bank 1
constexpr int kProgramImageSize = 4096;  // 1024 words of four hex characters
constexpr int kBreakSlots = 10;          // only the first 8 are ever used
constexpr int kBreakpointsUsed = 8;
constexpr uint16_t kStartAddress = 5;
constexpr uint16_t kInterruptVector = 4;

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

extern Relaxed<uint8_t> RegisterFile[kRegisterFileSize];
extern Relaxed<uint8_t> W;
extern Relaxed<uint16_t> PC;
extern Relaxed<int> BankOffset;
extern Relaxed<char> ProgramImage[kProgramImageSize];
extern Relaxed<int> ProgramEnd;
// Always points at a static, constant mnemonic text ("" when none).
extern std::atomic<const char*> LastMnemonic;

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
extern Relaxed<int> BreakAddresses[kBreakSlots];

extern Relaxed<int> SimSpeedMs;

// Timer 0 and interrupt bookkeeping.
extern Relaxed<int> Tmr0Inhibit;
extern Relaxed<int> PrescaleCount;
extern Relaxed<int> PrevTmr0;
extern Relaxed<int> PrevRa4;
extern Relaxed<bool> Tmr0Overflowed;
// TMR0 wrapped since the last interrupt check. A two-cycle instruction can
// carry TMR0 from 0xFF through 0x00 to 0x01 before the check looks, and the
// overflow must not get lost on the way.
extern Relaxed<bool> Tmr0WrapPending;
extern Relaxed<uint8_t> PrevPortB;
extern Relaxed<bool> IrqPending;
extern Relaxed<bool> IrqArmed;

// Set by the decoder when the instruction loaded PC itself.
extern Relaxed<bool> PcChanged;

// The return stack of the current run; only the thread that runs the program
// touches it.
extern std::unique_ptr<CReturnStack> ReturnStack;
// The stack of the current run; creates one when no run has made it yet, so
// an instruction executed outside a run never meets a missing stack.
CReturnStack& CurrentReturnStack();

// The view most recently asked to repaint by a refresh (the register display).
extern std::atomic<CView*> LastRefreshedView;

void ClearProgramImage();
void ResetForLoad();
// The reset at document creation.
void ResetForNewDocument();

// The reset at the start of every run, in two halves, because the worker sets
// its own run flags and refreshes its views between them.
void ResetForRunBegin();  // new stack, breakpoints and registers cleared, PC 5
void ResetForRunEnd();    // edge detectors from the fresh ports, mnemonic cleared
// Both halves, for callers without views or run flags (the headless runner).
void ResetForRun();
