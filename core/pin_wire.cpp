#include "core/pin_wire.h"

#include "core/state.h"

namespace core {

namespace {
Relaxed<uint8_t>& DrivesOf(uint8_t port) {
    return port == PORTA ? Chip.pinDrives.portA : Chip.pinDrives.portB;
}
Relaxed<uint8_t>& HeldOf(uint8_t port) {
    return port == PORTA ? Chip.pinDrives.heldA : Chip.pinDrives.heldB;
}

constexpr uint8_t kPortAPins = 0x1F;
constexpr uint8_t kRa4OpenDrain = 0x10;
constexpr uint8_t kPullUpsOff = 0x80;  // RBPU

// Port B's pull-ups hold its inputs while RBPU is 0; port A has none.
uint8_t PullUpsOf(uint8_t port) {
    if (port == PORTA || (RegisterFile[OPTION_REG] & kPullUpsOff)) return 0;
    return RegisterFile[TRISB];
}
}  // namespace

uint8_t ResolvedPort(uint8_t port) {
    const bool portA = port == PORTA;
    const uint8_t latch = portA ? Chip.datasheet.latchA : Chip.datasheet.latchB;
    const uint8_t levels =
        PortLevels(latch, DrivesOf(port), HeldOf(port), RegisterFile[port + 0x80], PullUpsOf(port),
                   portA ? kRa4OpenDrain : 0);
    return portA ? static_cast<uint8_t>(levels & kPortAPins) : levels;
}

SPinWire PinWire(int pin) {
    const SChipPin& info = kChipPins[pin];
    const uint8_t mask = info.Mask();
    const bool datasheet = Chip.profile == EChipProfile::Datasheet;
    const uint8_t latch = !datasheet           ? RegisterFile[info.port].load()
                          : info.port == PORTA ? Chip.datasheet.latchA.load()
                                               : Chip.datasheet.latchB.load();
    return {(latch & mask) != 0,
            (DrivesOf(info.port) & mask) != 0,
            (RegisterFile[info.Direction()] & mask) != 0,
            (HeldOf(info.port) & mask) != 0,
            (PullUpsOf(info.port) & mask) != 0,
            info.port == PORTA && (mask & kRa4OpenDrain) != 0};
}

bool PinLevel(int pin) {
    return ResolvePinLevel(Chip.profile, PinWire(pin));
}

namespace {
// The two ports' bytes placed at their pins' indices: a board asks at every
// port write, so each port is read once.
uint32_t OfPins(uint8_t portA, uint8_t portB) {
    return (portA & kPortAPins) | static_cast<uint32_t>(portB) << ChipPinIndex(PORTB, 0);
}
}  // namespace

uint32_t PinLevels() {
    // The classic port register is the pin; the data-sheet pins resolve.
    if (Chip.profile == EChipProfile::Datasheet) {
        return OfPins(ResolvedPort(PORTA), ResolvedPort(PORTB));
    }
    return OfPins(RegisterFile[PORTA], RegisterFile[PORTB]);
}

uint32_t PinOutputs() {
    return OfPins(static_cast<uint8_t>(~RegisterFile[TRISA]),
                  static_cast<uint8_t>(~RegisterFile[TRISB]));
}

void DrivePin(int pin, bool level) {
    const SChipPin& info = kChipPins[pin];
    DrivePort(info.port, info.Mask(), level ? info.Mask() : 0);
}

namespace {
void KeepDrives(uint8_t port, uint8_t mask, uint8_t levels) {
    Relaxed<uint8_t>& drives = DrivesOf(port);
    const auto drivesAfter = static_cast<uint8_t>((drives & ~mask) | (levels & mask));
    if (drivesAfter != drives) drives = drivesAfter;
}

// The classic register byte is the pin: the outside's levels land in it.
bool DriveClassicPort(uint8_t port, uint8_t mask, uint8_t levels) {
    KeepDrives(port, mask, levels);
    const uint8_t before = RegisterFile[port];
    const uint8_t after =
        PortAfterDrive(EChipProfile::Classic, before, mask, levels, RegisterFile[port + 0x80]);
    if (after == before) return false;
    RegisterFile[port] = after;
    return true;
}
}  // namespace

bool DrivePort(uint8_t port, uint8_t mask, uint8_t levels) {
    if (Chip.profile != EChipProfile::Datasheet) return DriveClassicPort(port, mask, levels);
    KeepDrives(port, mask, levels);
    const uint8_t before = RegisterFile[port];
    HeldOf(port) |= mask;
    RegisterFile[port] = ResolvedPort(port);
    return RegisterFile[port] != before;
}

// A board answers at every port write it hears: the ports' helpers go inline.
[[gnu::flatten]] bool DrivePins(uint32_t mask, uint32_t levels) {
    constexpr int kFirstB = ChipPinIndex(PORTB, 0);
    const auto maskA = static_cast<uint8_t>(mask & kPortAPins);
    const auto maskB = static_cast<uint8_t>(mask >> kFirstB);
    const auto levelsB = static_cast<uint8_t>(levels >> kFirstB);
    if (Chip.profile != EChipProfile::Datasheet) {
        // Both, unconditionally: an empty mask changes nothing.
        const bool a = DriveClassicPort(PORTA, maskA, static_cast<uint8_t>(levels));
        return DriveClassicPort(PORTB, maskB, levelsB) || a;
    }
    const bool a = maskA != 0 && DrivePort(PORTA, maskA, static_cast<uint8_t>(levels));
    const bool b = maskB != 0 && DrivePort(PORTB, maskB, levelsB);
    return a || b;
}

}  // namespace core
