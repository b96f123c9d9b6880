#include "state.h"

#include "history.h"

constinit SChipState Chip;

std::atomic<uint32_t> Attention{0};
std::atomic<uint32_t> WiringVersion{0};
std::atomic<uint32_t> OutsideResets{0};
Watched<char> ProgramImage[kProgramImageSize];
Watched<int> ProgramEnd;

CBreakLabelTable BreakLabels;
Relaxed<int> BreakLabelCount;
Watched<int> BreakAddresses[kBreakSlots];

Relaxed<int> SimSpeedMs{200};

std::atomic<CView*> LastRefreshedView{nullptr};

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

void ClearProgramImage() {
    for (auto& ch : ProgramImage) ch = 0;
}

void ResetForLoad() {
    History.RequestNewHistory();
    ClearProgramImage();
    ClearRegisterFile();
    SetPowerOnDirections();
    RebaseBookkeeping();
    W = 0;
    PC = kStartAddress;
    BankOffset = 0;
    // A new program's clock starts at 0.
    CycleCount = 0;
    InstructionCount = 0;
    TellRunAboutReset();
}

void ResetForNewDocument() {
    ClearProgramImage();
    ClearRegisterFile();
    RebaseBookkeeping();
    W = 0;
    BankOffset = 0;
    PC = kStartAddress;
    TellRunAboutReset();
}

void ResetForRunBegin() {
    *ReturnStack = CReturnStack{};
    Chip.cycleTimers.Clear();
    PcChanged = false;
    IrqPending = false;
    IrqArmed = false;

    for (auto& address : BreakAddresses) address = 0;
    BreakLabels.ClearAll();

    W = 0;
    PC = kStartAddress;
    ClearRegisterFile();
    SetPowerOnDirections();
    RegisterFile[STATUS_BANK1] = 0x18;
    RegisterFile[STATUS] = 0x18;
    RegisterFile[PCL_BANK1] = kStartAddress;
    RegisterFile[PCL] = kStartAddress;

    BankOffset = 0;
    Tmr0Inhibit = 0;
    CycleCount = 0;
    InstructionCount = 0;
}

void ResetForRunEnd() {
    RebaseBookkeeping();
    LastMnemonic = "";
}
