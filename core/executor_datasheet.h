#pragma once
// What only the data-sheet chip does beyond its instructions: the data
// EEPROM's control register, the watchdog's time-out, waking from SLEEP, and
// the resets that are not the power-on reset (MCLR, the watchdog), with the
// register values of the data sheet's reset table.
#include <cstdint>

#include "core/executor_instructions.h"

namespace core {

class CExecutorDatasheet : public CExecutorInstructions {
public:
    // After a store of EECON1: the program can set RD and WR but not clear
    // them; WR starts a write only with WREN set and the unlock sequence
    // written to EECON2 right before, and a read delivers EEDATA at once.
    void EepromControlWritten() {
        uint8_t eecon1 = RegisterFile[EECON1];
        if (Chip.datasheet.writing) {
            eecon1 |= kEepromWrite;
        } else if (eecon1 & kEepromWrite) {
            if ((eecon1 & kEepromWriteEnable) && Chip.datasheet.unlockStep == 2) {
                Chip.datasheet.writing = true;
                ScheduleCycleEvent(
                    Chip.datasheet.eepromWriteCycles,
                    {ECycleEvent::EepromWritten, EepromAddress(), RegisterFile[EEDATA].load()});
            } else {
                eecon1 &= static_cast<uint8_t>(~kEepromWrite);
            }
        }
        Chip.datasheet.unlockStep = 0;
        if (eecon1 & kEepromRead) {
            RegisterFile[EEDATA] = Chip.datasheet.eeprom[EepromAddress()].load();
            eecon1 &= static_cast<uint8_t>(~kEepromRead);
        }
        RegisterFile[EECON1] = eecon1;
    }

    void EepromWriteCompleted(const SCycleEvent& event) {
        Chip.datasheet.eeprom[event.pin] = event.level;
        Chip.datasheet.writing = false;
        RegisterFile[EECON1] =
            static_cast<uint8_t>((RegisterFile[EECON1] & ~kEepromWrite) | kEepromWritten);
        m_pending |= kRecheckInterrupts;
    }

    // Asleep, the time-out wakes the chip (TO = 0, PD = 0) and the program
    // goes on after SLEEP; awake, it resets the chip when the instruction
    // it falls in has ended.
    void WatchdogTimedOut() {
        if (Asleep) {
            Asleep = false;
            SetFlags(kTimeOut | kPowerDown, 0);
            ClearWatchdog();
            return;
        }
        m_watchdogReset = true;
        SignalRunLoop();
    }

    // Whether a flag with its enable bit set wakes the sleeping chip (GIE
    // need not be set): RB0/INT, the port B change, the EEPROM write.
    bool WakeUpFlagged() const {
        const uint8_t intcon = RegisterFile[INTCON];
        if (intcon & (intcon >> 3) & (kRb0Flag | kPortBChangeFlag)) return true;
        return (intcon & kEepromEnable) && (RegisterFile[EECON1] & kEepromWritten);
    }

    // The watchdog reset a time-out asked for, after the pass.
    bool ApplyPendingReset() {
        if (!m_watchdogReset) return false;
        ResetChip(EReset::Watchdog);
        return true;
    }

    enum class EReset { Mclr, Watchdog };
    // The reset table's values for an MCLR or watchdog reset: PC 0, RP0 0,
    // PCLATH 0, INTCON 0000 000u, OPTION and the directions all ones, EECON1
    // 0000 q000 with WRERR set when a write was cut off; TO and PD tell the
    // cause (watchdog 0 1, MCLR while asleep 1 0, MCLR awake unchanged).
    // Everything else keeps its value.
    void ResetChip(EReset reset) {
        uint8_t status =
            RegisterFile[STATUS] & (kCarry | kDigitCarry | kZero | kTimeOut | kPowerDown);
        if (reset == EReset::Watchdog) {
            status = static_cast<uint8_t>((status & ~kTimeOut) | kPowerDown);
            Chip.datasheet.watchdogResets += 1;
        } else if (Asleep) {
            status = static_cast<uint8_t>((status & ~kPowerDown) | kTimeOut);
        }
        RegisterFile[STATUS] = status;
        RegisterFile[STATUS_BANK1] = status;
        BankOffset = 0;
        PC = 0;
        RegisterFile[PCL] = 0;
        RegisterFile[PCL_BANK1] = 0;
        RegisterFile[PCLATH] = 0;
        const auto intcon = static_cast<uint8_t>(RegisterFile[INTCON] & kPortBChangeFlag);
        RegisterFile[INTCON] = intcon;
        RegisterFile[INTCON_BANK1] = intcon;
        RegisterFile[OPTION_REG] = 0xFF;
        RegisterFile[TRISA] = 0x1F;
        RegisterFile[TRISB] = 0xFF;
        uint8_t eecon1 = RegisterFile[EECON1] & kEepromWriteError;
        if (Chip.datasheet.writing) {
            eecon1 |= kEepromWriteError;
            Chip.datasheet.writing = false;
            Chip.cycleTimers.Remove(ECycleEvent::EepromWritten);
        }
        RegisterFile[EECON1] = eecon1;
        Chip.datasheet.unlockStep = 0;
        Asleep = false;
        IrqPending = false;
        IrqArmed = false;
        m_watchdogReset = false;
        PrescaleCount = 0;
        ResolvePort(PORTA);
        ResolvePort(PORTB);
        ForgetShortcuts();
        ClearWatchdog();
    }

private:
    static uint8_t EepromAddress() { return RegisterFile[EEADR] & (kEepromSize - 1); }
};

}  // namespace core
