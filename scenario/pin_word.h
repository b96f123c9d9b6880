#pragma once
// The 13 pins packed in one word, as the waveforms, the pin trace and the
// comparison with a model solution see them: the chip's one pin word
// (pin_trace.h), pin index i's level in bit i and its direction (1 for an
// input) kDirectionShift above.
#include <cstdint>

#include "core/pin_trace.h"
#include "core/state.h"
#include "scenario/scenario_names.h"

namespace scenario {

constexpr int kDirectionShift = core::kPinDirectionShift;

// The pin's bit among the levels (add kDirectionShift for its direction):
// PinAt numbers the pins as the chip map does.
inline int PinBit(int pin) {
    return pin;
}

using core::PinWord;

}  // namespace scenario
