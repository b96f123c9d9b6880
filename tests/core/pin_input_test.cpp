// Pin clicks: the direction rule, and the way a click reaches the machine
// only between two instructions once a worker owns it.
#include "core/pin_input.h"

#include "core/platform/auto_reset_event.h"
#include "core_test_support.h"

namespace {
class PinInputTest : public CoreTest {
protected:
    void TearDown() override { core::SetPinClickWorker(nullptr); }
    core::CAutoResetEvent m_worker;
};

TEST_F(PinInputTest, WithoutAWorkerAClickLandsAtOnce) {
    EXPECT_TRUE(core::ClickPin(PORTB, 0x80));
    EXPECT_EQ(Reg(PORTB), 0x80);
    EXPECT_TRUE(core::ClickPin(PORTB, 0x80));
    EXPECT_TRUE(core::ClickPin(PORTA, 0x10));
    EXPECT_EQ(Reg(PORTB), 0x00);
    EXPECT_EQ(Reg(PORTA), 0x10);
    EXPECT_FALSE(core::ApplyPinClicks());
}

TEST_F(PinInputTest, AnOutputPinRefusesWithTheMessage) {
    RegisterFile[TRISB] = 0x7F;
    RegisterFile[TRISA] = 0x00;
    EXPECT_FALSE(core::ClickPin(PORTB, 0x80));
    EXPECT_FALSE(core::ClickPin(PORTA, 0x01));
    EXPECT_TRUE(core::ClickPin(PORTB, 0x40));
    EXPECT_EQ(Reg(PORTB), 0x40);
    EXPECT_EQ(Reg(PORTA), 0x00);
    EXPECT_EQ(m_messages.Messages(), std::vector<std::string>(2, "Port je setovan kao izlazni"));
}

TEST_F(PinInputTest, WithAWorkerTheClickWaitsForTheNextPassAndNudgesTheWorker) {
    Load({0x0000});
    RegisterFile[INTCON] = 0x90;  // GIE, INTE; OPTION 0xFF: rising edge of RB0
    core::SetPinClickWorker(&m_worker);
    EXPECT_TRUE(core::ClickPin(PORTB, 0x01));
    EXPECT_EQ(Reg(PORTB), 0x00) << "the click must wait for the worker";
    EXPECT_EQ(m_worker.WaitOrWake(0), core::CAutoResetEvent::EWait::Woken);
    EXPECT_FALSE(m_worker.Wait(0)) << "a nudge is not a command";

    Step();  // the pass applies the click first, so this instruction sees the edge
    EXPECT_EQ(Reg(PORTB), 0x01);
    EXPECT_TRUE(IrqPending);
}

TEST_F(PinInputTest, QueuedClicksLandInOrderAndOnlyOnInputs) {
    core::SetPinClickWorker(&m_worker);
    core::ClickPin(PORTB, 0x02);
    core::ClickPin(PORTB, 0x02);
    core::ClickPin(PORTB, 0x04);
    core::ClickPin(PORTB, 0x08);
    RegisterFile[TRISB] = 0xF7;  // the program turned RB3 into an output meanwhile
    EXPECT_TRUE(core::ApplyPinClicks());
    EXPECT_EQ(Reg(PORTB), 0x04);
    EXPECT_FALSE(core::ApplyPinClicks());
}

TEST_F(PinInputTest, ClicksLeftWhenTheWorkerGoesLandAtOnce) {
    core::SetPinClickWorker(&m_worker);
    core::ClickPin(PORTA, 0x01);
    EXPECT_EQ(Reg(PORTA), 0x00);
    core::SetPinClickWorker(nullptr);
    EXPECT_EQ(Reg(PORTA), 0x01);
}
}  // namespace
