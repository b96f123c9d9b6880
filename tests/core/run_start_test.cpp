// Every run of a program starts from bookkeeping that depends on nothing that
// ran before: a new load after a program that left RB4 high raises no port
// change, and a restart counts exactly as the first run did.
#include "core_test_support.h"

namespace {
constexpr uint8_t kPortBChangeFlag = 0x01;  // RBIF

TEST_F(CoreTest, ANewLoadInheritsNoPortChange) {
    Load({0x3010, 0x0086});  // MOVLW 0x10, MOVWF PORTB: RB4 high
    Step(3);
    ResetForLoad();
    ProgramEnd = core::kProgramImageSize;
    Load({});  // never touches port B
    Step(2);
    EXPECT_EQ(Reg(INTCON) & kPortBChangeFlag, 0);
}

TEST_F(CoreTest, ARestartCountsAsTheFirstRun) {
    // Timer mode with a prescaler of 1:4, stopped between two increments.
    Load({0x1683, 0x3001, 0x0081, 0x1283});
    uint8_t tmr0[2] = {};
    for (uint8_t& counted : tmr0) {
        ResetForRun();
        Step(13);
        counted = Reg(TMR0);
    }
    EXPECT_EQ(tmr0[0], tmr0[1]);
}
}  // namespace
