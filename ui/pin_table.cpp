#include "pin_table.h"

#include "state.h"

const PinInfo kPins[kPinCount] = {
    {"B7", PORTB, 0x80, 25, 52, 31, 43},     {"B6", PORTB, 0x40, 77, 104, 83, 95},
    {"B5", PORTB, 0x20, 129, 156, 133, 148}, {"B4", PORTB, 0x10, 181, 208, 187, 200},
    {"B3", PORTB, 0x08, 233, 260, 240, 250}, {"B2", PORTB, 0x04, 285, 312, 290, 305},
    {"B1", PORTB, 0x02, 337, 364, 343, 356}, {"B0", PORTB, 0x01, 389, 416, 396, 408},
    {"A4", PORTA, 0x10, 525, 552, 531, 541}, {"A3", PORTA, 0x08, 577, 604, 584, 595},
    {"A2", PORTA, 0x04, 629, 656, 636, 645}, {"A1", PORTA, 0x02, 681, 708, 687, 697},
    {"A0", PORTA, 0x01, 733, 760, 740, 750},
};

const PinInfo* PinAt(int x, int y) {
    if (y < kHitTop || y > kHitBottom) return nullptr;
    for (const PinInfo& pin : kPins) {
        if (x >= pin.hitLeft && x <= pin.hitRight) return &pin;
    }
    return nullptr;
}
