#include "instruction_set.h"

#include "event_log.h"
#include "state.h"
#include "timer0.h"

namespace {
constexpr uint8_t kCarry = 0x01;
constexpr uint8_t kDigitCarry = 0x02;
constexpr uint8_t kZero = 0x04;
constexpr uint8_t kPowerDown = 0x08;
constexpr uint8_t kTimeOut = 0x10;
constexpr uint8_t kBankSelect = 0x20;
constexpr uint8_t kGlobalEnable = 0x80;
constexpr uint8_t kPrescalerToWatchdog = 0x08;
constexpr uint8_t kPrescalerBits = 0x07;
constexpr int kBank1 = 0x80;
constexpr int kLastRegister = kRegisterFileSize - 1;

[[gnu::cold, gnu::noinline]] void ShowBadOperand() {
    RunTimeMessage("GRESKA: Pogresna vrednost argumenta instrukcije");
}

// The decoder never produces bad operands; this guards the interface for
// every other caller, and costs the decoder's calls one compare.
inline bool OperandsValid(bool valid) {
    if (!valid) [[unlikely]] {
        ShowBadOperand();
        return false;
    }
    return true;
}

inline bool FileOperandsValid(uint8_t f, uint8_t d) {
    return OperandsValid(f <= 0x7F && d <= 1);
}

// The register file ends at 0x8B. Larger indices come from bank 1 or from
// FSR; they fold back by 0x80 the way the chip mirrors its general-purpose
// RAM into bank 1, so no access ever leaves the register file.
inline int FoldIndex(int index) {
    while (index > kLastRegister) index -= 0x80;
    return index;
}

// The file address after indirection through the current bank's FSR.
inline int ResolveAddress(uint8_t f) {
    return f == INDF ? RegisterFile[BankOffset + FSR].load() : f;
}

// A write to TMR0 freezes the timer for two cycles.
inline void NoteWrite(int address) {
    if (address == TMR0 && BankOffset == 0) Tmr0Inhibit = 2;
}

inline int EffectiveIndex(uint8_t f, bool writes) {
    const int address = ResolveAddress(f);
    if (writes) NoteWrite(address);
    return FoldIndex(BankOffset + address);
}

// Flags always go to the bank-0 STATUS; the run loop mirrors it afterwards.
void SetFlags(uint8_t mask, uint8_t values) {
    RegisterFile[STATUS] = static_cast<uint8_t>((RegisterFile[STATUS] & ~mask) | values);
}

uint8_t ZeroFlag(uint8_t result) {
    return result == 0 ? kZero : 0;
}

void Store(uint8_t d, int index, uint8_t value) {
    if (d == 0) {
        W = value;
    } else {
        RegisterFile[index] = value;
    }
}

// The second cycle of a skip or a jump.
void SkipNextWord() {
    PC += 1;
    Timer0CycleStep();
}

// For the instructions whose flags are set before the result is stored: when
// the destination is STATUS itself, the stored result replaces the flags.
template <class Operation>
void FlagsThenResult(uint8_t f, uint8_t d, uint8_t flagMask, Operation operation) {
    if (!FileOperandsValid(f, d)) return;
    const int index = EffectiveIndex(f, d == 1);
    uint8_t flags = 0;
    const uint8_t result = operation(RegisterFile[index], flags);
    SetFlags(flagMask, flags);
    Store(d, index, result);
}

// For the instructions that store the result first and then set Z from it.
template <class Operation>
void ResultThenZero(uint8_t f, uint8_t d, Operation operation) {
    if (!FileOperandsValid(f, d)) return;
    const int index = EffectiveIndex(f, d == 1);
    const uint8_t result = operation(RegisterFile[index]);
    Store(d, index, result);
    SetFlags(kZero, ZeroFlag(result));
}

uint8_t Add(uint8_t a, uint8_t b, uint8_t& flags) {
    const int sum = a + b;
    const uint8_t result = static_cast<uint8_t>(sum);
    flags = static_cast<uint8_t>((sum > 0xFF ? kCarry : 0) |
                                 (((a & 0x0F) + (b & 0x0F)) > 0x0F ? kDigitCarry : 0) |
                                 ZeroFlag(result));
    return result;
}

// Carry and digit carry are "no borrow", as on the chip.
uint8_t Subtract(uint8_t minuend, uint8_t subtrahend, uint8_t& flags) {
    const uint8_t result = static_cast<uint8_t>(minuend - subtrahend);
    flags = static_cast<uint8_t>((minuend >= subtrahend ? kCarry : 0) |
                                 ((minuend & 0x0F) >= (subtrahend & 0x0F) ? kDigitCarry : 0) |
                                 ZeroFlag(result));
    return result;
}

uint16_t PopAddress() {
    return static_cast<uint16_t>(ReturnStack->Pop());
}

bool ValidTarget(int target) {
    return target >= 0 && target <= 0x7FF;
}
}  // namespace

