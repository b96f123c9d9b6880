// The data-sheet profile against the PIC16C84 data sheet: expected values
// are the data sheet's (reset values, cycle counts, the 18 ms watchdog at
// 4 MHz = 18000 cycles, the 10 ms EEPROM write = 10000 cycles).
#include "core/chip_executor.h"
#include "core/real_time_pacer.h"
#include "core_test_support.h"

namespace {
constexpr uint16_t kMovlw = 0x3000, kMovwf = 0x0080, kGotoTo = 0x2800, kCall = 0x2000;
constexpr uint16_t kSleep = 0x0063, kClrwdt = 0x0064, kOption = 0x0062, kNop = 0x0000;
constexpr int kRa4 = 4, kRb0 = 5, kRb4 = 9;

uint16_t Bsf(int f, int b) {
    return static_cast<uint16_t>(0x1400 | (b << 7) | f);
}
uint16_t Bcf(int f, int b) {
    return static_cast<uint16_t>(0x1000 | (b << 7) | f);
}

class DatasheetTest : public CoreTest {
protected:
    void SetUp() override {
        core::ChipProfile = core::EChipProfile::Datasheet;
        core::OscillatorHz = 4e6;
        CoreTest::SetUp();
    }
    void TearDown() override {
        core::ChipProfile = core::EChipProfile::Classic;
        ResetForRun();
    }

