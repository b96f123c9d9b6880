// Bank selection by BankOffset only, indirection through the current bank's
// FSR, and file indices folded back into the register file.
#include "core_test_support.h"

namespace {
constexpr uint8_t kRp0 = 0x20;

TEST_F(CoreTest, BankSwitchRedirectsFileAddresses) {
    Load({0x30A5,    // MOVLW 0xA5
          0x1683,    // BSF STATUS,5
          0x0086,    // MOVWF 6 -> TRISB
          0x1283,    // BCF STATUS,5
          0x0086});  // MOVWF 6 -> PORTB
    Step(3);
    EXPECT_EQ(Reg(TRISB), 0xA5);
    EXPECT_EQ(Reg(PORTB), 0x00);
    EXPECT_EQ(Reg(STATUS) & kRp0, kRp0);
    EXPECT_EQ(Reg(STATUS_BANK1) & kRp0, kRp0);
    Step(2);
    EXPECT_EQ(Reg(PORTB), 0xA5);
    EXPECT_EQ(BankOffset, 0);
    EXPECT_EQ(Reg(STATUS) & kRp0, 0);
    EXPECT_EQ(Reg(STATUS_BANK1) & kRp0, 0);
}

TEST_F(CoreTest, BitOperationThroughIndfSwitchesTheBank) {
    RegisterFile[FSR] = STATUS;
    m_cpu.BSF(INDF, 5);
    EXPECT_EQ(BankOffset, 0x80);
    EXPECT_EQ(Reg(STATUS) & kRp0, kRp0);
    EXPECT_EQ(Reg(STATUS_BANK1) & kRp0, kRp0);
    m_cpu.BCF(STATUS, 5);
    EXPECT_EQ(BankOffset, 0);
}

TEST_F(CoreTest, IndirectionUsesTheCurrentBanksFsr) {
    W = 0x3C;
    RegisterFile[FSR] = 0x0C;
    m_cpu.MOVWF(INDF);
    EXPECT_EQ(Reg(0x0C), 0x3C);

    RegisterFile[FSR] = 0x85;  // reaches TRISA from bank 0
    m_cpu.MOVWF(INDF);
    EXPECT_EQ(Reg(TRISA), 0x3C);

    // 0x84 is a separate byte: bank 1 does not see the bank-0 FSR.
    m_cpu.BSF(STATUS, 5);
    RegisterFile[0x84] = 0x0D;
    m_cpu.INCF(INDF, 1);
    EXPECT_EQ(Reg(0x0D), 1);  // 0x80 + 0x0D folds back to 0x0D
}

TEST_F(CoreTest, FsrZeroAddressesThePlainByteAtTheBankStart) {
    W = 0x11;
    RegisterFile[FSR] = 0;
    m_cpu.MOVWF(INDF);
    EXPECT_EQ(Reg(0x00), 0x11);
    m_cpu.BSF(STATUS, 5);
    RegisterFile[0x84] = 0;
    W = 0x22;
    m_cpu.MOVWF(INDF);
    EXPECT_EQ(Reg(0x80), 0x22);
    EXPECT_EQ(Reg(0x00), 0x11);
}

struct FoldCase {
    int bankOffset;
    uint8_t fsr;  // used when f is 0
    uint8_t f;
    int expectedIndex;
};

void PrintTo(const FoldCase& c, std::ostream* os) {
    *os << "bank offset " << c.bankOffset << ", FSR " << int(c.fsr) << ", f " << int(c.f);
}

class IndexFolding : public CoreTest, public testing::WithParamInterface<FoldCase> {};

TEST_P(IndexFolding, WritesStayInsideTheRegisterFile) {
    const FoldCase& c = GetParam();
    BankOffset = c.bankOffset;
    RegisterFile[c.bankOffset + FSR] = c.fsr;
    core::SChipState expected = core::Chip;
    W = 0x5A;
    expected.w = 0x5A;
    expected.registerFile[c.expectedIndex] = 0x5A;
    m_cpu.MOVWF(c.f);
    EXPECT_TRUE(core::Chip == expected);
    W = 0;
    m_cpu.MOVF(c.f, 0);
    EXPECT_EQ(W, 0x5A);
}

INSTANTIATE_TEST_SUITE_P(Indices, IndexFolding,
                         testing::Values(FoldCase{0x80, 0, 0x0C, 0x0C},    // 0x8C
                                         FoldCase{0x80, 0, 0x7F, 0x7F},    // 0xFF
                                         FoldCase{0x80, 0, 0x0B, 0x8B},    // last register
                                         FoldCase{0x00, 0x8C, 0, 0x0C},    // FSR 0x8C
                                         FoldCase{0x00, 0xFF, 0, 0x7F},    // FSR 0xFF
                                         FoldCase{0x80, 0xFF, 0, 0x7F},    // 0x17F
                                         FoldCase{0x80, 0x85, 0, 0x85},    // 0x105
                                         FoldCase{0x80, 0x8B, 0, 0x8B}));  // 0x10B
}  // namespace
