#pragma once
// A character LCD with an HD44780 controller, as its data sheet describes the
// bus and the instruction set: E latches on its falling edge, RS chooses
// instruction or data, R/W (tied to write when not wired) reads the busy flag
// and address or the RAM back, and a 4-bit bus carries each byte as two
// nibbles, high first. While an instruction executes the controller is busy
// and takes no other; one sent meanwhile is lost, as on the real part, and
// counted here so a student can be told why the display shows less than the
// program wrote.
#include <array>
#include <cstdint>
#include <string>

#include "board/board_part.h"

namespace board {

struct SLcdWiring {
    int columns = 16;
    int rows = 2;
    // D0-D7, or only D4-D7 (the other four kNoPin) for a 4-bit bus.
    std::array<int, 8> data = {kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin, kNoPin};
    int rs = kNoPin;
    int e = kNoPin;
    int rw = kNoPin;
};

class CLcd {
public:
    static constexpr int kDdramSize = 80;
    static constexpr int kCgramSize = 64;
    // At the controller's nominal 270 kHz.
    static constexpr double kLongSeconds = 1.52e-3;   // clear, return home
    static constexpr double kShortSeconds = 37e-6;    // everything else
    static constexpr double kPowerOnSeconds = 10e-3;  // the reset at power-on

    explicit CLcd(const SLcdWiring& wiring) : m_wiring(wiring) {}

    SPartStep Update(const SPinView& view);
    PinMask Pins() const;
    // Only with R/W wired does the LCD ever put levels on the data pins.
    PinMask DrivenPins() const;

    // The display as it looks: each row's characters (the codes in DDRAM that
    // it shows, the display shift applied); blank rows while it is off.
    std::string RowCodes(int row) const;
    // The same as text: A00 characters as Unicode (UTF-8), a custom
    // character as its code 0-7; rows without their trailing blanks.
    std::string RowText(int row) const;
    // Every row's text joined by newlines, trailing blank rows left out.
    std::string Text() const;

    const SLcdWiring& Wiring() const { return m_wiring; }
    bool DisplayOn() const { return m_displayOn; }
    bool CursorOn() const { return m_cursorOn; }
    bool BlinkOn() const { return m_blinkOn; }
    bool EightBit() const { return m_eightBit; }
    bool TwoLines() const { return m_twoLines; }
    bool BigFont() const { return m_bigFont; }
    bool Increment() const { return m_increment; }
    bool ShiftOnWrite() const { return m_shiftOnWrite; }
    uint8_t Address() const { return m_address; }
    bool AddressInCgram() const { return m_inCgram; }
    int DisplayShift() const { return m_shift; }
    const std::array<uint8_t, kDdramSize>& Ddram() const { return m_ddram; }
    const std::array<uint8_t, kCgramSize>& Cgram() const { return m_cgram; }
    // The screen position (row, column) of the cursor, or false when the
    // address is not on the screen.
    bool CursorPosition(int* row, int* column) const;
    bool Busy(uint64_t cycle) const { return cycle < m_busyUntil; }
    uint64_t BusyUntil() const { return m_busyUntil; }
    // The blinking cursor's phase: the data sheet's 409.6 ms period.
    static bool BlinkPhase(uint64_t cycle, double cycleHz);

    // Instructions and data bytes executed, and those lost to the busy time.
    uint32_t Executed() const { return m_executed; }
    uint32_t Ignored() const { return m_ignored; }
    // The last byte taken from the bus, and whether it was data (RS high).
    uint8_t LastByte() const { return m_lastByte; }
    bool LastWasData() const { return m_lastWasData; }

private:
    void PowerOn(const SPinView& view);
    uint8_t BusByte(const SPinView& view) const;
    uint8_t ReadByte(uint64_t cycle, bool data) const;
    void Take(uint8_t byte, bool data, bool read, const SPinView& view);
    double Execute(uint8_t instruction);
    void WriteData(uint8_t byte);
    void Step(bool up);
    int Cell(uint8_t address) const;
    uint8_t ShownAddress(int row, int column) const;

    SLcdWiring m_wiring;
    bool m_powered = false;
    uint64_t m_busyUntil = 0;
    bool m_lastE = false;
    // The levels at the last call while E was high: what the bus held.
    PinMask m_heldLevels = 0;
    // The half of a byte the 4-bit bus has already carried.
    bool m_secondNibble = false;
    uint8_t m_highNibble = 0;
    // The byte a read puts on the bus, latched when E rose.
    uint8_t m_readByte = 0;

    bool m_eightBit = true;
    bool m_twoLines = false;
    bool m_bigFont = false;
    bool m_displayOn = false;
    bool m_cursorOn = false;
    bool m_blinkOn = false;
    bool m_increment = true;
    bool m_shiftOnWrite = false;
    bool m_inCgram = false;
    uint8_t m_address = 0;
    int m_shift = 0;
    std::array<uint8_t, kDdramSize> m_ddram{};
    std::array<uint8_t, kCgramSize> m_cgram{};

    uint32_t m_executed = 0;
    uint32_t m_ignored = 0;
    uint8_t m_lastByte = 0;
    bool m_lastWasData = false;
};

}  // namespace board
