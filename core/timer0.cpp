#include "timer0.h"

#include "event_log.h"
#include "state.h"

namespace {
constexpr uint8_t kRa4 = 0x10;
constexpr uint8_t kRb0 = 0x01;
constexpr uint8_t kPortBChangeBits = 0xF0;

// OPTION
constexpr uint8_t kInterruptOnRisingEdge = 0x40;  // INTEDG
constexpr uint8_t kCounterMode = 0x20;            // T0CS
constexpr uint8_t kCountFallingEdge = 0x10;       // T0SE
constexpr uint8_t kPrescalerToWatchdog = 0x08;    // PSA
constexpr uint8_t kPrescalerBits = 0x07;

// INTCON
constexpr uint8_t kGlobalEnable = 0x80;
constexpr uint8_t kTimer0Enable = 0x20;
constexpr uint8_t kRb0Enable = 0x10;
constexpr uint8_t kPortBChangeEnable = 0x08;
constexpr uint8_t kTimer0Flag = 0x04;
constexpr uint8_t kRb0Flag = 0x02;
constexpr uint8_t kPortBChangeFlag = 0x01;

uint8_t Increment(uint8_t tmr0) {
    Tmr0Overflowed = tmr0 == 0xFF;
    if (tmr0 == 0xFF) Tmr0WrapPending = true;
    const auto next = static_cast<uint8_t>(tmr0 + 1);
    RegisterFile[TMR0] = next;
    return next;
}
}  // namespace

uint8_t Timer0CycleStep() {
    CycleCount += 1;
    if (Tmr0Inhibit > 0) {
        Tmr0Inhibit -= 1;
        PrescaleCount = 0;
        return RegisterFile[TMR0];
    }
    const int ra4 = RegisterFile[PORTA] & kRa4;
    const uint8_t option = RegisterFile[OPTION_REG];
    uint8_t tmr0 = RegisterFile[TMR0];
    if (option & kCounterMode) {
        const bool edge =
            (option & kCountFallingEdge) ? (PrevRa4 != 0 && ra4 == 0) : (PrevRa4 == 0 && ra4 != 0);
        // An edge right after a write to TMR0 is lost unless the value
        // written equals the one the counter last produced.
        if (edge) {
            Tmr0Overflowed = tmr0 == 0xFF;
            if (tmr0 == PrevTmr0) tmr0 = Increment(tmr0);
        }
    } else {
        const int scale = option & kPrescalerBits;
        const int divisor = (option & kPrescalerToWatchdog) ? (1 << scale) : (2 << scale);
        const int count = PrescaleCount + 1;
        if (count >= divisor) {
            tmr0 = Increment(tmr0);
            PrescaleCount = 0;
        } else {
            PrescaleCount = count;
        }
    }
    PrevRa4 = ra4;
    PrevTmr0 = tmr0;
    return tmr0;
}

void InterruptCheck() {
    uint8_t intcon = RegisterFile[INTCON];
    const uint8_t intconBefore = intcon;
    if ((RegisterFile[TMR0] == 0 && Tmr0Overflowed) || Tmr0WrapPending) intcon |= kTimer0Flag;
    Tmr0WrapPending = false;

    // The pin panel may flip port bits at any moment: read the port once.
    const uint8_t portB = RegisterFile[PORTB];
    const uint8_t prevPortB = PrevPortB;
    const bool wasHigh = prevPortB & kRb0;
    const bool isHigh = portB & kRb0;
    const bool risingEdgeWanted = RegisterFile[OPTION_REG] & kInterruptOnRisingEdge;
    if (risingEdgeWanted ? (!wasHigh && isHigh) : (wasHigh && !isHigh)) intcon |= kRb0Flag;
    if ((portB ^ prevPortB) & kPortBChangeBits) intcon |= kPortBChangeFlag;
    PrevPortB = portB;

    // Each enable bit stands three places above its flag.
    static_assert(kTimer0Enable >> 3 == kTimer0Flag && kRb0Enable >> 3 == kRb0Flag &&
                  kPortBChangeEnable >> 3 == kPortBChangeFlag);
    const auto cause =
        static_cast<uint8_t>(intcon & (intcon >> 3) & (kTimer0Flag | kRb0Flag | kPortBChangeFlag));
    if ((intcon & kGlobalEnable) && cause != 0) {
        intcon &= static_cast<uint8_t>(~kGlobalEnable);
        IrqPending = true;
        IrqCause = cause;
        EventLog.RecordAtPassEnd(Event(EEventKind::Accept, 0, cause));
    }
    if (intcon != intconBefore) RegisterFile[INTCON] = intcon;
}
