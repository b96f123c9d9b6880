#pragma once
// The thirteen port pins of the pin panel: where each one's switch and LED
// stand and which part of the switch takes a click.
#include <cstdint>

struct PinInfo {
    const char* label;  // as printed on the board
    uint8_t port;       // PORTA or PORTB
    uint8_t mask;
    int switchX;
    int ledX;
    int hitLeft;  // hit box x range, both ends included
    int hitRight;
};

constexpr int kPinCount = 13;
constexpr int kPinTop = 156;  // top edge of every switch and LED
constexpr int kHitTop = 161;  // hit box y range, both ends included
constexpr int kHitBottom = 185;

// RB7 down to RB0, then RA4 down to RA0: the drawing and hit-test order.
extern const PinInfo kPins[kPinCount];

// The pin whose hit box holds (x, y), or nullptr.
const PinInfo* PinAt(int x, int y);
