#pragma once
// What the user does to the machine between two instructions: flips an
// input pin, or writes a value into W or a register. The same effect serves
// the input as it happens and the history repeating it, so a replay reaches
// the same state bit for bit.
#include <cstdint>

struct SUserInput {
    enum class EKind : uint8_t { Pin, Register, W };
    EKind kind = EKind::Pin;
    uint8_t address = 0;  // Pin: PORTA or PORTB; Register: register file index
    uint8_t value = 0;    // Pin: the pin's bit mask; Register, W: the value written
};

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
