#include "board/lcd.h"

#include "board/lcd_rom.h"

namespace board {

namespace {
constexpr uint8_t kBlank = 0x20;
constexpr int kLineLength = 40;  // of each line in 2-line mode; one line holds all 80

// Where each screen row starts in DDRAM: the second controller line is at
// 0x40, and a 4-row module continues its first and second line on rows 3
// and 4.
uint8_t RowStart(int row, int columns) {
    switch (row) {
        case 0:
            return 0x00;
        case 1:
            return 0x40;
        case 2:
            return static_cast<uint8_t>(columns);
        default:
            return static_cast<uint8_t>(0x40 + columns);
    }
}
}  // namespace

PinMask CLcd::Pins() const {
    PinMask pins = PinBit(m_wiring.rs) | PinBit(m_wiring.e) | PinBit(m_wiring.rw);
    for (int pin : m_wiring.data) pins |= PinBit(pin);
    return pins;
}

PinMask CLcd::DrivenPins() const {
    if (m_wiring.rw == kNoPin) return 0;
    PinMask pins = 0;
    for (int pin : m_wiring.data) pins |= PinBit(pin);
    return pins;
}

void CLcd::PowerOn(const SPinView& view) {
    // The internal reset: 8-bit bus, one line, display, cursor and blink
    // off, incrementing without shift, DDRAM cleared; busy meanwhile.
    m_powered = true;
    m_ddram.fill(kBlank);
    m_busyUntil = view.cycle + CyclesFor(kPowerOnSeconds, view.cycleHz);
    m_lastE = view.Level(m_wiring.e);
}

SPartStep CLcd::Update(const SPinView& view) {
    if (!m_powered) PowerOn(view);
    const bool e = view.Level(m_wiring.e);
    const bool rs = view.Level(m_wiring.rs);
    const bool read = view.Level(m_wiring.rw);
    if (e && !m_lastE && read && (m_eightBit || !m_secondNibble)) {
        m_readByte = ReadByte(view.cycle, rs);
    }
    if (!e && m_lastE) {
        // Latched from the levels held while E was high: a program that
        // changes the data in the same write that drops E breaks the hold
        // time, and the real part then takes what was there before.
        SPinView held = view;
        held.levels = m_heldLevels;
        const bool heldRead = held.Level(m_wiring.rw);
        const bool heldRs = held.Level(m_wiring.rs);
        const uint8_t bus = BusByte(held);
        if (m_eightBit) {
            Take(bus, heldRs, heldRead, view);
        } else if (!m_secondNibble) {
            m_highNibble = bus & 0xF0;
            m_secondNibble = true;
        } else {
            m_secondNibble = false;
            Take(static_cast<uint8_t>(m_highNibble | bus >> 4), heldRs, heldRead, view);
        }
    }
    m_lastE = e;
    if (e) m_heldLevels = view.levels;

    // The busy flag and the address follow from the cycle count, so the LCD
    // never needs a call of its own.
    SPartStep step;
    // With E low the controller neither takes nor drives the bus: only E's
    // rise matters, and a scan that shares the data lines costs nothing.
    if (!e) step.watch = PinBit(m_wiring.e);
    if (e && read && m_wiring.rw != kNoPin) {
        uint8_t out = m_readByte;
        if (!m_eightBit) out = m_secondNibble ? static_cast<uint8_t>(out << 4) : out;
        for (int bit = m_eightBit ? 0 : 4; bit < 8; ++bit)
            step.Drive(m_wiring.data[bit], out >> bit & 1);
    }
    return step;
}

// The data pins as the controller sees them: an unwired one reads high, as
// the pull-ups inside the HD44780 make it.
uint8_t CLcd::BusByte(const SPinView& view) const {
    uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit) {
        const int pin = m_wiring.data[bit];
        if (pin == kNoPin || view.Level(pin)) byte |= static_cast<uint8_t>(1u << bit);
    }
    return byte;
}

uint8_t CLcd::ReadByte(uint64_t cycle, bool data) const {
    if (data) return m_inCgram ? m_cgram[m_address & 0x3F] : m_ddram[Cell(m_address)];
    return static_cast<uint8_t>((Busy(cycle) ? 0x80 : 0) | (m_address & 0x7F));
}

void CLcd::Take(uint8_t byte, bool data, bool read, const SPinView& view) {
    // Reading the busy flag is the one thing allowed while busy.
    if (read && !data) return;
    m_lastByte = byte;
    m_lastWasData = data;
    if (Busy(view.cycle)) {
        ++m_ignored;
        return;
    }
    ++m_executed;
    double seconds = kShortSeconds;
    if (read) {
        Step(m_increment);
    } else if (data) {
        WriteData(byte);
    } else {
        seconds = Execute(byte);
    }
    m_busyUntil = view.cycle + CyclesFor(seconds, view.cycleHz);
}

