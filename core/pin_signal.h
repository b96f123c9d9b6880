#pragma once
// One pin's signal out of the trace's changes (pin_trace.h): its edges, and
// the measures of its last whole period; and one of the board's signals.
#include <cstdint>
#include <vector>

#include "core/pin_trace.h"

namespace core {

struct SPinEdge {
    uint64_t cycle = 0;
    bool level = false;  // the level from this cycle on
    bool input = false;  // the direction from this cycle on
    bool operator==(const SPinEdge&) const = default;
};

// The pin's level and direction at the first change, then every change of either.
std::vector<SPinEdge> PinEdges(const std::vector<SPinChange>& changes, int pin);

// The last whole period of the pin that ends at or before endCycle: from one
// rising edge to the next, high from the first of them to the falling edge
// between. Cycles are instruction cycles, four oscillator periods each.
struct SPinPeriod {
    bool found = false;
    uint64_t from = 0;  // the rising edges that bound it
    uint64_t to = 0;
    uint64_t high = 0;  // cycles at 1

    uint64_t Cycles() const { return to - from; }
    double DutyCycle() const { return static_cast<double>(high) / static_cast<double>(Cycles()); }
    double FrequencyHz(double oscillatorHz) const {
        return oscillatorHz / 4.0 / static_cast<double>(Cycles());
    }
};
SPinPeriod LastPeriod(const std::vector<SPinChange>& changes, int pin, uint64_t endCycle);

struct SSignalStep {
    uint64_t cycle = 0;
    uint32_t value = 0;  // from this cycle on
    bool operator==(const SSignalStep&) const = default;
};
// A signal of the copy's board: its value at the first change, then every
// change of it.
std::vector<SSignalStep> BoardSignalSteps(const SPinTraceCopy& copy, const SBoardSignal& signal);

}  // namespace core
