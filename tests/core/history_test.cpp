// Going back: random programs with random pin clicks and edited values (on
// the data-sheet chip also EEPROM bytes and MCLR resets), run N passes, go back K and forward K
// again; every state on the way must be the one the run had.
#include "core/history.h"

#include <random>

#include "core/event_log.h"
#include "core/pin_input.h"
#include "core_test_support.h"

namespace {
// A random word that decodes to something and never jumps out of the image.
uint16_t RandomWord(std::mt19937& random) {
    const uint16_t word = std::uniform_int_distribution<int>(0, 0x3FFF)(random);
    if ((word >> 12) == 2) return word & 0x2BFF;  // GOTO and CALL below word 1024
    return word;
}

class HistoryTest : public CoreTest {
protected:
    void LoadRandomProgram(unsigned seed) {
        m_random.seed(seed);
        for (int address = 0; address < 1023; ++address) PutWord(address, RandomWord(m_random));
        PutWord(1023, 0x2805);  // GOTO 5
        core::ChipProfile = m_profile;
        ResetForRun();
        core::ChipProfile = core::EChipProfile::Classic;
        // Timer mode with the timer's interrupt on, so interrupts come often.
        RegisterFile[OPTION_REG] = 0x08;
        RegisterFile[INTCON] = 0xA0;
        core::History.Start();
    }

    // Runs n passes with a click or an edit now and then; keeps every state
    // before the inputs of its pass, as the history defines it.
    void RunRecording(int n) {
        for (int pass = 0; pass < n; ++pass) {
            m_states.push_back(core::Chip);
            const int dice = std::uniform_int_distribution<int>(0, 80)(m_random);
            if (dice < 2) Click();
            if (dice == 2) Edit();
            if (dice == 3)
                core::EditValue({core::SUserInput::EKind::Eeprom, uint8_t(m_random() % 64),
                                 uint8_t(m_random())});
            if (dice == 4 && m_random() % 8 == 0) core::PressMclr();
            Step();
        }
        m_states.push_back(core::Chip);
    }

    // W or any register the user may write, STATUS and TMR0 included.
    void Edit() {
        const int target =
            std::uniform_int_distribution<int>(-1, core::kRegisterFileSize - 1)(m_random);
        const auto value =
            static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 255)(m_random));
        if (target < 0) {
            core::EditValue({core::SUserInput::EKind::W, 0, value});
        } else if (!core::RegisterEditRefusal(target)) {
            core::EditValue(
                {core::SUserInput::EKind::Register, static_cast<uint8_t>(target), value});
        }
    }

    void Click() {
        const bool portB = std::uniform_int_distribution<int>(0, 12)(m_random) < 8;
        const int bit = std::uniform_int_distribution<int>(0, portB ? 7 : 4)(m_random);
        core::ClickPin(portB ? PORTB : PORTA, static_cast<uint8_t>(1u << bit));
    }

    std::mt19937 m_random;
    std::vector<core::SChipState> m_states;
    core::EChipProfile m_profile = core::EChipProfile::Classic;
};

TEST_F(HistoryTest, BackAndForwardAgainGiveTheRecordedStatesBitForBit) {
    constexpr int kPasses = 20000;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        m_states.clear();
        // The last two on the data-sheet chip.
        m_profile = seed > 4 ? core::EChipProfile::Datasheet : core::EChipProfile::Classic;
        LoadRandomProgram(seed);
        RunRecording(kPasses);
        for (int back : {1, 2, 4095, 4096, 4097, 9000, kPasses}) {
            core::History.GoTo(kPasses - back, m_cpu);
            ASSERT_EQ(InstructionCount, static_cast<uint64_t>(kPasses - back));
            ASSERT_TRUE(core::Chip == m_states[kPasses - back])
                << "seed " << seed << " back " << back;
            for (int forward = 1; forward <= std::min(back, 300); ++forward) {
                Step();
                ASSERT_TRUE(core::Chip == m_states[kPasses - back + forward])
                    << "seed " << seed << " back " << back << " forward " << forward;
            }
            core::History.GoTo(kPasses, m_cpu);
            ASSERT_TRUE(core::Chip == m_states[kPasses]) << "seed " << seed << " back " << back;
        }
    }
}

TEST_F(HistoryTest, ANewClickInThePastReplacesTheFuture) {
    LoadRandomProgram(7);
    RunRecording(6000);
    core::History.GoTo(5000, m_cpu);
    EXPECT_TRUE(core::History.InPast());
    RegisterFile[TRISB] = 0xFF;
    core::ClickPin(PORTB, 0x10);
    EXPECT_FALSE(core::History.InPast());
    EXPECT_EQ(core::History.Latest(), 5000u);

    const core::SChipState clicked = core::Chip;
    Step(700);
    const core::SChipState ahead = core::Chip;
    core::History.GoTo(4990, m_cpu);
    EXPECT_TRUE(core::Chip == m_states[4990]) << "the past before the click stays";
    core::History.GoTo(5700, m_cpu);
    EXPECT_TRUE(core::Chip == ahead) << "the new future repeats the new click";
    core::History.GoTo(5000, m_cpu);
    EXPECT_FALSE(core::Chip == clicked) << "the state at a pass comes before its clicks";
    Step();
    core::History.GoTo(5000, m_cpu);
    Step(700);
    EXPECT_TRUE(core::Chip == ahead);
}

