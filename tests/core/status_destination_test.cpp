// When STATUS itself is the destination, the order of the two writes decides
// what remains: the result, or the result with Z patched in afterwards.
#include "core_test_support.h"

namespace {
TEST_F(CoreTest, ResultWrittenLastReplacesTheFlags) {
    RegisterFile[STATUS] = 0x18;
    W = 0xE8;  // 0x18 + 0xE8 = 0x100: C, DC and Z would all be set
    m_cpu.ADDWF(STATUS, 1);
    EXPECT_EQ(Status(), 0x00);
}

TEST_F(CoreTest, ZeroWrittenLastIsPatchedIntoTheResult) {
    RegisterFile[STATUS] = 0x1C;  // Z set
    W = 0x00;
    m_cpu.IORWF(STATUS, 1);  // result 0x1C is not zero: Z cleared afterwards
    EXPECT_EQ(Status(), 0x18);

    RegisterFile[STATUS] = 0x01;
    m_cpu.DECF(STATUS, 1);  // result 0x00, then Z set
    EXPECT_EQ(Status(), 0x04);

    RegisterFile[STATUS] = 0x1B;
    m_cpu.CLRF(STATUS);
    EXPECT_EQ(Status(), 0x04);
}

TEST_F(CoreTest, RotateOfStatusUsesTheOldCarryAndKeepsTheResult) {
    RegisterFile[STATUS] = 0x19;  // C set
    m_cpu.RLF(STATUS, 1);         // 0x19 << 1 | 1 = 0x33; the new C (0) is overwritten
    EXPECT_EQ(Status(), 0x33);
}

TEST_F(CoreTest, WritingStatusBit5DoesNotSwitchTheBank) {
    Load({0x3020,    // MOVLW 0x20
          0x0083,    // MOVWF STATUS
          0x30AA,    // MOVLW 0xAA
          0x0086});  // MOVWF PORTB
    Step(4);
    EXPECT_EQ(BankOffset, 0);
    EXPECT_EQ(Reg(PORTB), 0xAA);
    EXPECT_EQ(Reg(TRISB), 0xFF);
}

TEST_F(CoreTest, InBank1OnlyTheFlagsOfAStatusWriteRemain) {
    Load({0x1683,    // BSF STATUS,5
          0x30FF,    // MOVLW 0xFF
          0x0783});  // ADDWF STATUS,1 -> 0x83, flags -> 0x03
    Step(2);
    ASSERT_EQ(BankOffset, 0x80);
    const uint8_t status = Status();
    Step();
    // 0xFF + 0x38 carries out; the sum went to 0x83 and was then replaced.
    EXPECT_EQ(Status(), status | 0x03);
    EXPECT_EQ(Reg(STATUS_BANK1), Status());
}
}  // namespace
