#pragma once
// The 13 pins packed in one word, as the waveforms and the comparison with
// a model solution see them: port A's five levels, then port B's eight, and
// from bit kDirectionShift on the same for the directions (1 for an input).
#include <cstdint>

#include "scenario_names.h"
#include "state.h"

namespace scenario {

constexpr int kDirectionShift = 16;

// The pin's bit among the levels (add kDirectionShift for its direction).
inline int PinBit(int pin) {
    return PinAt(pin).port == PORTA ? PinAt(pin).bit : 5 + PinAt(pin).bit;
}

inline uint32_t PinWord() {
    const uint32_t levels = (RegisterFile[PORTA] & 0x1Fu) | (RegisterFile[PORTB] & 0xFFu) << 5;
    const uint32_t directions = (RegisterFile[TRISA] & 0x1Fu) | (RegisterFile[TRISB] & 0xFFu) << 5;
    return levels | directions << kDirectionShift;
}

}  // namespace scenario
