#pragma once
// What the user does to the machine between two instructions: flips an
// input pin, or writes a value into W or a register. The same effect serves
// the input as it happens and the history repeating it, so a replay reaches
// the same state bit for bit.
#include <cstdint>

namespace core {

struct SUserInput {
    // Eeprom writes a byte of the data-sheet chip's data EEPROM; Mclr pulls
    // its MCLR pin low for a moment (the reset button). Press, Release and
    // Type act on a part of the attached board (board_hook.h): a key or
    // button held or let go, a switch flipped, a byte typed at a terminal.
    enum class EKind : uint8_t { Pin, Register, W, Eeprom, Mclr, Press, Release, Type };
    EKind kind = EKind::Pin;
    // Pin: PORTA or PORTB; Register: register file index; Eeprom: the byte's
    // address (0-63); the board's: the part's index on the board.
    uint8_t address = 0;
    // Pin: the pin's bit mask; Register, W, Eeprom: the value written; Press,
    // Release: the key's label (0 for a part with one); Type: the byte.
    uint8_t value = 0;
    bool operator==(const SUserInput&) const = default;
};

inline bool IsBoardInput(const SUserInput& input) {
    return input.kind >= SUserInput::EKind::Press;
}

// Changes the chip as the input says; records nothing.
//
// A register is written where the program would find it, with the chip's
// side effects: STATUS and INTCON land in both banks, and STATUS's RP0 bit
// selects the bank; TMR0 holds still for two cycles as after an instruction
// writes it. Bank-1 mirrors of STATUS and INTCON are written as the
// registers themselves.
void ApplyUserInput(const SUserInput& input);

// Why the user cannot write this register file index, or nullptr when the
// write is allowed. INDF is no register (an access goes through FSR), PCL
// follows PC, and indices beyond the register file do not exist.
const char* RegisterEditRefusal(int address);

}  // namespace core
