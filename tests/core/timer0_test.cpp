// Timer 0 in timer and counter mode, the prescaler, and the two frozen
// cycles after a write to TMR0.
#include "core/timer0.h"

#include "core_test_support.h"

namespace {
constexpr uint8_t kRa4 = 0x10;

int CyclesUntilFirstIncrement(uint8_t option) {
    RegisterFile[OPTION_REG] = option;
    RegisterFile[TMR0] = 0;
    PrescaleCount = 0;
    for (int cycle = 1; cycle <= 1000; ++cycle) {
        if (Timer0CycleStep() != 0) return cycle;
    }
    return -1;
}

TEST_F(CoreTest, PrescalerDivisors) {
    // PSA = 0: 2^(PS+1); PSA = 1: 2^PS.
    EXPECT_EQ(CyclesUntilFirstIncrement(0x00), 2);
    EXPECT_EQ(CyclesUntilFirstIncrement(0x07), 256);
    EXPECT_EQ(CyclesUntilFirstIncrement(0x08), 1);
    EXPECT_EQ(CyclesUntilFirstIncrement(0x0B), 8);
    EXPECT_EQ(CyclesUntilFirstIncrement(0x0F), 128);
}

TEST_F(CoreTest, TimerModeCountsSteadily) {
    RegisterFile[OPTION_REG] = 0x01;  // every 4 cycles
    for (int i = 0; i < 40; ++i) Timer0CycleStep();
    EXPECT_EQ(Reg(TMR0), 10);
    EXPECT_EQ(PrescaleCount, 0);
}

TEST_F(CoreTest, WrapSetsOverflowedUntilTheNextIncrement) {
    RegisterFile[OPTION_REG] = 0x00;  // every 2 cycles
    RegisterFile[TMR0] = 0xFF;
    Timer0CycleStep();
    EXPECT_FALSE(Tmr0Overflowed);
    Timer0CycleStep();
    EXPECT_EQ(Reg(TMR0), 0);
    EXPECT_TRUE(Tmr0Overflowed);
    Timer0CycleStep();
    EXPECT_TRUE(Tmr0Overflowed);
    Timer0CycleStep();
    EXPECT_EQ(Reg(TMR0), 1);
    EXPECT_FALSE(Tmr0Overflowed);
}

TEST_F(CoreTest, AfterResetTheTimerCountsOnlyFallingEdgesOfRa4) {
    Load({0x2805});  // GOTO 5
    Step(5);
    EXPECT_EQ(Reg(TMR0), 0);
    RegisterFile[PORTA] = kRa4;  // rising: not counted with T0SE = 1
    Step(3);
    EXPECT_EQ(Reg(TMR0), 0);
    RegisterFile[PORTA] = 0;
    Step();
    EXPECT_EQ(Reg(TMR0), 1);
    Step(4);
    EXPECT_EQ(Reg(TMR0), 1);
}

TEST_F(CoreTest, CounterModeOnRisingEdgesIgnoresThePrescaler) {
    RegisterFile[OPTION_REG] = 0x27;  // T0CS, rising, PSA 0 with PS 7
    PrescaleCount = 3;
    for (int i = 0; i < 5; ++i) {
        RegisterFile[PORTA] = kRa4;
        Timer0CycleStep();
        RegisterFile[PORTA] = 0;
        Timer0CycleStep();
    }
    EXPECT_EQ(Reg(TMR0), 5);
    EXPECT_EQ(PrescaleCount, 3);
}

TEST_F(CoreTest, WriteToTmr0FreezesTwoCycles) {
    Load({0x3010,                     // MOVLW 0x10
          0x0081,                     // MOVWF TMR0
          0x0000,                     // NOP
          0x0000});                   // NOP
    RegisterFile[OPTION_REG] = 0x08;  // one count per cycle
    Step();
    EXPECT_EQ(Reg(TMR0), 1);
    Step();
    EXPECT_EQ(Reg(TMR0), 0x10);
    EXPECT_EQ(Tmr0Inhibit, 1);
    Step();
    EXPECT_EQ(Reg(TMR0), 0x10);
    EXPECT_EQ(PrescaleCount, 0);
    Step();
    EXPECT_EQ(Reg(TMR0), 0x11);
}

struct InhibitCase {
    const char* name;
    uint16_t word;
    bool bank1;
    bool inhibits;
};

void PrintTo(const InhibitCase& c, std::ostream* os) {
    *os << c.name;
}

class Tmr0Writes : public CoreTest, public testing::WithParamInterface<InhibitCase> {};

TEST_P(Tmr0Writes, OnlyBank0WritesInhibit) {
    const InhibitCase& c = GetParam();
    if (c.bank1) m_cpu.BSF(STATUS, 5);
    Tmr0Inhibit = 0;
    Load({c.word});
    RegisterFile[FSR] = TMR0;
    RegisterFile[0x84] = TMR0;
    m_messages.Clear();
    DecodeAndExecuteOnly();
    EXPECT_EQ(Tmr0Inhibit, c.inhibits ? 2 : 0);
}

INSTANTIATE_TEST_SUITE_P(Words, Tmr0Writes,
                         testing::Values(InhibitCase{"MOVWF", 0x0081, false, true},
                                         InhibitCase{"CLRF", 0x0181, false, true},
                                         InhibitCase{"MOVF_to_file", 0x0881, false, true},
                                         InhibitCase{"MOVF_to_W", 0x0801, false, false},
                                         InhibitCase{"INCF_to_W", 0x0A01, false, false},
                                         InhibitCase{"BSF", 0x1401, false, true},
                                         InhibitCase{"BCF", 0x1001, false, true},
                                         InhibitCase{"BTFSC", 0x1801, false, false},
                                         InhibitCase{"BTFSS", 0x1C01, false, false},
                                         InhibitCase{"indirect", 0x0080, false, true},
                                         InhibitCase{"bank1_OPTION", 0x0081, true, false},
                                         InhibitCase{"bank1_indirect", 0x0080, true, false}),
                         [](const testing::TestParamInfo<InhibitCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(CoreTest, CounterModeLosesTheFirstEdgeAfterAWriteOfANewValue) {
    RegisterFile[OPTION_REG] = 0x38;  // counter mode, falling edges
    RegisterFile[PORTA] = kRa4;
    Timer0CycleStep();  // PrevRa4 high, PrevTmr0 0

    W = 5;
    m_cpu.MOVWF(TMR0);
    RegisterFile[PORTA] = 0;  // falls while the timer is frozen
    Timer0CycleStep();
    Timer0CycleStep();
    EXPECT_EQ(Reg(TMR0), 5);
    Timer0CycleStep();  // the edge is seen now, but 5 differs from PrevTmr0
    EXPECT_EQ(Reg(TMR0), 5);
    RegisterFile[PORTA] = kRa4;
    Timer0CycleStep();
    RegisterFile[PORTA] = 0;
    Timer0CycleStep();
    EXPECT_EQ(Reg(TMR0), 6);
}

TEST_F(CoreTest, CounterModeKeepsTheEdgeWhenTheWrittenValueIsUnchanged) {
    RegisterFile[OPTION_REG] = 0x38;
    RegisterFile[PORTA] = kRa4;
    Timer0CycleStep();
    W = 0;  // the value TMR0 already holds
    m_cpu.MOVWF(TMR0);
    RegisterFile[PORTA] = 0;
    Timer0CycleStep();
    Timer0CycleStep();
    Timer0CycleStep();
    EXPECT_EQ(Reg(TMR0), 1);
}

TEST_F(CoreTest, TwoCycleInstructionsCountTwice) {
    Load({0x2006,    // 5: CALL 6
          0x0000,    // 6: NOP
          0x0000});  // 7
    RegisterFile[OPTION_REG] = 0x08;
    Step();
    EXPECT_EQ(Reg(TMR0), 2);
    Step();
    EXPECT_EQ(Reg(TMR0), 3);
}
}  // namespace
