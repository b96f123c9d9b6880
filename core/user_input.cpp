#include "core/user_input.h"

#include "core/board_hook.h"
#include "core/chip_executor.h"
#include "core/program_checks.h"
#include "core/state.h"
#include "core/texts/translate.h"

namespace core {

namespace {
constexpr int kBank1 = 0x80;
constexpr uint8_t kBankSelect = 0x20;  // RP0
constexpr int kTimerHold = 2;

void WriteRegister(int address, uint8_t value) {
    switch (address) {
        case STATUS:
        case STATUS_BANK1:
            RegisterFile[STATUS] = value;
            RegisterFile[STATUS_BANK1] = value;
            BankOffset = (value & kBankSelect) ? kBank1 : 0;
            break;
        case INTCON:
        case INTCON_BANK1:
            RegisterFile[INTCON] = value;
            RegisterFile[INTCON_BANK1] = value;
            break;
        case TMR0:
            RegisterFile[TMR0] = value;
            Tmr0Inhibit = kTimerHold;
            break;
        default:
            RegisterFile[address] = value;
            break;
    }
}
}  // namespace

void ApplyUserInput(const SUserInput& input) {
    switch (input.kind) {
        case SUserInput::EKind::Pin:
            // On the data-sheet chip a click drives the pin from outside.
            if (Chip.profile == EChipProfile::Datasheet) {
                int bit = 0;
                while ((input.value >> bit) > 1) ++bit;
                const int pin = ChipPinIndex(input.address, bit);
                if (pin >= 0) DrivePin(pin, !PinLevel(pin));
                break;
            }
            RegisterFile[input.address] ^= input.value;
            break;
        case SUserInput::EKind::Register:
            WriteRegister(input.address, input.value);
            ChecksNoteEdited(input.address);
            break;
        case SUserInput::EKind::W:
            W = input.value;
            break;
        case SUserInput::EKind::Eeprom:
            if (Chip.profile == EChipProfile::Datasheet) {
                Chip.datasheet.eeprom[input.address % kEepromSize] = input.value;
            }
            break;
        case SUserInput::EKind::Mclr:
            if (Chip.profile == EChipProfile::Datasheet) {
                OnChip([](CChipExecutor& chip) { chip.ResetChip(CChipExecutor::EReset::Mclr); });
            }
            break;
        case SUserInput::EKind::Press:
        case SUserInput::EKind::Release:
        case SUserInput::EKind::Type:
            ActOnAttachedBoard(input);
            break;
    }
}

const char* RegisterEditRefusal(int address) {
    if (address < 0 || address >= kRegisterFileSize) return Tr("Takav registar ne postoji");
    if (address == INDF || address == INDF + kBank1) {
        return Tr(
            "INDF nije registar: upis ide u registar na koji pokazuje FSR, "
            "upisite vrednost tamo");
    }
    if (address == PCL || address == PCL_BANK1) return Tr("PCL prati PC i ne moze se menjati");
    return nullptr;
}

}  // namespace core