    // The words from word 0 on; the rest of program memory is erased.
    void Run(std::initializer_list<uint16_t> words, int config = core::kNoConfigWord) {
        ResetForLoad();
        int at = 0;
        for (uint16_t word : words) PutWord(at++, word);
        ProgramEnd = 4 * at;
        core::ProgramConfigWord = config;
        ResetForRun();
    }
    void StepUntilCycle(uint64_t cycle) {
        while (core::CycleCount < cycle) Step();
    }
};

TEST_F(DatasheetTest, PowerOnResetValues) {
    Run({kNop});
    EXPECT_EQ(PC, 0);
    const std::pair<int, int> expected[] = {{STATUS, 0x18},     {PCLATH, 0},   {INTCON, 0},
                                            {OPTION_REG, 0xFF}, {TRISA, 0x1F}, {TRISB, 0xFF},
                                            {EECON1, 0}};
    for (const auto& [index, value] : expected) EXPECT_EQ(Reg(index), value) << index;
}

TEST_F(DatasheetTest, ProgramCounter) {
    // A RETLW table through PCL: the offset adds to the address after ADDWF.
    Run({kMovlw | 2, kCall | 4, kGotoTo | 3, kNop, 0x0782, 0x343F, 0x3406, 0x345B});
    Step(4);
    EXPECT_EQ(W, 0x5B);
    EXPECT_EQ(PC, 2);                             // back after the CALL
    EXPECT_EQ(core::CycleCount, 1u + 2 + 2 + 2);  // MOVLW, CALL, ADDWF PCL, RETLW

    // PCLATH<4:0> become the upper bits of a PCL write.
    Run({kMovlw | 1, kMovwf | PCLATH, kMovlw | 5, kMovwf | PCL});
    Step(4);
    EXPECT_EQ(PC, 0x105);

    // Past word 1023 comes word 0; erased words are ADDLW 0xFF.
    Run({kGotoTo | 0x7FF});
    Step(2);
    EXPECT_EQ(PC, 0);
    EXPECT_EQ(W, 0xFF);
    EXPECT_EQ(Status() & 0x07, 0);  // 0 + 0xFF: no carry, no digit carry, not zero
}

TEST_F(DatasheetTest, StackIsARingWithoutMessages) {
    CReturnStack stack;
    for (int address = 1; address <= 9; ++address) stack.PushQuietly(address);
    const int expected[] = {9, 8, 7, 6, 5, 4, 3, 2, 9};
    for (int address : expected) EXPECT_EQ(stack.PopQuietly(), address);
    EXPECT_TRUE(m_messages.Messages().empty());
}

TEST_F(DatasheetTest, RegisterMap) {
    Run({kMovlw | 0xFF, kMovwf | 0x07, kMovwf | 0x30, kMovwf | PCLATH, kMovwf | EEDATA, kMovlw | 0,
         kMovwf | STATUS, 0x0183 /* CLRF STATUS */, kMovlw | 0x8C, kMovwf | FSR, kMovlw | 0x77,
         kMovwf | INDF, Bsf(STATUS, 5), kMovwf | 0x0D, 0x0808 /* MOVF EECON1 */});
    Step(15);
    EXPECT_EQ(Reg(0x07), 0);
    EXPECT_EQ(Reg(0x30), 0);
    EXPECT_EQ(Reg(PCLATH), 0x1F);
    EXPECT_EQ(Reg(EEDATA), 0xFF);
    EXPECT_EQ(Reg(0x0C), 0x77);  // FSR bit 7 chose bank 1, whose 0x8C is 0x0C
    EXPECT_EQ(Reg(0x0D), 0x77);  // 0x8D in bank 1 reaches 0x0D
    EXPECT_EQ(BankOffset, 0x80);
    // CLRF STATUS leaves 000u u1uu: TO and PD are the chip's, Z is set.
    EXPECT_EQ(Status() & 0xDF, 0x1C);
    EXPECT_EQ(W, 0);  // EECON1 after reset, read in bank 1
}

TEST_F(DatasheetTest, PortsLatchesAndPins) {
    // TRIS 5 and 6 from W; RA4 pulls only low; the rest of the latch shows.
    Run({kMovlw | 0, 0x0065, 0x0066, kMovlw | 0x1F, kMovwf | PORTA, kMovlw | 0xA5, kMovwf | PORTB});
    Step(7);
    EXPECT_EQ(Reg(PORTA), 0x0F);
    EXPECT_EQ(Reg(PORTB), 0xA5);
    core::DrivePin(kRa4, true);  // the board's pull-up
    EXPECT_EQ(Reg(PORTA), 0x1F);

    // A read-modify-write reads the pins: RA4 held low outside loses its 1.
    Run({kMovlw | 0, 0x0065, kMovlw | 0x10, kMovwf | PORTA, Bsf(PORTA, 0)});
    Step(4);
    core::DrivePin(kRa4, false);
    Step();
    core::DrivePin(kRa4, true);
    EXPECT_EQ(core::Chip.datasheet.latchA, 0x01);
    EXPECT_EQ(Reg(PORTA), 0x01);

    // Port B's inputs float at 0 without pull-ups and sit at 1 with them.
    Run({kMovlw | 0x7F, kOption});
    EXPECT_EQ(Reg(PORTB), 0x00);
    Step(2);
    EXPECT_EQ(Reg(PORTB), 0xFF);
    core::DrivePin(kRb0, false);
    EXPECT_EQ(Reg(PORTB), 0xFE);
}

TEST_F(DatasheetTest, PortBChangeAndRb0Edge) {
    constexpr uint8_t kRbif = 0x01, kIntf = 0x02;
    // The mismatch with the last read sets RBIF again after a clear; a read ends it.
    Run({0x0806 /* MOVF PORTB,w */, kNop, Bcf(INTCON, 0), Bcf(INTCON, 0), 0x0806, Bcf(INTCON, 0),
         kNop});
    Step(2);
    EXPECT_EQ(Reg(INTCON) & kRbif, 0);
    core::DrivePin(kRb4, true);
    Step();
    EXPECT_NE(Reg(INTCON) & kRbif, 0);
    Step();
    EXPECT_NE(Reg(INTCON) & kRbif, 0);
    Step(3);
    EXPECT_EQ(Reg(INTCON) & kRbif, 0);

    // Outputs never set RBIF; RB0 rises with INTEDG = 1.
    Run({kMovlw | 0x0F, 0x0066, kMovlw | 0xF0, kMovwf | PORTB, kNop});
    Step(5);
    EXPECT_EQ(Reg(INTCON) & kRbif, 0);
    core::DrivePin(kRb0, true);
    Step();
    EXPECT_NE(Reg(INTCON) & kIntf, 0);
}

TEST_F(DatasheetTest, Timer0WithoutPrescaler) {
    // PSA = 1 gives the prescaler to the watchdog: TMR0 counts every cycle
    // even with PS = 111 (the classic profile would divide by 128).
    Run({kMovlw | 0x0F, kOption, kNop, kNop, kNop, kNop, kNop, kNop, kNop, kNop, kNop, kNop});
    Step(2);
    const int before = Reg(TMR0);
    Step(10);
    EXPECT_EQ(Reg(TMR0) - before, 10);
}

TEST_F(DatasheetTest, SleepAndWakeOnRb0) {
    Run({kMovlw | 0x10, kMovwf | INTCON, kSleep, kMovlw | 0x42, kGotoTo | 4});
    Step(3);
    EXPECT_TRUE(Asleep);
    EXPECT_EQ(Status() & 0x18, 0x10);  // TO = 1, PD = 0
    Step(5);
    EXPECT_EQ(PC, 3);
    EXPECT_EQ(W, 0x10);
    core::DrivePin(kRb0, true);
    Step();
    EXPECT_FALSE(Asleep);
    Step();
    EXPECT_EQ(W, 0x42);  // the instruction after SLEEP, no vector (GIE = 0)
}

TEST_F(DatasheetTest, Watchdog) {
    constexpr int kWdtOn = 0x3FFF;
    // With the prescaler at 1:1 the time-out comes 18000 cycles after CLRWDT
    // and resets: PC 0, TO = 0, PD = 1.
    Run({kMovlw | 0x08, kOption, kClrwdt, kGotoTo | 3}, kWdtOn);
    Step(3);
    const uint64_t cleared = core::CycleCount;
    while ((Status() & 0x10) != 0 && core::CycleCount < 40000) Step();
    EXPECT_GE(core::CycleCount, cleared + 18000);
    EXPECT_LE(core::CycleCount, cleared + 18002);
    EXPECT_EQ(PC, 0);
    EXPECT_EQ(Status() & 0x18, 0x08);

    // Asleep, the time-out wakes: TO = 0, PD = 0, after SLEEP.
    Run({kMovlw | 0x08, kOption, kSleep, kMovlw | 0x42, kGotoTo | 4}, kWdtOn);
    Step(3);
    StepUntilCycle(3 + 18000 + 2);
    EXPECT_FALSE(Asleep);
    EXPECT_EQ(Status() & 0x18, 0x00);
    Step(2);
    EXPECT_EQ(W, 0x42);

    // Without a configuration word the watchdog stays off.
    Run({kMovlw | 0x08, kOption, kGotoTo | 2});
    StepUntilCycle(40000);
    EXPECT_NE(Status() & 0x10, 0);
}

TEST_F(DatasheetTest, Eeprom) {
    const std::initializer_list<uint16_t> write = {kMovlw | 3,      kMovwf | EEADR, kMovlw | 0x41,
                                                   kMovwf | EEDATA, Bsf(STATUS, 5), Bsf(8, 2),
                                                   kMovlw | 0x55,   kMovwf | 0x09,  kMovlw | 0xAA,
                                                   kMovwf | 0x09,   Bsf(8, 1),      kGotoTo | 11};
    Run(write);
    Step(11);
    const uint64_t started = core::CycleCount;
    EXPECT_NE(Reg(EECON1) & 0x02, 0);  // WR
    StepUntilCycle(started + 9990);
    EXPECT_EQ(core::Chip.datasheet.eeprom[3], 0xFF);
    StepUntilCycle(started + 10002);
    EXPECT_EQ(core::Chip.datasheet.eeprom[3], 0x41);
    EXPECT_EQ(Reg(EECON1) & 0x12, 0x10);  // WR cleared, EEIF set

    // Without the unlock sequence WR does not start a write.
    Run({kMovlw | 3, kMovwf | EEADR, Bsf(STATUS, 5), Bsf(8, 2), Bsf(8, 1), kGotoTo | 5});
    Step(5);
    EXPECT_EQ(Reg(EECON1) & 0x02, 0);

    // RD delivers the byte to EEDATA; the contents survived the resets.
    Run({kMovlw | 3, kMovwf | EEADR, Bsf(STATUS, 5), Bsf(8, 0), Bcf(STATUS, 5),
         0x0808 /* MOVF EEDATA,w */});
    core::Chip.datasheet.eeprom[3] = 0x5A;
    Step(6);
    EXPECT_EQ(W, 0x5A);

    // A reset during a write sets WRERR and abandons the write.
    Run(write);
    Step(11);
    core::OnChip(
        [](core::CChipExecutor& chip) { chip.ResetChip(core::CChipExecutor::EReset::Mclr); });
    EXPECT_EQ(Reg(EECON1) & 0x0A, 0x08);
    EXPECT_EQ(PC, 0);
}
}  // namespace
