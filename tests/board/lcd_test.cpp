// The LCD against the HD44780 data sheet: the 4-bit initialisation, the
// instruction set with its line addresses, the busy time that loses a
// command sent too early, the busy flag and RAM read back through R/W.
#include "board/lcd.h"

#include <gtest/gtest.h>

#include <utility>

#include "board/lcd_rom.h"
#include "board_test_support.h"

using namespace board;

namespace {
constexpr int RA1 = 1, RA2 = 2, RA3 = 3, RB0 = 5;

// Drives the bus as a program does: RS and R/W set, data out, E up, E down.
class CLcdBus {
public:
    CLcdBus(bool fourBit, int columns = 16, int rows = 2, double cycleHz = 1e6)
        : m_fourBit(fourBit),
          m_cyclesPerUs(static_cast<uint64_t>(cycleHz / 1e6)),
          m_lcd(CLcd(Wiring(fourBit, columns, rows)), cycleHz) {
        for (int pin : {RA1, RA2, RA3}) m_lcd.Out(pin, false);
        for (int bit = 0; bit < 8; ++bit) m_lcd.Out(RB0 + bit, false);
    }
    static SLcdWiring Wiring(bool fourBit, int columns, int rows) {
        SLcdWiring w;
        w.columns = columns;
        w.rows = rows;
        for (int bit = fourBit ? 4 : 0; bit < 8; ++bit) w.data[bit] = RB0 + bit;
        w.rs = RA2;
        w.e = RA3;
        w.rw = RA1;
        return w;
    }
    // One E pulse carrying the bus value (D7-D4 on a 4-bit bus).
    void Pulse(uint8_t value, bool rs) {
        m_lcd.Out(RA1, false);
        m_lcd.Out(RA2, rs);
        for (int bit = m_fourBit ? 4 : 0; bit < 8; ++bit) m_lcd.Out(RB0 + bit, value >> bit & 1);
        m_lcd.Out(RA3, true);
        m_lcd.Out(RA3, false);
    }
    void Nibble(uint8_t high) { Pulse(static_cast<uint8_t>(high << 4), false); }
    // A byte, then the wait the data sheet gives for it.
    void Send(uint8_t byte, bool rs, uint64_t waitUs = 40) {
        if (m_fourBit) {
            Pulse(byte, rs);
            Pulse(static_cast<uint8_t>(byte << 4), rs);
        } else {
            Pulse(byte, rs);
        }
        Run(waitUs);
    }
    void Command(uint8_t byte, uint64_t waitUs = 40) { Send(byte, false, waitUs); }
    void Print(const std::string& text) {
        for (char ch : text) Send(static_cast<uint8_t>(ch), true);
    }
    // Reads a byte with R/W high: the busy flag and address, or data.
    uint8_t Read(bool rs) {
        for (int bit = 0; bit < 8; ++bit) m_lcd.In(RB0 + bit, false);
        m_lcd.Out(RA2, rs);
        m_lcd.Out(RA1, true);
        uint8_t value = 0;
        for (int half = 0; half < (m_fourBit ? 2 : 1); ++half) {
            m_lcd.Out(RA3, true);
            uint8_t bus = 0;
            for (int bit = 0; bit < 8; ++bit) bus |= m_lcd.Level(RB0 + bit) << bit;
            value =
                m_fourBit ? static_cast<uint8_t>(half == 0 ? (bus & 0xF0) : value | bus >> 4) : bus;
            m_lcd.Out(RA3, false);
        }
        m_lcd.Out(RA1, false);
        for (int bit = 0; bit < 8; ++bit) m_lcd.Out(RB0 + bit, false);
        return value;
    }
    // The data sheet's 4-bit initialisation by instruction, after the wait
    // for the supply.
    void InitFourBit() {
        Run(15000);
        for (uint64_t wait : {4100, 100, 40}) {
            Nibble(0x3);
            Run(wait);
        }
        Nibble(0x2);
        Run(40);
        Command(0x28);  // 4-bit, 2 lines, 5x8
        Command(0x0C);  // display on, no cursor
        Command(0x06);  // increment, no shift
        Command(0x01, 1600);
    }
    void InitEightBit() {
        Run(15000);
        Command(0x38);
        Command(0x0C);
        Command(0x06);
        Command(0x01, 1600);
    }
    CLcd& lcd() { return m_lcd.part(); }
    void Run(uint64_t us) { m_lcd.Run(us * m_cyclesPerUs); }
    void RunCycles(uint64_t cycles) { m_lcd.Run(cycles); }

private:
    bool m_fourBit;
    uint64_t m_cyclesPerUs;
    test::CHarness<CLcd> m_lcd;
};

TEST(Lcd, FourBitInitialisationByThreeNibblesAlsoResynchronisesMidByte) {
    CLcdBus bus(true);
    bus.InitFourBit();
    EXPECT_FALSE(bus.lcd().EightBit());
    EXPECT_TRUE(bus.lcd().TwoLines());
    bus.Print("Zdravo");
    EXPECT_EQ(bus.lcd().Text(), "Zdravo");

    // A reset of the chip alone leaves the LCD half way through a byte: the
    // same sequence brings it back into step.
    bus.Nibble(0x4);
    bus.Run(100);
    bus.InitFourBit();
    bus.Print("OK");
    EXPECT_EQ(bus.lcd().Text(), "OK");
    EXPECT_EQ(bus.lcd().Ignored(), 0u);
}

TEST(Lcd, CommandWhileBusyIsLostAndCounted) {
    struct SCase {
        const char* what;
        uint8_t first;
        uint64_t waitUs;
        bool taken;
    };
    const SCase cases[] = {
        {"clear needs 1.52 ms", 0x01, 1519, false}, {"clear done", 0x01, 1520, true},
        {"home needs 1.52 ms", 0x02, 1000, false},  {"entry mode 37 us", 0x06, 36, false},
        {"entry mode done", 0x06, 37, true},        {"DDRAM address", 0x80, 30, false},
    };
    for (const SCase& c : cases) {
        CLcdBus bus(false);
        bus.InitEightBit();
        bus.Command(c.first, c.waitUs);
        bus.Print("X");
        EXPECT_EQ(bus.lcd().Text(), c.taken ? "X" : "") << c.what;
        EXPECT_EQ(bus.lcd().Ignored(), c.taken ? 0u : 1u) << c.what;
    }
    // The 10 ms of the reset at power-on.
    CLcdBus early(false);
    early.Run(9990);
    early.Command(0x38);
    early.Command(0x0C);
    EXPECT_EQ(early.lcd().Ignored(), 1u);
    EXPECT_TRUE(early.lcd().DisplayOn());
    // The clock sets how many cycles the times are: at 20 MHz, 5 a us.
    CLcdBus fast(false, 16, 2, 5e6);
    fast.InitEightBit();
    fast.Command(0x01, 0);
    fast.RunCycles(7599);
    fast.Print("A");
    fast.Print("B");
    EXPECT_EQ(fast.lcd().Text(), "B");
}

TEST(Lcd, BusyFlagAddressAndDataReadBack) {
    for (bool fourBit : {false, true}) {
        CLcdBus bus(fourBit);
        fourBit ? bus.InitFourBit() : bus.InitEightBit();
        bus.Send('H', true, 0);
        EXPECT_EQ(bus.Read(false), 0x80 | 0x01) << "busy, address already 1";
        bus.Run(40);
        EXPECT_EQ(bus.Read(false), 0x01);
        bus.Command(0xC5);  // DDRAM 0x45
        bus.Print("Q");
        EXPECT_EQ(bus.Read(false), 0x46);
        bus.Command(0xC5);
        EXPECT_EQ(bus.Read(true), 'Q') << fourBit;
        bus.Run(40);
        EXPECT_EQ(bus.Read(false), 0x46) << "a data read moves the address";
        bus.Command(0x48);  // CGRAM 0x08
        EXPECT_EQ(bus.Read(false), 0x08);
        EXPECT_EQ(bus.lcd().Ignored(), 0u);
    }
}

TEST(Lcd, LineAddressesWrapAndShift) {
    CLcdBus bus(false, 20, 4);
    bus.InitEightBit();
    const std::pair<uint8_t, const char*> rows[] = {
        {0x54, "4"}, {0x14, "3"}, {0x40, "2"}, {0x00, "1"}};
    for (const auto& [start, text] : rows) {
        bus.Command(0x80 | start);
        bus.Print(text);
    }
    EXPECT_EQ(bus.lcd().Text(), "1\n2\n3\n4");

    CLcdBus two(false);
    two.InitEightBit();
    two.Command(0x80 | 0x26);
    two.Print("abc");  // 0x26, 0x27, then on to the second line
    EXPECT_EQ(two.lcd().Address(), 0x41);
    EXPECT_EQ(two.lcd().RowText(1), "c");
    two.Command(0x18);  // the picture moves left: column 0 shows 0x01
    two.Command(0x18);
    EXPECT_EQ(two.lcd().RowText(1), "");
    two.Command(0x1C);
    EXPECT_EQ(two.lcd().RowText(1), "");
    two.Command(0x1C);
    two.Command(0x1C);  // and right: 0x27 of each line comes round to column 0
    EXPECT_EQ(two.lcd().RowText(0), "b");
    EXPECT_EQ(two.lcd().RowText(1), " c");
    two.Command(0x02, 1600);
    EXPECT_EQ(two.lcd().RowText(1), "c");
    EXPECT_EQ(two.lcd().DisplayShift(), 0);
}

TEST(Lcd, EntryModesCursorAndDisplayControl) {
    CLcdBus bus(false);
    bus.InitEightBit();
    bus.Command(0x80 | 0x05);
    bus.Command(0x04);  // decrement
    bus.Print("abc");
    EXPECT_EQ(bus.lcd().Text(), "   cba");
    EXPECT_EQ(bus.lcd().Address(), 0x02);
    bus.Command(0x14);  // cursor right
    EXPECT_EQ(bus.lcd().Address(), 0x03);
    bus.Command(0x07);  // increment and shift: the cursor stays put on screen
    bus.Command(0x80 | 0x0E);
    bus.Print("xy");
    EXPECT_EQ(bus.lcd().Text(), " cba" + std::string(8, ' ') + "xy");
    bus.Command(0x0F);
    EXPECT_TRUE(bus.lcd().CursorOn() && bus.lcd().BlinkOn());
    int row = -1, column = -1;
    ASSERT_TRUE(bus.lcd().CursorPosition(&row, &column));
    EXPECT_EQ(row * 100 + column, 14);
    bus.Command(0x08);
    EXPECT_EQ(bus.lcd().Text(), "") << "display off";
    bus.Command(0x0C);
    bus.Command(0x01, 1600);
    EXPECT_TRUE(bus.lcd().Increment()) << "clear sets increment";
    EXPECT_TRUE(bus.lcd().ShiftOnWrite()) << "and leaves the shift";
    EXPECT_EQ(bus.lcd().Text(), "");
}

TEST(Lcd, CustomCharactersFromCgram) {
    CLcdBus bus(true);
    bus.InitFourBit();
    const uint8_t heart[8] = {0x00, 0x0A, 0x1F, 0x1F, 0x0E, 0x04, 0x00, 0x00};
    bus.Command(0x40 | 0x08);  // character 1
    for (uint8_t row : heart) bus.Send(row, true);
    bus.Command(0x80);
    bus.Send(0x01, true);
    bus.Send(0x09, true);  // the same character
    bus.Print("\xA6\xE0\x5C");
    EXPECT_EQ(bus.lcd().Text(), std::string("\x01\x01") + "ｦα¥");
    for (int row = 0; row < 8; ++row) EXPECT_EQ(bus.lcd().Cgram()[8 + row], heart[row]);
}

TEST(Lcd, RomHasAGlyphForEveryCharacterAndNoneElsewhere) {
    for (int code = 0; code < 256; ++code) {
        const SGlyph& glyph = RomGlyph(static_cast<uint8_t>(code));
        int dots = 0;
        for (uint8_t row : glyph) {
            EXPECT_EQ(row & ~0x1F, 0) << code;
            dots += __builtin_popcount(row);
        }
        const bool blank = code < 0x21 || (code >= 0x80 && code <= 0xA0) || code == 0xFE;
        EXPECT_EQ(dots == 0, blank) << std::hex << code;
        EXPECT_EQ(RomText(static_cast<uint8_t>(code)) == " ", code >= 0x10 && blank) << code;
    }
}
}  // namespace
