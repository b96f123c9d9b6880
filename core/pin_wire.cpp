#include "pin_wire.h"

#include "state.h"

namespace {
Relaxed<uint8_t>& DrivesOf(uint8_t port) {
    return port == PORTA ? Chip.pinDrives.portA : Chip.pinDrives.portB;
}
}  // namespace

SPinWire PinWire(int pin) {
    const SChipPin& info = kChipPins[pin];
    const uint8_t mask = info.Mask();
    return {(RegisterFile[info.port] & mask) != 0, (DrivesOf(info.port) & mask) != 0,
            (RegisterFile[info.Direction()] & mask) != 0};
}

bool PinLevel(int pin) {
    return ResolvePinLevel(kRunProfile, PinWire(pin));
}

namespace {
// Each port's three bytes read once: a board asks at every port write.
template <class Bit>
uint32_t ForEachPin(Bit bit) {
    uint32_t pins = 0;
    for (const uint8_t port : {PORTA, PORTB}) {
        const uint8_t latch = RegisterFile[port];
        const uint8_t outside = DrivesOf(port);
        const uint8_t direction = RegisterFile[port + 0x80];
        const int first = port == PORTA ? 0 : ChipPinIndex(PORTB, 0);
        const int count = port == PORTA ? ChipPinIndex(PORTB, 0) : kChipPinCount - first;
        for (int b = 0; b < count; ++b) {
            const SPinWire wire{(latch >> b & 1) != 0, (outside >> b & 1) != 0,
                                (direction >> b & 1) != 0};
            if (bit(wire)) pins |= 1u << (first + b);
        }
    }
    return pins;
}
}  // namespace

uint32_t PinLevels() {
    return ForEachPin([](const SPinWire& wire) { return ResolvePinLevel(kRunProfile, wire); });
}

uint32_t PinOutputs() {
    return ForEachPin([](const SPinWire& wire) { return !wire.input; });
}

void DrivePin(int pin, bool level) {
    const SChipPin& info = kChipPins[pin];
    const uint8_t mask = info.Mask();
    Relaxed<uint8_t>& drives = DrivesOf(info.port);
    drives = level ? static_cast<uint8_t>(drives | mask) : static_cast<uint8_t>(drives & ~mask);
    const bool input = (RegisterFile[info.Direction()] & mask) != 0;
    RegisterFile[info.port] =
        PortAfterDrive(kRunProfile, RegisterFile[info.port], mask, level, input);
}
