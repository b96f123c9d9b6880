#pragma once
// The register hooks and the chip's own events of the data-sheet profile,
// with the whole executor at hand: a write of PCL takes a second cycle, a
// write of EECON1 schedules the end of an EEPROM write. The classic profile
// hangs only WakeTimer0 on its registers and schedules none of these events.
#include <cstdint>

#include "core/chip_executor.h"

namespace core {

template <EChipProfile P>
void CExecutorStore::RunWriteHook(EWriteHook hook, int index, uint8_t value) {
    // The classic loop keeps none of the other hooks' code, and the
    // data-sheet loop keeps them out of line: they are rare beside stores.
    if constexpr (P == EChipProfile::Classic) {
        if (hook == EWriteHook::WakeTimer0) WakeTimer();
    } else {
        RunDatasheetHook(hook, index, value);
    }
}

[[gnu::noinline]] inline void CExecutorStore::RunDatasheetHook(EWriteHook hook, int index,
                                                               uint8_t value) {
    constexpr EChipProfile P = EChipProfile::Datasheet;
    auto& chip = static_cast<CChipExecutor&>(*this);
    switch (hook) {
        case EWriteHook::None:
            break;
        case EWriteHook::WakeTimer0:
            WakeTimer();
            break;
        case EWriteHook::JumpThroughPcl:
            // The run loop's advance follows, so PC stops one short.
            {
                const int word = PC;
                PC = static_cast<uint16_t>((((RegisterFile[PCLATH] << 8) | value) - 1) &
                                           kProgramWordMask);
                chip.template SecondCycle<P>(word);
            }
            break;
        case EWriteHook::SelectBank:
            BankOffset = (RegisterFile[STATUS] & kBankSelect) ? kBank1 : 0;
            break;
        case EWriteHook::PortLatch:
            if (index == PORTA) {
                Chip.datasheet.latchA = static_cast<uint8_t>(value & 0x1F);
            } else {
                Chip.datasheet.latchB = value;
            }
            chip.ResolvePort(static_cast<uint8_t>(index));
            break;
        case EWriteHook::Direction:
            chip.ResolvePort(static_cast<uint8_t>(index - 0x80));
            break;
        case EWriteHook::Option:
            WakeTimer();
            chip.ResolvePort(PORTB);
            break;
        case EWriteHook::EepromControl:
            chip.EepromControlWritten();
            break;
        case EWriteHook::EepromUnlock: {
            const uint8_t step = Chip.datasheet.unlockStep;
            Chip.datasheet.unlockStep = value == 0x55 ? 1 : (value == 0xAA && step == 1) ? 2 : 0;
            break;
        }
    }
}

template <EChipProfile P>
void CExecutorTimer0::RunChipEvent(const SCycleEvent& event) {
    if constexpr (P == EChipProfile::Datasheet) {
        auto& chip = static_cast<CChipExecutor&>(*this);
        switch (event.kind) {
            case ECycleEvent::DrivePin:
            case ECycleEvent::BoardDue:
                break;
            case ECycleEvent::WatchdogTimeOut:
                chip.WatchdogTimedOut();
                break;
            case ECycleEvent::EepromWritten:
                chip.EepromWriteCompleted(event);
                break;
        }
    }
}

}  // namespace core
