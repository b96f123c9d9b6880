#pragma once
// What every part of the lab board shares: how it sees the pins and how it
// answers.
//
// A part is a plain value (no pointer into the chip, nothing on the heap), so
// it can live in the machine value and the history's keyframes carry it: a
// step backwards restores what the LCD showed by copying it back. The run
// loop calls a part only when something it could notice has happened: one of
// its pins changed level or direction, the user acted on it (a key, a
// button, typed text), or the cycle it asked for has come. Between two calls
// nothing the part sees changes, so a part that is not called costs nothing;
// it works out what happened meanwhile from the cycle count (the time lit,
// whether the LCD is still busy) instead of being ticked.
//
// The answer is the levels the part drives onto its pins (a mask of pins and
// their levels; the pin model resolves them against the chip's own outputs)
// and the cycle at which it wants to be called again even if no pin changes
// (a bit time of the serial line, the next bounce of a contact, the end of a
// display frame). kNever asks for no call: most parts react to pins alone.
#include <cmath>
#include <cstdint>
#include <limits>

namespace board {

// The thirteen pins in the order of the chip's pin table: RA0-RA4 are 0-4,
// RB0-RB7 are 5-12; bit i of a mask is pin i.
constexpr int kPinCount = 13;
constexpr int kFirstPortBPin = 5;
using PinMask = uint16_t;
constexpr PinMask kAllPins = (1u << kPinCount) - 1;
constexpr int kNoPin = -1;
// The chip's reset pin. It is no port line: a button on it resets the chip
// through the user's MCLR reset instead of driving a level the program reads.
constexpr int kMclrPin = kPinCount;

constexpr PinMask PinBit(int pin) {
    return pin < 0 || pin >= kPinCount ? 0 : static_cast<PinMask>(1u << pin);
}

constexpr uint64_t kNever = std::numeric_limits<uint64_t>::max();

// What a part sees when it is called.
struct SPinView {
    uint64_t cycle = 0;    // instruction cycles since the run began
    PinMask levels = 0;    // the level of every pin as resolved
    PinMask outputs = 0;   // the pins the chip drives (their direction bit clear)
    double cycleHz = 1e6;  // instruction cycles a second: a quarter of the clock

    bool Level(int pin) const { return pin >= 0 && (levels >> pin & 1); }
    bool Output(int pin) const { return pin >= 0 && (outputs >> pin & 1); }
};

// What a part answers.
struct SPartStep {
    PinMask drive = 0;  // the pins the part drives now
    PinMask level = 0;  // their levels (bits outside drive are 0)
    uint64_t due = kNever;
    // The part's pins whose change it needs to hear of until its next
    // call; a change of the others means nothing to it now.
    PinMask watch = kAllPins;

    void Drive(int pin, bool high) {
        if (pin < 0) return;
        drive |= PinBit(pin);
        if (high)
            level |= PinBit(pin);
        else
            level &= static_cast<PinMask>(~PinBit(pin));
    }
};

// The instruction cycles that last at least the given time; a wait the chip
// must make is never rounded down to one it may make shorter.
inline uint64_t CyclesFor(double seconds, double cycleHz) {
    const double cycles = std::ceil(seconds * cycleHz - 1e-9);
    return cycles < 1 ? 1 : static_cast<uint64_t>(cycles);
}

}  // namespace board
