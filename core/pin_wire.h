#pragma once
// A pin is a wire between the chip and the world outside it: the latch holds
// what the program wrote, the outside (a switch, a part of a board) drives a
// level of its own, and the direction bit says which of them the pin shows.
// One rule per profile resolves the level; everything that shows or reads a
// pin (the pin panel, scenarios, the VCD writer, the board) asks it here.
//
// In the classic profile the port register is the latch and the pin at once:
// its byte is what the program and the panel see, a program write overwrites
// what the outside set, and a change of the outside level lands in the
// register byte of an input pin when it happens. So the latch needs no storage
// of its own there, and the run loop's stores pay nothing for the wires.
#include <cstdint>

#include "chip_map.h"
#include "chip_profile.h"
#include "relaxed.h"

// The levels driven from outside onto the thirteen pins, one bit per pin in
// its port's bit position.
struct SPinDrives {
    Relaxed<uint8_t> portA;
    Relaxed<uint8_t> portB;
    bool operator==(const SPinDrives&) const = default;
};

struct SPinWire {
    bool latch;    // what the program wrote
    bool outside;  // what the outside drives
    bool input;    // the direction bit makes the pin an input
};

// The level the pin shows.
constexpr bool ResolvePinLevel(EChipProfile profile, const SPinWire& wire) {
    switch (profile) {
        case EChipProfile::Classic:
            return wire.latch;
    }
    return wire.latch;
}

// The port register after the outside drives one of its pins (mask) to a
// level: in the classic profile an input pin's bit takes the level, an
// output pin's stays what the program wrote.
constexpr uint8_t PortAfterDrive(EChipProfile profile, uint8_t port, uint8_t mask, bool level,
                                 bool input) {
    switch (profile) {
        case EChipProfile::Classic:
            if (!input) return port;
            return level ? static_cast<uint8_t>(port | mask) : static_cast<uint8_t>(port & ~mask);
    }
    return port;
}

// The pin (an index of kChipPins) as the chip now stands.
SPinWire PinWire(int pin);
bool PinLevel(int pin);
// The levels of all thirteen pins, pin index i in bit i.
uint32_t PinLevels();
// The pins whose direction bit makes them outputs, pin index i in bit i.
uint32_t PinOutputs();

// The outside drives the pin to a level. The caller owns the machine (between
// two instructions, see pin_input.h for the user's clicks).
void DrivePin(int pin, bool level);
