// Interrupt flags, acceptance, and the entry one instruction late.
#include "core/timer0.h"
#include "core_test_support.h"

namespace {
constexpr uint8_t GIE = 0x80, T0IE = 0x20, INTE = 0x10, RBIE = 0x08;
constexpr uint8_t T0IF = 0x04, INTF = 0x02, RBIF = 0x01;

TEST_F(CoreTest, TimerWrapIsEnteredAfterTheFollowingInstruction) {
    Load({0x0000, 0x0000, 0x0000});
    PutWord(4, 0x0000);
    RegisterFile[OPTION_REG] = 0x08;  // one count per cycle
    RegisterFile[TMR0] = 0xFF;
    RegisterFile[INTCON] = GIE | T0IE;
    EXPECT_FALSE(Step());  // word 5: TMR0 wraps, interrupt accepted
    EXPECT_EQ(Reg(INTCON), T0IE | T0IF);
    EXPECT_EQ(Reg(INTCON_BANK1), T0IE | T0IF);
    EXPECT_TRUE(IrqPending);
    EXPECT_EQ(PC, 6);
    BreakAddresses[3] = 4;
    EXPECT_TRUE(Step());  // word 6 executes, then the entry
    EXPECT_EQ(PC, 4);
    EXPECT_EQ(Reg(PCL), 4);
    EXPECT_FALSE(IrqPending);
    EXPECT_FALSE(IrqArmed);
    EXPECT_EQ(ReturnStack->Pop(), 7);
}

TEST_F(CoreTest, AWrapInsideATwoCycleInstructionIsNotLost) {
    // The GOTO's own cycle takes TMR0 from 0xFF to 0x00, the loop's cycle on
    // to 0x01: the check after the instruction still sees the overflow.
    Load({0x2805});  // GOTO 5
    RegisterFile[OPTION_REG] = 0x08;
    RegisterFile[TMR0] = 0xFF;
    RegisterFile[INTCON] = GIE | T0IE;
    Step();
    EXPECT_EQ(Reg(TMR0), 1);
    EXPECT_EQ(Reg(INTCON), T0IE | T0IF);
    EXPECT_TRUE(IrqPending);
    RegisterFile[INTCON] = 0;  // the flag, once cleared, stays clear
    Step();
    EXPECT_EQ(Reg(INTCON), 0);
}

TEST_F(CoreTest, InterruptRoutineReturnsToTheInterruptedProgram) {
    Load({0x0000, 0x0000, 0x0000, 0x0000});
    PutWord(4, 0x110B);  // BCF INTCON,T0IF
    PutWord(5, 0x0000);
    RegisterFile[OPTION_REG] = 0x08;
    RegisterFile[TMR0] = 0xFF;
    RegisterFile[INTCON] = GIE | T0IE;
    Step(2);
    ASSERT_EQ(PC, 4);
    PutWord(5, 0x0009);  // the routine's RETFIE, placed after the entry
    Step();
    EXPECT_EQ(Reg(INTCON) & T0IF, 0);
    Step();
    EXPECT_EQ(PC, 7);
    EXPECT_EQ(Reg(INTCON) & GIE, GIE);
}

TEST_F(CoreTest, Rb0EdgeFollowsIntedg) {
    RegisterFile[OPTION_REG] = 0x40;  // rising
    RegisterFile[PORTB] = 0x01;
    InterruptCheck();
    EXPECT_EQ(Reg(INTCON) & INTF, INTF);
    RegisterFile[INTCON] = 0;
    RegisterFile[PORTB] = 0x00;  // falling: not with INTEDG = 1
    InterruptCheck();
    EXPECT_EQ(Reg(INTCON) & INTF, 0);

    RegisterFile[OPTION_REG] = 0x00;  // falling
    RegisterFile[PORTB] = 0x01;
    InterruptCheck();
    EXPECT_EQ(Reg(INTCON) & INTF, 0);
    RegisterFile[PORTB] = 0x00;
    InterruptCheck();
    EXPECT_EQ(Reg(INTCON) & INTF, INTF);
}

TEST_F(CoreTest, ProgramWritingPortBHighBitsSetsRbif) {
    Load({0x3040,    // MOVLW 0x40
          0x0086});  // MOVWF PORTB
    Step();
    EXPECT_EQ(Reg(INTCON) & RBIF, 0);
    Step();
    EXPECT_EQ(Reg(INTCON) & RBIF, RBIF);
}

TEST_F(CoreTest, LowBitsOfPortBDoNotSetRbif) {
    RegisterFile[OPTION_REG] = 0x40;
    RegisterFile[PORTB] = 0x0E;
    InterruptCheck();
    EXPECT_EQ(Reg(INTCON), 0);
    EXPECT_EQ(PrevPortB, 0x0E);
}

TEST_F(CoreTest, FlagsRaisedWithoutGieWaitForIt) {
    Load({0x0000, 0x0000, 0x0000, 0x0000});
    RegisterFile[INTCON] = INTE;
    RegisterFile[OPTION_REG] = 0xFF;
    RegisterFile[PORTB] = 0x01;
    Step(2);
    EXPECT_EQ(Reg(INTCON), INTE | INTF);
    EXPECT_FALSE(IrqPending);
    RegisterFile[INTCON] = GIE | INTE | INTF;  // the program enables later
    Step();
    EXPECT_TRUE(IrqPending);
    EXPECT_EQ(Reg(INTCON), INTE | INTF);
}

TEST_F(CoreTest, DisabledSourcesAreNotAccepted) {
    RegisterFile[INTCON] = GIE | T0IF | INTF | RBIF;
    InterruptCheck();
    EXPECT_FALSE(IrqPending);
    RegisterFile[INTCON] = GIE | RBIE | RBIF;
    InterruptCheck();
    EXPECT_TRUE(IrqPending);
}

TEST_F(CoreTest, T0ifComesBackWhileTmr0StaysZeroAfterAWrap) {
    Tmr0Overflowed = true;
    RegisterFile[TMR0] = 0;
    InterruptCheck();
    EXPECT_EQ(Reg(INTCON) & T0IF, T0IF);
    RegisterFile[INTCON] = 0;
    InterruptCheck();
    EXPECT_EQ(Reg(INTCON) & T0IF, T0IF);
}

// A restart begins with the timer's bookkeeping afresh: an overflow of the
// run before raises nothing in the next one.
TEST_F(CoreTest, OverflowDoesNotSurviveARestart) {
    Tmr0Overflowed = true;
    ResetForRun();
    Load({0x0000});
    Step();
    EXPECT_EQ(Reg(INTCON) & T0IF, 0);
}
}  // namespace
