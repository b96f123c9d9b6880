// Values the user writes into W and the registers: the chip's rules for the
// special registers, the way an edit waits for the next pass like a click,
// and its event.
#include "core/user_input.h"

#include "core/event_log.h"
#include "core/pin_input.h"
#include "core/platform/auto_reset_event.h"
#include "core_test_support.h"

namespace {
class UserInputTest : public CoreTest {
protected:
    void TearDown() override { core::SetPinClickWorker(nullptr); }
    static bool Edit(int address, uint8_t value) {
        return core::EditValue(
            {core::SUserInput::EKind::Register, static_cast<uint8_t>(address), value});
    }
    static bool EditW(uint8_t value) {
        return core::EditValue({core::SUserInput::EKind::W, 0, value});
    }
    core::CAutoResetEvent m_worker;
};

TEST_F(UserInputTest, SpecialRegistersFollowTheChip) {
    Load({0x0086, 0x0086});  // MOVWF 6 twice: PORTB in bank 0, TRISB in bank 1
    EXPECT_TRUE(EditW(0x5A));
    EXPECT_TRUE(Edit(STATUS, 0x20));  // RP0
    EXPECT_EQ(Reg(STATUS_BANK1), 0x20);
    Step();
    EXPECT_EQ(Reg(TRISB), 0x5A);
    EXPECT_EQ(Reg(PORTB), 0x00);

    EXPECT_TRUE(Edit(STATUS_BANK1, 0x01));  // the mirror is STATUS itself
    EXPECT_EQ(Reg(STATUS), 0x01);
    EXPECT_TRUE(EditW(0x33));
    Step();
    EXPECT_EQ(Reg(PORTB), 0x33);
    EXPECT_EQ(Reg(TRISB), 0x5A);

    EXPECT_TRUE(Edit(INTCON_BANK1, 0x90));
    EXPECT_EQ(Reg(INTCON), 0x90);
    EXPECT_EQ(Reg(INTCON_BANK1), 0x90);
    EXPECT_TRUE(Edit(0x20, 0x11));
    EXPECT_EQ(Reg(0x20), 0x11);
}

TEST_F(UserInputTest, TimerHoldsForTwoCyclesAfterAnEditAsAfterAWrite) {
    Load({0x0000, 0x0000, 0x0000, 0x0000});
    RegisterFile[OPTION_REG] = 0x08;  // timer mode, one count per cycle
    EXPECT_TRUE(Edit(TMR0, 0x40));
    Step(2);
    EXPECT_EQ(Reg(TMR0), 0x40);
    Step();
    EXPECT_EQ(Reg(TMR0), 0x41);
}

TEST_F(UserInputTest, IndfPclAndAddressesBeyondTheFileAreRefused) {
    for (int address : {int(INDF), 0x80, int(PCL), int(PCL_BANK1), core::kRegisterFileSize, -1}) {
        EXPECT_NE(core::RegisterEditRefusal(address), nullptr) << address;
    }
    RegisterFile[FSR] = 0x20;
    const core::SChipState before = core::Chip;
    EXPECT_FALSE(Edit(INDF, 7));
    EXPECT_FALSE(Edit(PCL, 7));
    EXPECT_TRUE(core::Chip == before);
    EXPECT_EQ(core::RegisterEditRefusal(FSR), nullptr);
    EXPECT_EQ(core::RegisterEditRefusal(core::kRegisterFileSize - 1), nullptr);
}

TEST_F(UserInputTest, WithAWorkerAnEditWaitsForTheNextPassInOrderWithClicks) {
    Load({0x0000, 0x0000});
    const uint64_t from = core::EventLog.LastSerial();
    core::SetPinClickWorker(&m_worker);
    EXPECT_TRUE(Edit(PORTB, 0x0F));
    core::ClickPin(PORTB, 0x01);
    EXPECT_TRUE(EditW(3));
    EXPECT_EQ(Reg(PORTB), 0x00) << "the edit must wait for the worker";
    EXPECT_EQ(W, 0);
    EXPECT_EQ(m_worker.WaitOrWake(0), core::CAutoResetEvent::EWait::Woken);
    Step();
    EXPECT_EQ(Reg(PORTB), 0x0E);
    EXPECT_EQ(W, 3);

    std::vector<core::SEvent> inputs;
    for (const core::SEvent& event : core::EventLog.Since(from)) {
        if (core::IsUserInput(event.kind)) inputs.push_back(event);
    }
    ASSERT_EQ(inputs.size(), 3u);
    EXPECT_EQ(inputs[0].kind, core::EEventKind::Edit);
    EXPECT_EQ(inputs[0].text, "0x06");
    EXPECT_EQ(inputs[0].value, 0x0F);
    EXPECT_EQ(inputs[1].kind, core::EEventKind::Pin);
    EXPECT_EQ(inputs[2].text, "W");
    EXPECT_EQ(inputs[2].pass, 0u);
}
}  // namespace
