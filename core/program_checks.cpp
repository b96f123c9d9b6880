#include "core/program_checks.h"

#include <cstdio>
#include <string>

#include "core/check_texts.h"
#include "core/check_wiring.h"
#include "core/chip_bits.h"
#include "core/event_log.h"
#include "core/register_hooks.h"
#include "core/state.h"

namespace core {

namespace {
using B = SChipBits;
constexpr uint8_t kFlags = B::kCarry | B::kDigitCarry | B::kZero;
// How many passes after a RETFIE the checks follow the interrupted code.
constexpr uint8_t kWatchAfterReturn = 32;

SCheckState& State() {
    return Chip.check;
}

bool HasFileOperand(EOp op) {
    return op == EOp::MOVWF || op == EOp::CLRF || HasDestination(op) ||
           (op >= EOp::BCF && op <= EOp::BTFSS);
}
// Reads its register's value (a bit operation that sets or clears a bit does
// not count: what it keeps of the other bits is no use of them).
bool ReadsFile(const SDecodedWord& word) {
    return HasDestination(word.op) || word.op == EOp::BTFSC || word.op == EOp::BTFSS;
}
bool WritesFile(const SDecodedWord& word) {
    return word.op == EOp::MOVWF || word.op == EOp::CLRF || word.op == EOp::BCF ||
           word.op == EOp::BSF || (HasDestination(word.op) && word.bd == 1);
}
// Reads, modifies and writes back its register.
bool ModifiesFile(const SDecodedWord& word) {
    return word.op == EOp::BCF || word.op == EOp::BSF || (HasDestination(word.op) && word.bd == 1);
}
bool ReadsW(EOp op) {
    switch (op) {
        case EOp::MOVWF:
        case EOp::SUBWF:
        case EOp::IORWF:
        case EOp::ANDWF:
        case EOp::XORWF:
        case EOp::ADDWF:
        case EOp::ANDLW:
        case EOp::IORLW:
        case EOp::XORLW:
        case EOp::SUBLW:
        case EOp::ADDLW:
        case EOp::OPTION:
        case EOp::TRIS:
            return true;
        default:
            return false;
    }
}
bool WritesW(const SDecodedWord& word) {
    return word.op == EOp::MOVLW || word.op == EOp::CLRW || word.op == EOp::RETLW ||
           (HasDestination(word.op) && word.bd == 0) || ReadsW(word.op);
}
// The flags C, DC and Z an instruction reads, and those it sets.
uint8_t FlagsRead(const SDecodedWord& word) {
    if (word.f == STATUS && (word.op == EOp::BTFSC || word.op == EOp::BTFSS))
        return static_cast<uint8_t>((1u << word.bd) & kFlags);
    if (word.op == EOp::RLF || word.op == EOp::RRF) return B::kCarry;
    if (word.f == STATUS && HasDestination(word.op)) return kFlags;
    return 0;
}
uint8_t FlagsWritten(const SDecodedWord& word) {
    switch (word.op) {
        case EOp::ADDWF:
        case EOp::SUBWF:
        case EOp::ADDLW:
        case EOp::SUBLW:
            return kFlags;
        case EOp::RLF:
        case EOp::RRF:
            return B::kCarry;
        case EOp::ANDWF:
        case EOp::IORWF:
        case EOp::XORWF:
        case EOp::MOVF:
        case EOp::COMF:
        case EOp::INCF:
        case EOp::DECF:
        case EOp::ANDLW:
        case EOp::IORLW:
        case EOp::XORLW:
        case EOp::CLRW:
            return word.f == STATUS && word.bd == 1 ? kFlags : B::kZero;
        case EOp::CLRF:
        case EOp::MOVWF:
            return word.f == STATUS ? kFlags : 0;
        case EOp::BCF:
        case EOp::BSF:
            return word.f == STATUS ? static_cast<uint8_t>((1u << word.bd) & kFlags) : 0;
        default:
            return 0;
    }
}

bool IsGeneralPurpose(int index, EChipProfile profile) {
    return index >= 0x0C &&
           index <= (profile == EChipProfile::Datasheet ? kLastDatasheetRam : 0x7F);
}
bool Written(const uint64_t written[2], int index) {
    return (written[index >> 6] >> (index & 63)) & 1u;
}
bool AllWritten(const uint64_t written[2], EChipProfile profile) {
    const int last = profile == EChipProfile::Datasheet ? kLastDatasheetRam : 0x7F;
    for (int index = 0x0C; index <= last; ++index) {
        if (!Written(written, index)) return false;
    }
    return true;
}

// A register whose address means another register in the other bank.
bool BankSensitive(int address) {
    const int offset = address & 0x7F;
    return offset <= 0x0B && ChipRegisterAt(offset) != ChipRegisterAt(offset | 0x80);
}

// The register file index a file operand reaches now, as the executor finds it.
int IndexOf(uint8_t f) {
    if (Chip.profile == EChipProfile::Datasheet)
        return kDatasheetFileIndex[f == INDF ? RegisterFile[FSR].load() : (BankOffset + f) & 0xFF];
    const int address = f == INDF ? RegisterFile[BankOffset + FSR].load() : f;
    return RegisterFileIndex(BankOffset + address);
}

bool AlreadyFired(int pc, ECheckKind kind) {
    const SCheckState& state = State();
    for (int i = 0; i < state.firedCount; ++i) {
        if (state.firedWords[i] == pc && state.firedKinds[i] == static_cast<uint8_t>(kind))
            return true;
    }
    return false;
}

// Records the check once per line.
void Fire(ECheckKind kind, int pc, const std::string& text) {
    SCheckState& state = State();
    if (AlreadyFired(pc, kind) || state.firedCount >= SCheckState::kMaxFired) return;
    state.firedWords[state.firedCount] = static_cast<uint16_t>(pc);
    state.firedKinds[state.firedCount] = static_cast<uint8_t>(kind);
    state.firedCount += 1;
    SEvent event = Event(EEventKind::Check, CheckLineOf(pc), static_cast<uint8_t>(kind), text);
    EventLog.RecordAtWord(std::move(event), static_cast<uint16_t>(pc));
}

bool On(uint32_t kinds, ECheckKind kind) {
    return (kinds & CheckBit(kind)) != 0;
}

void CheckBank(const SCheckWord& at) {
    const SDecodedWord& word = *at.word;
    if (at.namedAddress < 0 || word.f == INDF || !HasFileOperand(word.op)) return;
    const int namedBank = (at.namedAddress >> 7) & 1;
    const int selected = BankOffset != 0 ? 1 : 0;
    if (namedBank == selected || !BankSensitive(at.namedAddress)) return;
    const int reached = (at.namedAddress & 0x7F) | (selected << 7);
    Fire(ECheckKind::Bank, at.pc,
         BankText(CheckRegisterName(at.namedAddress), namedBank, selected,
                  CheckRegisterName(reached)));
}

void CheckPcl(const SCheckWord& at) {
    const SDecodedWord& word = *at.word;
    if (word.f != PCL || !WritesFile(word)) return;
    SCheckState& state = State();
    if (Chip.profile == EChipProfile::Classic) {
        if (state.pclExplained) return;
        state.pclExplained = true;
        Fire(ECheckKind::PclPage, at.pc, ClassicPclText());
        return;
    }
    if (word.op != EOp::ADDWF) return;
    // The jump's table lies after it: the word after the jump plus W, with
    // the carry into the page; PCLATH gives the page the chip jumps to.
    const int next = (at.pc + 1) & kProgramWordMask;
    const int meant = (next + W) & kProgramWordMask;
    const int pclathPage = RegisterFile[PCLATH] & 0x03;
    if ((meant >> 8) == pclathPage) return;
    const int reached = (pclathPage << 8) | (meant & 0xFF);
    Fire(ECheckKind::PclPage, at.pc, PclPageText(at.pc >> 8, meant, pclathPage, reached));
}

void CheckRetfie(const SCheckWord& at, uint32_t kinds) {
    SCheckState& state = State();
    if (!state.inHandler) return;
    state.inHandler = false;
    const uint8_t intcon = RegisterFile[INTCON];
    const uint8_t still = intcon & (intcon >> 3) & state.entryCause;
    if (On(kinds, ECheckKind::IsrFlag) && still != 0)
        Fire(ECheckKind::IsrFlag, at.pc, IsrFlagText(still));
    if (!On(kinds, ECheckKind::IsrContext)) return;
    state.wChanged = W != state.entryW;
    state.flagsChanged = static_cast<uint8_t>((RegisterFile[STATUS] ^ state.entryStatus) & kFlags);
    if (state.wChanged || state.flagsChanged != 0) {
        state.retfieWord = static_cast<uint16_t>(at.pc);
        // The pass after the RETFIE runs the interrupted code's next word.
        state.watchLeft = kWatchAfterReturn + 1;
    }
}

// The interrupted code after a RETFIE that left W or the flags changed: a
// read of them before the code writes them is the fault.
void FollowReturn(const SCheckWord& at) {
    SCheckState& state = State();
    if (state.watchLeft == 0 || at.pc == state.retfieWord) return;
    state.watchLeft -= 1;
    const SDecodedWord& word = *at.word;
    const bool usesW = state.wChanged && ReadsW(word.op);
    const uint8_t usesFlags = FlagsRead(word) & state.flagsChanged;
    if (usesW || usesFlags != 0) {
        Fire(ECheckKind::IsrContext, at.pc,
             IsrContextText(CheckLineOf(state.retfieWord), usesW, W, state.entryW, usesFlags));
        state.watchLeft = 0;
        return;
    }
    if (WritesW(word)) state.wChanged = false;
    state.flagsChanged = static_cast<uint8_t>(state.flagsChanged & ~FlagsWritten(word));
    if (!state.wChanged && state.flagsChanged == 0) state.watchLeft = 0;
}

// RBIF cleared in a handler the port B change entered, before the port was read.
void CheckRbif(const SCheckWord& at) {
    SCheckState& state = State();
    if (!state.inHandler || !(state.entryCause & kCauseRBIF) || state.portBRead) return;
    const SDecodedWord& word = *at.word;
    if (!HasFileOperand(word.op)) return;
    const int index = IndexOf(word.f);
    if (index == PORTB && ReadsFile(word)) {
        state.portBRead = true;
        return;
    }
    if (index != INTCON || !(RegisterFile[INTCON] & B::kPortBChangeFlag)) return;
    const bool clears = (word.op == EOp::BCF && word.bd == 0) || word.op == EOp::CLRF ||
                        (word.op == EOp::MOVWF && !(W & B::kPortBChangeFlag));
    if (!clears) return;
    if (Chip.profile == EChipProfile::Datasheet) {
        // The chip's own test: the input pins still differ from the last read.
        const uint8_t mismatch =
            (RegisterFile[PORTB] ^ Chip.datasheet.portBRead) & RegisterFile[TRISB];
        if (!(mismatch & 0xF0)) return;
    }
    Fire(ECheckKind::RbifRead, at.pc, RbifReadText());
}

// Returns true when a register was written for the first time.
bool CheckUninitialised(const SCheckWord& at) {
    const SDecodedWord& word = *at.word;
    if (!HasFileOperand(word.op)) return false;
    const int index = IndexOf(word.f);
    if (!IsGeneralPurpose(index, Chip.profile)) return false;
    SCheckState& state = State();
    const uint64_t bit = uint64_t{1} << (index & 63);
    const uint64_t now = state.written[index >> 6];
    if (ReadsFile(word) && !(now & bit)) {
        const int named = at.namedAddress >= 0 && word.f != INDF ? at.namedAddress : index;
        Fire(ECheckKind::Uninitialised, at.pc, UninitialisedText(CheckRegisterName(named)));
    }
    if (!WritesFile(word) || (now & bit)) return false;
    state.written[index >> 6] = now | bit;
    return true;
}

void CheckEeprom(const SCheckWord& at) {
    const SDecodedWord& word = *at.word;
    if (!HasFileOperand(word.op) || IndexOf(word.f) != EECON1 || Chip.datasheet.writing) return;
    const uint8_t eecon1 = RegisterFile[EECON1];
    uint8_t after = eecon1;
    if (word.op == EOp::BSF)
        after |= static_cast<uint8_t>(1u << word.bd);
    else if (word.op == EOp::MOVWF)
        after = W;
    else
        return;
    if (!(after & B::kEepromWrite) || (eecon1 & B::kEepromWrite)) return;
    if (!(after & B::kEepromWriteEnable)) {
        Fire(ECheckKind::EepromSequence, at.pc, EepromWithoutWrenText());
    } else if (Chip.datasheet.unlockStep != 2) {
        Fire(ECheckKind::EepromSequence, at.pc, EepromWithoutSequenceText());
    }
}

void CheckRmw(const SCheckWord& at) {
    const SDecodedWord& word = *at.word;
    if (!ModifiesFile(word)) return;
    const int port = IndexOf(word.f);
    if (port != PORTA && port != PORTB) return;
    const uint8_t latch = port == PORTA ? Chip.datasheet.latchA : Chip.datasheet.latchB;
    const uint8_t pins = port == PORTA ? 0x1F : 0xFF;
    const uint8_t outputs = static_cast<uint8_t>(~RegisterFile[port + 0x80] & pins);
    const uint8_t meant =
        word.op == EOp::BCF || word.op == EOp::BSF ? static_cast<uint8_t>(1u << word.bd) : 0;
    const uint8_t differ = (RegisterFile[port] ^ latch) & pins & static_cast<uint8_t>(~meant);
    // An input's latch drives nothing: changing it is no fault yet.
    const uint8_t named = differ & outputs;
    if (named == 0) return;
    int bit = 0;
    while (!((named >> bit) & 1)) ++bit;
    const int pin = ChipPinIndex(port, bit);
    Fire(ECheckKind::RmwPort, at.pc,
         RmwPortText(MnemonicOf(word.op), CheckRegisterName(port), std::string(kChipPins[pin].name),
                     (latch >> bit) & 1));
}
}  // namespace

bool CheckLooksBefore(const SCheckWord& at, uint32_t kinds, EChipProfile profile,
                      const uint64_t written[2]) {
    const SDecodedWord& word = *at.word;
    const EOp op = word.op;
    const bool datasheet = profile == EChipProfile::Datasheet;
    const bool file = HasFileOperand(op);
    if (On(kinds, ECheckKind::Bank) && file && word.f != INDF && at.namedAddress >= 0 &&
        BankSensitive(at.namedAddress))
        return true;
    if (On(kinds, ECheckKind::PclPage) && file && word.f == PCL && WritesFile(word)) return true;
    // A RETFIE ends the handler for every check that follows one.
    if (op == EOp::RETFIE &&
        (kinds & (CheckBit(ECheckKind::IsrFlag) | CheckBit(ECheckKind::IsrContext) |
                  CheckBit(ECheckKind::RbifRead))))
        return true;
    if (On(kinds, ECheckKind::Uninitialised) && file) {
        if (word.f == INDF) return !AllWritten(written, profile);
        if (word.f >= 0x0C && IsGeneralPurpose(word.f, profile) && !Written(written, word.f))
            return true;
    }
    if (datasheet && On(kinds, ECheckKind::EepromSequence) && file &&
        (word.f == 0x08 || word.f == INDF))
        return true;
    if (datasheet && On(kinds, ECheckKind::RmwPort) && ModifiesFile(word) &&
        (word.f == PORTA || word.f == PORTB || word.f == INDF))
        return true;
    return false;
}

bool ChecksBeforeWord(const SCheckWord& at, uint32_t kinds) {
    SCheckState& state = State();
    const uint64_t look = InstructionCount + 1;
    if (state.lookedAt == look) return false;
    state.lookedAt = look;
    const bool datasheet = Chip.profile == EChipProfile::Datasheet;
    FollowReturn(at);
    if (On(kinds, ECheckKind::Bank)) CheckBank(at);
    if (On(kinds, ECheckKind::PclPage)) CheckPcl(at);
    if (On(kinds, ECheckKind::RbifRead)) CheckRbif(at);
    if (datasheet && On(kinds, ECheckKind::EepromSequence)) CheckEeprom(at);
    if (datasheet && On(kinds, ECheckKind::RmwPort)) CheckRmw(at);
    bool remark = false;
    if (On(kinds, ECheckKind::Uninitialised)) remark = CheckUninitialised(at);
    if (at.word->op == EOp::RETFIE) CheckRetfie(at, kinds);
    // The words of a handler the port B change entered, and those after a
    // RETFIE that left W or the flags changed, are looked at one by one.
    const bool rbifOpen = On(kinds, ECheckKind::RbifRead) && state.inHandler &&
                          (state.entryCause & kCauseRBIF) && !state.portBRead;
    if (rbifOpen || state.watchLeft != 0) SignalRunLoop();
    return remark;
}

void ChecksStackLimit(bool full, bool interrupt) {
    if (!On(ChecksOn, ECheckKind::Stack)) return;
    if (!full) {
        Fire(ECheckKind::Stack, PC, EmptyReturnText(LastMnemonic));
    } else {
        Fire(ECheckKind::Stack, PC, interrupt ? FullStackInterruptText() : NinthCallText());
    }
}

void ChecksBeforeInterrupt() {
    SCheckState& state = State();
    state.inHandler = true;
    state.entryW = W;
    state.entryStatus = RegisterFile[STATUS];
    state.entryCause = IrqCause;
    state.portBRead = false;
    state.watchLeft = 0;
}

void ChecksAfterWatchdogReset(uint32_t kinds, int pc) {
    if (On(kinds, ECheckKind::WdtReset)) Fire(ECheckKind::WdtReset, pc, WatchdogResetText());
    State().inHandler = false;
    State().watchLeft = 0;
}

void ChecksNoteEdited(int address) {
    const int index = RegisterFileIndex(address);
    if (index >= 0x80) return;
    SCheckState& state = State();
    state.written[index >> 6] = state.written[index >> 6] | (uint64_t{1} << (index & 63));
}

void ResetChecks() {
    State() = SCheckState{};
}

}  // namespace core
