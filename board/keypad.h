#pragma once
// A matrix keypad: a pressed key is a contact between its row and its column
// wire, nothing more. So the part drives no level of its own: a wire joined
// through pressed keys to a pin the chip drives takes that pin's level, and
// a wire joined to none is left to the pull-ups (port B's) or whatever else
// holds it. A program that scans either way (rows out and columns in, or the
// other way round) reads the key, and keys pressed together join their
// wires as they would on the real matrix.
#include <array>
#include <cstdint>
#include <string>

#include "board/board_part.h"

namespace board {

struct SKeypadWiring {
    static constexpr int kMaxLines = 4;
    std::array<int, kMaxLines> rows = {kNoPin, kNoPin, kNoPin, kNoPin};
    std::array<int, kMaxLines> columns = {kNoPin, kNoPin, kNoPin, kNoPin};
    int rowCount = 4;
    int columnCount = 4;
    // The key at row r, column c is labels[r * kMaxLines + c].
    std::array<char, kMaxLines* kMaxLines> labels = {'1', '2', '3', 'A', '4', '5', '6', 'B',
                                                     '7', '8', '9', 'C', '*', '0', '#', 'D'};
};

class CKeypad {
public:
    explicit CKeypad(const SKeypadWiring& wiring) : m_wiring(wiring) {}

    SPartStep Update(const SPinView& view) const;
    PinMask Pins() const;
    // A contact puts no level of its own on a pin, so a keypad may share its
    // pins with parts that do (an LCD's data lines, typically).
    PinMask DrivenPins() const { return 0; }

    // The key with this label; false when the keypad has none.
    bool Press(char label) { return Set(label, true); }
    bool Release(char label) { return Set(label, false); }
    bool Pressed(int row, int column) const { return m_pressed >> (row * 4 + column) & 1; }
    // The labels of the keys held, in the keypad's order.
    std::string PressedLabels() const;
    // The label of the first of them, 0 when none is held.
    char FirstPressed() const;
    const SKeypadWiring& Wiring() const { return m_wiring; }

private:
    bool Set(char label, bool down);
    void JoinNets();

    SKeypadWiring m_wiring;
    uint16_t m_pressed = 0;  // bit r * 4 + c
    // Each wired line that pressed keys join to others, with the pins of
    // its net, worked out when a key moves: a scan calls the keypad at
    // every port write, a key moves at the user's pace.
    struct SJoined {
        int pin = kNoPin;
        PinMask net = 0;
    };
    std::array<SJoined, 8> m_joined{};
    int m_joinedCount = 0;
};

}  // namespace board
