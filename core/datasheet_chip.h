#pragma once
// What only the data-sheet profile keeps of the chip beyond its register
// file: the port latches (the register bytes of the ports are the pins'
// levels there), port B as the last read saw it, and the data EEPROM with
// its unlock sequence. Part of the chip state, so the history, recordings
// and replays carry it; the classic profile never touches it.
#include <cstdint>

#include "core/relaxed.h"

namespace core {

constexpr int kEepromSize = 64;

struct SDatasheetChip {
    Relaxed<uint8_t> latchA;
    Relaxed<uint8_t> latchB;
    // Port B's pins at the last read of PORTB: RBIF compares the input pins
    // RB4-RB7 against it.
    Relaxed<uint8_t> portBRead;
    // How far the program has come in the sequence that unlocks a write:
    // 0 none, 1 after 0x55, 2 after 0xAA written to EECON2.
    Relaxed<uint8_t> unlockStep;
    Relaxed<uint8_t> eeprom[kEepromSize];
    // What the reset took from the program and the settings: whether the
    // configuration word turns the watchdog on, and its nominal period in
    // instruction cycles at the oscillator of the moment.
    Relaxed<bool> watchdogOn;
    Relaxed<uint32_t> watchdogCycles;
    // An EEPROM write under way, and how long one takes in cycles.
    Relaxed<bool> writing;
    Relaxed<uint32_t> eepromWriteCycles;
    // Watchdog resets since power-on: the window tells the user of each.
    Relaxed<uint32_t> watchdogResets;

    bool operator==(const SDatasheetChip&) const = default;
};

}  // namespace core
