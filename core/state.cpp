#include "core/state.h"

#include "core/chip_executor.h"
#include "core/history.h"
#include "core/pin_wire.h"
#include "core/program_checks.h"
#include "core/real_time_pacer.h"

core::Watched<char> ProgramImage[core::kProgramImageSize];
core::Watched<int> ProgramEnd;
core::CBreakLabelTable BreakLabels;
core::Relaxed<int> BreakLabelCount;
core::Watched<int> BreakAddresses[core::kBreakSlots];
core::Relaxed<int> SimSpeedMs{200};
std::atomic<core::CView*> LastRefreshedView{nullptr};

namespace core {

constinit SChipState Chip;

std::atomic<uint32_t> Attention{0};
std::atomic<uint32_t> WiringVersion{0};
std::atomic<uint32_t> OutsideResets{0};
Watched<int> ProgramConfigWord{kNoConfigWord};
Relaxed<uint8_t> ProgramEeprom[kEepromSize];

std::string CBreakLabelTable::Get(int index) const {
    if (index < 0 || index >= kBreakSlots) return {};
    std::lock_guard lock(m_mutex);
    return m_labels[index];
}

void CBreakLabelTable::Set(int index, const std::string& label) {
    if (index < 0 || index >= kBreakSlots) return;
    std::lock_guard lock(m_mutex);
    m_labels[index] = label;
}

void CBreakLabelTable::ClearAll() {
    std::lock_guard lock(m_mutex);
    for (auto& label : m_labels) label.clear();
}

namespace {
// The pins' outside levels go with the register file: in the classic
// profile the panel's switches show the register bits.
void ClearRegisterFile() {
    for (auto& reg : RegisterFile) reg = 0;
    Chip.pinDrives = SPinDrives{};
}

// The power-on values of the direction and option registers.
void SetPowerOnDirections() {
    RegisterFile[TRISB] = 0xFF;
    RegisterFile[OPTION_REG] = 0xFF;
    RegisterFile[TRISA] = 0x1F;
}

// What Timer 0 and the interrupt check remember of the cycles before,
// started afresh from the register file as it now stands, so that nothing of
// an earlier program or run reaches the next one's first cycles.
void RebaseBookkeeping() {
    PrevRa4 = RegisterFile[PORTA] & 0x10;
    PrevPortB = RegisterFile[PORTB] & 0xF0;
    Chip.datasheet.portBRead = RegisterFile[PORTB].load();
    PrevTmr0 = RegisterFile[TMR0];
    Tmr0Inhibit = 0;
    PrescaleCount = 0;
    Tmr0Overflowed = false;
    Tmr0WrapPending = false;
    IrqCause = 0;
}
}  // namespace

namespace {
// A run going on keeps its own copy of W, PC and the bank; this tells it to
// take the new ones at its next instruction.
void TellRunAboutReset() {
    OutsideResets.fetch_add(1, std::memory_order_release);
    WiringVersion.fetch_add(1, std::memory_order_release);
    SignalRunLoop();
}
}  // namespace

namespace {
constexpr int kWatchdogEnable = 0x04;  // WDTE of the configuration word
constexpr double kWatchdogPeriodS = 0.018;
constexpr double kEepromWriteS = 0.010;

uint32_t CyclesOf(double seconds) {
    const double cycles = seconds * OscillatorHz / 4.0;
    return cycles < 1.0 ? 1u : static_cast<uint32_t>(cycles);
}

// The data-sheet chip's power-on values beyond what both profiles set, and
// what it takes from the program and the oscillator for the run.
void PowerOnDatasheet() {
    SDatasheetChip& chip = Chip.datasheet;
    chip.latchA = 0;
    chip.latchB = 0;
    chip.unlockStep = 0;
    chip.writing = false;
    chip.watchdogResets = 0;
    const int config = ProgramConfigWord;
    chip.watchdogOn = config != kNoConfigWord && (config & kWatchdogEnable) != 0;
    chip.watchdogCycles = CyclesOf(kWatchdogPeriodS);
    chip.eepromWriteCycles = CyclesOf(kEepromWriteS);
    RegisterFile[PORTA] = ResolvedPort(PORTA);
    RegisterFile[PORTB] = ResolvedPort(PORTB);
    OnChip([](CChipExecutor& executor) { executor.ClearWatchdog(); });
}
}  // namespace

uint16_t StartAddress() {
    return ChipProfile == EChipProfile::Datasheet ? kDatasheetResetVector : kStartAddress;
}

void LoadEepromFromProgram() {
    for (int i = 0; i < kEepromSize; ++i) Chip.datasheet.eeprom[i] = ProgramEeprom[i].load();
}

void TakeLoadedChipData() {
    Chip.profile = ChipProfile.load();
    LoadEepromFromProgram();
    if (Chip.profile != EChipProfile::Datasheet) return;
    Asleep = false;
    IrqPending = false;
    IrqArmed = false;
    Chip.cycleTimers.Clear();
    RegisterFile[STATUS] = 0x18;
    RegisterFile[STATUS_BANK1] = 0x18;
    PowerOnDatasheet();
    TellRunAboutReset();
}

void ResetForNewDocument() {
    ClearProgramImage();
    ClearRegisterFile();
    RebaseBookkeeping();
    W = 0;
    BankOffset = 0;
    PC = StartAddress();
    TellRunAboutReset();
}

void ResetForRunBegin() {
    Chip.profile = ChipProfile.load();
    Asleep = false;
    *ReturnStack = CReturnStack{};
    Chip.cycleTimers.Clear();
    PcChanged = false;
    IrqPending = false;
    IrqArmed = false;

    for (auto& address : BreakAddresses) address = 0;
    BreakLabels.ClearAll();

    W = 0;
    PC = StartAddress();
    ClearRegisterFile();
    SetPowerOnDirections();
    RegisterFile[STATUS_BANK1] = 0x18;
    RegisterFile[STATUS] = 0x18;
    RegisterFile[PCL_BANK1] = static_cast<uint8_t>(PC);
    RegisterFile[PCL] = static_cast<uint8_t>(PC);

    BankOffset = 0;
    Tmr0Inhibit = 0;
    CycleCount = 0;
    InstructionCount = 0;
    ResetChecks();
    if (Chip.profile == EChipProfile::Datasheet) PowerOnDatasheet();
}

void ResetForRunEnd() {
    RebaseBookkeeping();
    LastMnemonic = "";
}

}  // namespace core

void ClearProgramImage() {
    for (auto& ch : ProgramImage) ch = 0;
}

void ResetForLoad() {
    core::History.RequestNewHistory();
    ClearProgramImage();
    core::ClearRegisterFile();
    core::SetPowerOnDirections();
    core::RebaseBookkeeping();
    W = 0;
    PC = core::StartAddress();
    BankOffset = 0;
    // A new program's clock starts at 0.
    core::CycleCount = 0;
    InstructionCount = 0;
    // Until the loader finds them: no configuration word, an erased EEPROM.
    core::ProgramConfigWord = core::kNoConfigWord;
    for (auto& byte : core::ProgramEeprom) byte = 0xFF;
    core::LoadEepromFromProgram();
    core::TellRunAboutReset();
}
