#pragma once
// The end of every pass: the interrupt check and the bank-1 mirrors of
// STATUS and INTCON; and the entry of an accepted interrupt.
#include <array>
#include <cstdint>

#include "core/event_log.h"
#include "core/executor_timer0.h"
#include "core/pin_watch.h"

namespace core {

class CExecutorInterrupts : public CExecutorTimer0 {
public:
    // Enters the interrupt accepted the pass before: the return address is
    // the word after this pass's.
    // On the data-sheet chip the entry is the forced call's two cycles.
    template <EChipProfile P = EChipProfile::Classic>
    void EnterInterrupt() {
        EventLog.RecordAtPassEnd(EEventKind::Interrupt, PC, IrqCause);
        Push<P>(PC, true);
        IrqArmed = false;
        IrqPending = false;
        PC = kInterruptVector;
        if constexpr (P == EChipProfile::Datasheet) {
            Timer0CycleStep<P>();
            Timer0CycleStep<P>();
            EndPass<P>();
        }
    }

    // The pass's end after its instruction and timer cycles: the interrupt
    // check and the bank-1 mirrors of STATUS and INTCON, each only when
    // something it reads may have changed since it last ran (m_pending).
    // Between two runs the mirrors equal their originals and the check would
    // raise nothing.
    template <EChipProfile P = EChipProfile::Classic>
    [[gnu::always_inline]] void EndPass() {
        if (m_pending == 0) [[likely]]
            return;
        // The board first, so that what it drives is seen by the check and
        // the pin watch below.
        const bool pinsMoved = m_pending & kWatchPins;
        if (pinsMoved) [[unlikely]]
            LookAtBoard();
        if (m_pending & kMirrorStatus) RegisterFile[STATUS_BANK1] = RegisterFile[STATUS];
        if (m_pending & kRecheckInterrupts) RegisterFile[INTCON_BANK1] = InterruptCheck<P>();
        if (pinsMoved) [[unlikely]]
            PinsStoredInPass(InstructionCount, CycleCount());
        // After an overflow the check raises T0IF again for as long as TMR0
        // stays 0.
        m_pending = P == EChipProfile::Classic && Tmr0Overflowed ? kRecheckInterrupts : 0;
    }

    // Raises the INTCON flags from Timer 0, RB0 and RB4-RB7, and accepts an
    // enabled interrupt by clearing GIE and setting IrqPending. Returns
    // INTCON as it now stands. On the data-sheet chip RBIF stands for a
    // mismatch of the input pins RB4-RB7 with the last read of PORTB, and
    // the EEPROM's write-complete flag (EEIF, enabled by EEIE) is a source.
    template <EChipProfile P = EChipProfile::Classic>
    [[gnu::always_inline]] uint8_t InterruptCheck() {
        uint8_t intcon = RegisterFile[INTCON];
        const uint8_t intconBefore = intcon;
        // The data-sheet chip raises T0IF at the wrap only.
        const bool stillZero =
            P == EChipProfile::Classic && Tmr0Overflowed && RegisterFile[TMR0] == 0;
        if (stillZero || Tmr0WrapPending) intcon |= kTimer0Flag;
        Tmr0WrapPending = false;

        // The port may change under us between two reads: read it once.
        const uint8_t portB = RegisterFile[PORTB];
        const uint8_t prevPortB = PrevPortB;
        // Most cycles see no change of the port, and then no flag to raise.
        if (portB != prevPortB) [[unlikely]] {
            const uint8_t changed = portB ^ prevPortB;
            // A changed RB0 that is now high rose; one that was high fell.
            const bool risingEdgeWanted = RegisterFile[OPTION_REG] & kInterruptOnRisingEdge;
            if (changed & (risingEdgeWanted ? portB : prevPortB) & kRb0) intcon |= kRb0Flag;
            if constexpr (P == EChipProfile::Classic) {
                if (changed & kPortBChangeBits) intcon |= kPortBChangeFlag;
            }
            PrevPortB = portB;
        }
        uint8_t cause = kAcceptedCause[intcon];
        if constexpr (P == EChipProfile::Datasheet) {
            const uint8_t mismatch = (portB ^ Chip.datasheet.portBRead) & RegisterFile[TRISB];
            if (mismatch & kPortBChangeBits) intcon |= kPortBChangeFlag;
            cause = kAcceptedCause[intcon];
            if ((intcon & (kGlobalEnable | kEepromEnable)) == (kGlobalEnable | kEepromEnable) &&
                (RegisterFile[EECON1] & kEepromWritten))
                cause |= kEepromEnable;
        }

        if (cause != 0) [[unlikely]] {
            intcon &= static_cast<uint8_t>(~kGlobalEnable);
            IrqPending = true;
            IrqCause = cause;
            EventLog.RecordAtPassEnd(EEventKind::Accept, 0, cause);
            // The run loop arms it when it looks after this pass.
            SignalRunLoop();
        }
        if (intcon != intconBefore) RegisterFile[INTCON] = intcon;
        return intcon;
    }

private:
    // The sources an INTCON value makes the chip accept: GIE set, and each
    // flag whose enable bit stands three places above it; 0 for none.
    static constexpr auto kAcceptedCause = [] {
        static_assert(kTimer0Enable >> 3 == kTimer0Flag && kRb0Enable >> 3 == kRb0Flag &&
                      kPortBChangeEnable >> 3 == kPortBChangeFlag);
        std::array<uint8_t, 256> causes{};
        for (int intcon = 0; intcon < 256; ++intcon) {
            const int cause = intcon & (intcon >> 3) & (kTimer0Flag | kRb0Flag | kPortBChangeFlag);
            causes[intcon] = static_cast<uint8_t>((intcon & kGlobalEnable) ? cause : 0);
        }
        return causes;
    }();
};

}  // namespace core
