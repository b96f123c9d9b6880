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

uint32_t PinLevels() {
    uint32_t levels = 0;
    for (int pin = 0; pin < kChipPinCount; ++pin) {
        if (PinLevel(pin)) levels |= 1u << pin;
    }
    return levels;
}

uint32_t PinOutputs() {
    uint32_t outputs = 0;
    for (int pin = 0; pin < kChipPinCount; ++pin) {
        const SChipPin& info = kChipPins[pin];
        if ((RegisterFile[info.Direction()] & info.Mask()) == 0) outputs |= 1u << pin;
    }
    return outputs;
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
