// The serial terminal decodes 8N1 as a UART does, at the rate it is set
// to: a program bit-banging at that rate (with whole cycles per bit) is
// read, one at another rate is not; what the user types goes out framed.
#include "board/serial_terminal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "board_test_support.h"

using namespace board;

namespace {
constexpr int RB1 = 6, RB2 = 7;

test::CHarness<CSerialTerminal> Terminal(double baud, bool inverted = false) {
    SSerialWiring wiring{RB1, RB2, baud, inverted};
    test::CHarness<CSerialTerminal> terminal{CSerialTerminal(wiring)};
    terminal.Out(RB1, !inverted);
    terminal.In(RB2);
    terminal.Run(1000);
    return terminal;
}

// The chip sends the text with a delay loop of whole cycles per bit.
void Send(test::CHarness<CSerialTerminal>& t, const std::string& text, uint64_t cyclesPerBit,
          bool inverted = false) {
    for (unsigned char byte : text) {
        const int frame = 0x200 | byte << 1;  // start 0, data, stop 1
        for (int bit = 0; bit < 10; ++bit) {
            t.Out(RB1, (frame >> bit & 1) != inverted);
            t.Run(cyclesPerBit);
        }
    }
    t.Run(cyclesPerBit * 2);
}

TEST(SerialTerminal, DecodesAtTwoRatesAndNotAtAWrongBitTime) {
    struct SCase {
        double baud;
        uint64_t cyclesPerBit;  // at 4 MHz, a cycle a microsecond
        bool read;
    };
    const SCase cases[] = {
        {9600, 104, true},   // 104.17 exactly
        {2400, 417, true},   // 416.67
        {9600, 99, true},    // 5 % fast still lands in each bit
        {9600, 208, false},  // a program at 4800
        {2400, 104, false},
    };
    for (const SCase& c : cases) {
        auto terminal = Terminal(c.baud);
        Send(terminal, "OK\r\n", c.cyclesPerBit);
        if (c.read) {
            EXPECT_EQ(terminal.part().Text(), "OK\r\n") << c.baud << " " << c.cyclesPerBit;
            EXPECT_EQ(terminal.part().FramingErrors(), 0u);
        } else {
            EXPECT_NE(terminal.part().Text(), "OK\r\n") << c.baud << " " << c.cyclesPerBit;
        }
    }
    auto inverted = Terminal(9600, true);
    Send(inverted, "\x55\xAA", 104, true);
    EXPECT_EQ(inverted.part().Text(), "\x55\xAA");
}

TEST(SerialTerminal, TypedBytesGoOutFramedBackToBack) {
    for (bool inverted : {false, true}) {
        auto terminal = Terminal(9600, inverted);
        EXPECT_EQ(terminal.Level(RB2), !inverted) << "idle";
        ASSERT_EQ(terminal.part().Type("Hi"), 2u);
        terminal.Call();
        const double bit = 1e6 / 9600;
        const uint64_t start = terminal.Now();
        std::string received;
        for (int byte = 0; byte < 2; ++byte) {
            int frame = 0;
            for (int b = 0; b < 10; ++b) {
                terminal.RunTo(start +
                               static_cast<uint64_t>(std::llround((byte * 10 + b + 0.5) * bit)));
                frame |= (terminal.Level(RB2) != inverted) << b;
            }
            EXPECT_EQ(frame & 0x201, 0x200) << "start low, stop high";
            received += static_cast<char>(frame >> 1 & 0xFF);
        }
        EXPECT_EQ(received, "Hi");
        terminal.Run(200);
        EXPECT_EQ(terminal.part().Waiting(), 0u);
        EXPECT_EQ(terminal.Step().due, kNever);
    }
    auto full = Terminal(9600);
    EXPECT_EQ(full.part().Type(std::string(100, 'x')), CSerialTerminal::kQueueBytes);
}
}  // namespace