void CInstructionSet::ADDWF(uint8_t f, uint8_t d) {
    FlagsThenResult(f, d, kCarry | kDigitCarry | kZero,
                    [](uint8_t value, uint8_t& flags) { return Add(W, value, flags); });
}

void CInstructionSet::ANDWF(uint8_t f, uint8_t d) {
    FlagsThenResult(f, d, kZero, [](uint8_t value, uint8_t& flags) {
        const uint8_t result = W & value;
        flags = ZeroFlag(result);
        return result;
    });
}

void CInstructionSet::CLRF(uint8_t f) {
    if (!OperandsValid(f <= 0x7F)) return;
    RegisterFile[EffectiveIndex(f, true)] = 0;
    SetFlags(kZero, kZero);
}

void CInstructionSet::CLRW() {
    W = 0;
    SetFlags(kZero, kZero);
}

void CInstructionSet::COMF(uint8_t f, uint8_t d) {
    FlagsThenResult(f, d, kZero, [](uint8_t value, uint8_t& flags) {
        const uint8_t result = static_cast<uint8_t>(~value);
        flags = ZeroFlag(result);
        return result;
    });
}

void CInstructionSet::DECF(uint8_t f, uint8_t d) {
    ResultThenZero(f, d, [](uint8_t value) { return static_cast<uint8_t>(value - 1); });
}

void CInstructionSet::DECFSZ(uint8_t f, uint8_t d) {
    if (!FileOperandsValid(f, d)) return;
    const int index = EffectiveIndex(f, d == 1);
    const uint8_t result = static_cast<uint8_t>(RegisterFile[index] - 1);
    if (result == 0) SkipNextWord();
    Store(d, index, result);
}

void CInstructionSet::INCF(uint8_t f, uint8_t d) {
    FlagsThenResult(f, d, kZero, [](uint8_t value, uint8_t& flags) {
        const uint8_t result = static_cast<uint8_t>(value + 1);
        flags = ZeroFlag(result);
        return result;
    });
}

void CInstructionSet::INCFSZ(uint8_t f, uint8_t d) {
    if (!FileOperandsValid(f, d)) return;
    const int index = EffectiveIndex(f, d == 1);
    const uint8_t result = static_cast<uint8_t>(RegisterFile[index] + 1);
    if (result == 0) SkipNextWord();
    Store(d, index, result);
}

void CInstructionSet::IORWF(uint8_t f, uint8_t d) {
    ResultThenZero(f, d, [](uint8_t value) { return static_cast<uint8_t>(W | value); });
}

void CInstructionSet::MOVF(uint8_t f, uint8_t d) {
    FlagsThenResult(f, d, kZero, [](uint8_t value, uint8_t& flags) {
        flags = ZeroFlag(value);
        return value;
    });
}

void CInstructionSet::MOVWF(uint8_t f) {
    if (!OperandsValid(f <= 0x7F)) return;
    RegisterFile[EffectiveIndex(f, true)] = W;
}

void CInstructionSet::NOP() {}

void CInstructionSet::RLF(uint8_t f, uint8_t d) {
    FlagsThenResult(f, d, kCarry, [](uint8_t value, uint8_t& flags) {
        const uint8_t carryIn = RegisterFile[STATUS] & kCarry;
        flags = (value & 0x80) ? kCarry : 0;
        return static_cast<uint8_t>((value << 1) | carryIn);
    });
}

void CInstructionSet::RRF(uint8_t f, uint8_t d) {
    FlagsThenResult(f, d, kCarry, [](uint8_t value, uint8_t& flags) {
        const uint8_t carryIn = RegisterFile[STATUS] & kCarry;
        flags = (value & 0x01) ? kCarry : 0;
        return static_cast<uint8_t>((value >> 1) | (carryIn << 7));
    });
}

void CInstructionSet::SUBWF(uint8_t f, uint8_t d) {
    FlagsThenResult(f, d, kCarry | kDigitCarry | kZero,
                    [](uint8_t value, uint8_t& flags) { return Subtract(value, W, flags); });
}

