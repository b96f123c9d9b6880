#pragma once
// A condition on the pins, such as "RB0:rise" or "RB0=1,RB1=0": levels some
// pins must stand at and edges some must have just made, all at once. It
// holds at a change of the pins that brings it about: the pins after the
// change meet it and those before did not, so a run "until RB0=1" stops when
// RB0 comes to 1, as a breakpoint stops when PC comes to its word.
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

struct SPinCondition {
    // Pin index i in bit i (see kChipPins).
    uint16_t levelPins = 0;  // pins that must stand at a level
    uint16_t levels = 0;     // those levels
    uint16_t rises = 0;      // pins that must have gone from 0 to 1
    uint16_t falls = 0;      // from 1 to 0; a pin in both has made either edge

    bool Empty() const { return (levelPins | rises | falls) == 0; }
    // The pins before and after a change, as pin levels in bits 0-12.
    bool Met(uint32_t before, uint32_t after) const;

    uint64_t Packed() const;
    static SPinCondition Unpacked(uint64_t packed);
    bool operator==(const SPinCondition&) const = default;
};

// Reads terms separated by commas (blanks allowed): PIN=0, PIN=1, PIN:rise,
// PIN:fall, PIN:edge, where PIN is a pin's name (RA0-RA4, RB0-RB7) or its
// other name (T0CKI, INT), in any case. False with the reason in *error.
bool ParsePinCondition(std::string_view text, SPinCondition* condition, std::string* error);
// The condition as ParsePinCondition reads it.
std::string PinConditionText(const SPinCondition& condition);

}  // namespace core
