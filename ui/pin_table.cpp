#include "ui/pin_table.h"

#include "core/chip_map.h"

namespace {
// The pin of the chip's map at index, where the panel draws it. The board
// prints a pin's name without its R ("B7"); the map's names are literals, so
// what follows the R still ends in a null.
constexpr PinInfo Pin(int index, int switchX, int ledX, int hitLeft, int hitRight) {
    const core::SChipPin& pin = core::kChipPins[index];
    return {pin.name.data() + 1, pin.port, pin.Mask(), switchX, ledX, hitLeft, hitRight};
}
}  // namespace

constexpr PinInfo kPins[kPinCount] = {
    Pin(12, 25, 52, 31, 43),    Pin(11, 77, 104, 83, 95),   Pin(10, 129, 156, 133, 148),
    Pin(9, 181, 208, 187, 200), Pin(8, 233, 260, 240, 250), Pin(7, 285, 312, 290, 305),
    Pin(6, 337, 364, 343, 356), Pin(5, 389, 416, 396, 408), Pin(4, 525, 552, 531, 541),
    Pin(3, 577, 604, 584, 595), Pin(2, 629, 656, 636, 645), Pin(1, 681, 708, 687, 697),
    Pin(0, 733, 760, 740, 750),
};

const PinInfo* PinAt(int x, int y) {
    if (y < kHitTop || y > kHitBottom) return nullptr;
    for (const PinInfo& pin : kPins) {
        if (x >= pin.hitLeft && x <= pin.hitRight) return &pin;
    }
    return nullptr;
}