TEST_F(HistoryTest, AnEditInThePastStartsANewFutureThatReplaysIt) {
    Load({0x0A8C, 0x2805});  // INCF 0x0C; GOTO 5
    core::History.Start();
    Step(100);
    core::History.GoTo(40, m_cpu);
    core::EditValue({core::SUserInput::EKind::Register, 0x0C, 0xF0});
    EXPECT_FALSE(core::History.InPast());
    EXPECT_EQ(core::History.Latest(), 40u) << "the old future is gone";
    Step(20);
    const uint8_t ahead = Reg(0x0C);
    EXPECT_EQ(ahead, 0xF0 + 10);  // one INCF every two passes
    core::History.GoTo(39, m_cpu);
    EXPECT_EQ(Reg(0x0C), 20) << "before the edit";
    core::History.GoTo(60, m_cpu);
    EXPECT_EQ(Reg(0x0C), ahead) << "forward again repeats the edit";
    core::History.GoTo(39, m_cpu);
    Step(21);
    EXPECT_EQ(Reg(0x0C), ahead) << "stepping over it repeats it as well";
}

TEST_F(HistoryTest, GoingBackShowsNoMessageAndRecordsNoEventTwice) {
    Load({0x0008});  // RETURN with an empty stack, then NOPs from word 0
    core::History.Start();
    Step(40);
    const size_t shown = m_messages.Messages().size();
    const uint64_t lastEvent = core::EventLog.LastSerial();
    core::History.GoTo(3, m_cpu);
    Step(30);
    core::History.GoTo(39, m_cpu);
    EXPECT_EQ(m_messages.Messages().size(), shown);
    EXPECT_EQ(core::EventLog.LastSerial(), lastEvent);
    Step(6);  // beyond the furthest point the run had reached: one more RETURN
    EXPECT_EQ(m_messages.Messages().size(), shown + 1);
    EXPECT_GT(core::EventLog.LastSerial(), lastEvent);
}

TEST_F(HistoryTest, InputsMadeAtTheLatestPassSurviveGoingBackAndForth) {
    Load({0x0A8C, 0x2805});  // INCF 0x0C; GOTO 5
    RegisterFile[TRISB] = 0xFF;
    core::History.Start();
    Step(100);
    core::ClickPin(PORTB, 0x01);
    core::EditValue({core::SUserInput::EKind::W, 0, 0x5A});
    const core::SChipState present = core::Chip;
    core::History.GoTo(99, m_cpu);
    Step();
    EXPECT_TRUE(core::Chip == present) << "stepping into the present";
    core::History.GoTo(10, m_cpu);
    core::History.GoTo(100, m_cpu);
    EXPECT_TRUE(core::Chip == present) << "going to the present";
    Step();
    const core::SChipState next = core::Chip;
    core::History.GoTo(99, m_cpu);
    Step(2);
    EXPECT_TRUE(core::Chip == next) << "stepping through the pass of the inputs";
}

// What GoTo shows a watcher: the state after the inputs of a pass, then
// after the pass, as a run with those inputs saw them.
TEST_F(HistoryTest, AWatcherSeesTheInputsBeforeTheirPass) {
    struct CLevels : core::CReplayWatcher {
        void Seen() override {
            levels.emplace_back(core::CycleCount.load(), RegisterFile[PORTB] & 1);
        }
        std::vector<std::pair<uint64_t, int>> levels;
    } watcher;
    Load({0x0A8C, 0x2805});  // INCF 0x0C; GOTO 5
    RegisterFile[TRISB] = 0xFF;
    core::History.Start();
    Step(3);
    core::ClickPin(PORTB, 0x01);
    Step(2);
    core::History.GoTo(0, m_cpu);
    for (uint64_t pass = 1; pass <= 5; ++pass) core::History.GoTo(pass, m_cpu, &watcher);
    const std::vector<std::pair<uint64_t, int>> expected = {{1, 0}, {3, 0}, {4, 0},
                                                            {4, 1}, {6, 1}, {7, 1}};
    EXPECT_EQ(watcher.levels, expected);
}

TEST_F(HistoryTest, ANewProgramStartsANewHistoryAtTheNextPass) {
    Load({0x0A8C, 0x2805});  // INCF 0x0C; GOTO 5
    core::History.Start();
    Step(100);
    core::History.RequestNewHistory();
    Step(10);
    EXPECT_EQ(core::History.Earliest(), 100u);
    core::History.GoTo(0, m_cpu);
    EXPECT_EQ(InstructionCount, 100u);
}
}  // namespace