void CInstructionSet::SWAPF(uint8_t f, uint8_t d) {
    FlagsThenResult(f, d, 0, [](uint8_t value, uint8_t& flags) {
        flags = 0;
        return static_cast<uint8_t>((value << 4) | (value >> 4));
    });
}

void CInstructionSet::XORWF(uint8_t f, uint8_t d) {
    FlagsThenResult(f, d, kZero, [](uint8_t value, uint8_t& flags) {
        const uint8_t result = W ^ value;
        flags = ZeroFlag(result);
        return result;
    });
}

void CInstructionSet::BCF(uint8_t f, uint8_t b) {
    if (!OperandsValid(f <= 0x7F && b <= 7)) return;
    const int address = ResolveAddress(f);
    NoteWrite(address);
    // Only a bit operation on RP0 switches the bank, from either bank.
    if (address == STATUS && b == 5) {
        BankOffset = 0;
        RegisterFile[STATUS_BANK1] &= static_cast<uint8_t>(~kBankSelect);
    }
    RegisterFile[FoldIndex(BankOffset + address)] &= static_cast<uint8_t>(~BitMask(b));
}

void CInstructionSet::BSF(uint8_t f, uint8_t b) {
    if (!OperandsValid(f <= 0x7F && b <= 7)) return;
    const int address = ResolveAddress(f);
    NoteWrite(address);
    if (address == STATUS && b == 5) {
        BankOffset = kBank1;
        RegisterFile[STATUS] |= kBankSelect;
        RegisterFile[STATUS_BANK1] |= kBankSelect;
    }
    RegisterFile[FoldIndex(BankOffset + address)] |= BitMask(b);
}

void CInstructionSet::BTFSC(uint8_t f, uint8_t b) {
    if (!OperandsValid(f <= 0x7F && b <= 7)) return;
    if ((RegisterFile[EffectiveIndex(f, false)] & BitMask(b)) == 0) SkipNextWord();
}

void CInstructionSet::BTFSS(uint8_t f, uint8_t b) {
    if (!OperandsValid(f <= 0x7F && b <= 7)) return;
    if ((RegisterFile[EffectiveIndex(f, false)] & BitMask(b)) != 0) SkipNextWord();
}

void CInstructionSet::ADDLW(uint8_t k) {
    uint8_t flags = 0;
    const uint8_t result = Add(W, k, flags);
    SetFlags(kCarry | kDigitCarry | kZero, flags);
    W = result;
}

void CInstructionSet::ANDLW(uint8_t k) {
    W = W & k;
    SetFlags(kZero, ZeroFlag(W));
}

void CInstructionSet::IORLW(uint8_t k) {
    W = W | k;
    SetFlags(kZero, ZeroFlag(W));
}

void CInstructionSet::MOVLW(uint8_t k) {
    W = k;
}

void CInstructionSet::SUBLW(uint8_t k) {
    uint8_t flags = 0;
    const uint8_t result = Subtract(k, W, flags);
    SetFlags(kCarry | kDigitCarry | kZero, flags);
    W = result;
}

void CInstructionSet::XORLW(uint8_t k) {
    W = W ^ k;
    SetFlags(kZero, ZeroFlag(W));
}

void CInstructionSet::RETLW(uint8_t k) {
    W = k;
    PC = PopAddress();
    Timer0CycleStep();
}

void CInstructionSet::CALL(int target) {
    if (!ValidTarget(target)) return;
    Timer0CycleStep();
    ReturnStack->Push(PC + 1);
    PC = static_cast<uint16_t>(target);
}

void CInstructionSet::GOTO(int target) {
    if (!ValidTarget(target)) return;
    PC = static_cast<uint16_t>(target);
    Timer0CycleStep();
}

void CInstructionSet::RETFIE() {
    PC = PopAddress();
    EventLog.RecordAtPassEnd(Event(EEventKind::Retfie, PC));
    Timer0CycleStep();
    RegisterFile[INTCON] |= kGlobalEnable;
}

void CInstructionSet::RETURN() {
    Timer0CycleStep();
    PC = PopAddress();
}

void CInstructionSet::SLEEP() {
    if (RegisterFile[OPTION_REG] & kPrescalerToWatchdog) {
        RegisterFile[OPTION_REG] &= static_cast<uint8_t>(~kPrescalerBits);
    }
    SetFlags(kPowerDown | kTimeOut, kTimeOut);
}

void CInstructionSet::OPTION() {
    RegisterFile[OPTION_REG] = W;
}