double CLcd::Execute(uint8_t instruction) {
    if (instruction & 0x80) {
        m_address = instruction & 0x7F;
        m_inCgram = false;
    } else if (instruction & 0x40) {
        m_address = instruction & 0x3F;
        m_inCgram = true;
    } else if (instruction & 0x20) {
        const bool eightBit = instruction & 0x10;
        if (eightBit != m_eightBit) m_secondNibble = false;
        m_eightBit = eightBit;
        m_twoLines = instruction & 0x08;
        m_bigFont = instruction & 0x04;
    } else if (instruction & 0x10) {
        const bool right = instruction & 0x04;
        if (instruction & 0x08) {
            // The picture moves; the window onto DDRAM moves the other way.
            m_shift = (m_shift + (right ? kDdramSize - 1 : 1)) % kDdramSize;
        } else {
            Step(right);
        }
    } else if (instruction & 0x08) {
        m_displayOn = instruction & 0x04;
        m_cursorOn = instruction & 0x02;
        m_blinkOn = instruction & 0x01;
    } else if (instruction & 0x04) {
        m_increment = instruction & 0x02;
        m_shiftOnWrite = instruction & 0x01;
    } else if (instruction & 0x02) {
        m_address = 0;
        m_inCgram = false;
        m_shift = 0;
        return kLongSeconds;
    } else if (instruction & 0x01) {
        m_ddram.fill(kBlank);
        m_address = 0;
        m_inCgram = false;
        m_shift = 0;
        m_increment = true;
        return kLongSeconds;
    }
    return kShortSeconds;
}

void CLcd::WriteData(uint8_t byte) {
    if (m_inCgram) {
        m_cgram[m_address & 0x3F] = byte;
    } else {
        m_ddram[Cell(m_address)] = byte;
        if (m_shiftOnWrite) {
            m_shift = (m_shift + (m_increment ? 1 : kDdramSize - 1)) % kDdramSize;
        }
    }
    Step(m_increment);
}

// The address counter after a write, a read or a cursor move: in 2-line
// mode it runs from the end of one line to the start of the other.
void CLcd::Step(bool up) {
    if (m_inCgram) {
        m_address = static_cast<uint8_t>((m_address + (up ? 1 : 63)) & 0x3F);
        return;
    }
    const uint8_t a = m_address;
    if (m_twoLines) {
        if (up)
            m_address = a == 0x27 ? 0x40 : a == 0x67 ? 0x00 : static_cast<uint8_t>((a + 1) & 0x7F);
        else
            m_address = a == 0x40 ? 0x27 : a == 0x00 ? 0x67 : static_cast<uint8_t>((a - 1) & 0x7F);
    } else {
        if (up)
            m_address = a >= 0x4F ? 0x00 : static_cast<uint8_t>(a + 1);
        else
            m_address = a == 0x00 ? 0x4F : static_cast<uint8_t>(a - 1);
    }
}

// The one DDRAM of 80 cells behind both address maps: the second line's
// addresses 0x40-0x67 name the cells that one long line calls 0x28-0x4F.
int CLcd::Cell(uint8_t address) const {
    const int a = address & 0x7F;
    if (!m_twoLines) return a % kDdramSize;
    return a < 0x40 ? a % kLineLength : kLineLength + (a - 0x40) % kLineLength;
}

uint8_t CLcd::ShownAddress(int row, int column) const {
    const uint8_t start = RowStart(row, m_wiring.columns);
    if (m_twoLines) {
        return static_cast<uint8_t>((start & 0x40) |
                                    ((start & 0x3F) + column + m_shift) % kLineLength);
    }
    return static_cast<uint8_t>((start + column + m_shift) % kDdramSize);
}

std::string CLcd::RowCodes(int row) const {
    std::string codes(static_cast<size_t>(m_wiring.columns), static_cast<char>(kBlank));
    // One line is all a 1-line controller drives: rows on the second line
    // stay dark.
    if (!m_displayOn || row < 0 || row >= m_wiring.rows) return codes;
    if (!m_twoLines && (RowStart(row, m_wiring.columns) & 0x40)) return codes;
    for (int column = 0; column < m_wiring.columns; ++column) {
        codes[column] = static_cast<char>(m_ddram[Cell(ShownAddress(row, column))]);
    }
    return codes;
}

std::string CLcd::RowText(int row) const {
    std::string codes = RowCodes(row);
    const size_t end = codes.find_last_not_of(static_cast<char>(kBlank));
    codes.resize(end == std::string::npos ? 0 : end + 1);
    std::string text;
    for (char code : codes) text += RomText(static_cast<uint8_t>(code));
    return text;
}

std::string CLcd::Text() const {
    std::string text;
    size_t kept = 0;
    for (int row = 0; row < m_wiring.rows; ++row) {
        if (row > 0) text += '\n';
        text += RowText(row);
        if (!RowText(row).empty()) kept = text.size();
    }
    text.resize(kept);
    return text;
}

bool CLcd::CursorPosition(int* row, int* column) const {
    if (m_inCgram) return false;
    for (int r = 0; r < m_wiring.rows; ++r) {
        if (!m_twoLines && (RowStart(r, m_wiring.columns) & 0x40)) continue;
        for (int c = 0; c < m_wiring.columns; ++c) {
            if (ShownAddress(r, c) == m_address) {
                *row = r;
                *column = c;
                return true;
            }
        }
    }
    return false;
}

bool CLcd::BlinkPhase(uint64_t cycle, double cycleHz) {
    const double seconds = static_cast<double>(cycle) / cycleHz;
    return static_cast<uint64_t>(seconds / 409.6e-3) % 2 == 0;
}

}  // namespace board
