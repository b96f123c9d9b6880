#pragma once
// A pin is a wire between the chip and the world outside it: the latch holds
// what the program wrote, the outside (a switch, a part of a board) drives a
// level of its own, and the direction bit says which of them the pin shows.
// One rule per profile resolves the level; everything that shows or reads a
// pin (the pin panel, scenarios, the VCD writer, the board) asks it here.
//
// In the data-sheet profile the latch has storage of its own
// (datasheet_chip.h) and the port register holds the pins' levels, which a
// read returns: a write, a change of direction or of the outside resolves
// the port anew (PortLevels).
//
// In the classic profile the port register is the latch and the pin at once:
// its byte is what the program and the panel see, a program write overwrites
// what the outside set, and a change of the outside level lands in the
// register byte of an input pin when it happens. So the latch needs no storage
// of its own there, and the run loop's stores pay nothing for the wires.
#include <cstdint>

#include "core/chip_map.h"
#include "core/chip_profile.h"
#include "core/relaxed.h"

namespace core {

// The levels driven from outside onto the thirteen pins, one bit per pin in
// its port's bit position; held: the pins something outside has driven since
// the reset (the others float).
struct SPinDrives {
    Relaxed<uint8_t> portA;
    Relaxed<uint8_t> portB;
    Relaxed<uint8_t> heldA;
    Relaxed<uint8_t> heldB;
    bool operator==(const SPinDrives&) const = default;
};

struct SPinWire {
    bool latch;              // what the program wrote
    bool outside;            // what the outside drives
    bool input;              // the direction bit makes the pin an input
    bool held = false;       // the outside drives the pin at all
    bool pullUp = false;     // a weak pull-up holds the pin (port B, RBPU = 0, input)
    bool openDrain = false;  // RA4: the output can only pull low
};

// The data-sheet profile's rule for a whole port, one bit per pin: an output
// shows its latch, except that an open-drain output whose latch is 1 lets
// go; a pin let go or set as input shows what the outside drives, and a
// floating one its pull-up (0 without one).
constexpr uint8_t PortLevels(uint8_t latch, uint8_t outside, uint8_t held, uint8_t inputs,
                             uint8_t pullUps, uint8_t openDrain) {
    const auto released = static_cast<uint8_t>(inputs | (openDrain & latch));
    const auto fromOutside = static_cast<uint8_t>((held & outside) | (~held & pullUps));
    return static_cast<uint8_t>((latch & ~released) | (fromOutside & released));
}

// The level the pin shows.
constexpr bool ResolvePinLevel(EChipProfile profile, const SPinWire& wire) {
    switch (profile) {
        case EChipProfile::Classic:
            return wire.latch;
        case EChipProfile::Datasheet:
            return PortLevels(wire.latch, wire.outside, wire.held, wire.input, wire.pullUp,
                              wire.openDrain) &
                   1;
    }
    return wire.latch;
}

// The port register after the outside drives some of its pins (mask) to
// levels: in the classic profile an input pin's bit takes the level, an
// output pin's stays what the program wrote. inputs: the port's direction
// bits.
constexpr uint8_t PortAfterDrive(EChipProfile profile, uint8_t port, uint8_t mask, uint8_t levels,
                                 uint8_t inputs) {
    switch (profile) {
        case EChipProfile::Classic:
        case EChipProfile::Datasheet: {  // its ports resolve from the latches instead
            const auto taken = static_cast<uint8_t>(mask & inputs);
            return static_cast<uint8_t>((port & ~taken) | (levels & taken));
        }
    }
    return port;
}

// The data-sheet profile: the levels of the port's pins as the latch, the
// outside, the direction and (port B) the pull-ups now make them.
uint8_t ResolvedPort(uint8_t port);

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
// The outside drives the port's pins in mask to their bits in levels, all at
// once. Returns whether the port register changed; the run loop's working
// copy must then forget what it knew settled (the port's hooks do not run).
bool DrivePort(uint8_t port, uint8_t mask, uint8_t levels);
// The same for the thirteen pins, pin index i in bit i, as PinLevels gives
// them: a board answers at every port write, so both ports at once.
bool DrivePins(uint32_t mask, uint32_t levels);

}  // namespace core
