// Pin conditions: how they read, and where the run loop stops for them.
#include "core/history.h"
#include "core/pin_condition.h"
#include "core/pin_input.h"
#include "core/pin_watch.h"
#include "core/platform/auto_reset_event.h"
#include "core_test_support.h"

namespace {
TEST(PinCondition, ReadsTermsAndRefusesWhatIsNoCondition) {
    struct SCase {
        const char* text;
        const char* reads;  // as written back, or null when refused
    };
    const SCase cases[] = {
        {"RB0=1", "RB0=1"},
        {"rb0 = 0", "RB0=0"},
        {"RB0:rise", "RB0:rise"},
        {" RA4:fall , RB7:edge ", "RA4:fall,RB7:edge"},
        {"INT:rise,T0CKI=1", "RA4=1,RB0:rise"},
        {"RB7=1,RB6=0,RB5=1,RB4=0", "RB4=0,RB5=1,RB6=0,RB7=1"},
        {"", nullptr},
        {"RB8=1", nullptr},
        {"RC0=1", nullptr},
        {"RB0=2", nullptr},
        {"RB0", nullptr},
        {"RB0:up", nullptr},
        {"RB0=1,", nullptr},
        {"RB0=1,INT:fall", nullptr},  // the same pin twice
    };
    for (const SCase& c : cases) {
        core::SPinCondition condition;
        std::string error;
        const bool read = core::ParsePinCondition(c.text, &condition, &error);
        ASSERT_EQ(read, c.reads != nullptr) << "'" << c.text << "': " << error;
        if (read) {
            EXPECT_EQ(core::PinConditionText(condition), c.reads) << c.text;
        } else {
            EXPECT_FALSE(error.empty()) << c.text;
        }
    }
}

class PinTriggerRun : public CoreTest {
protected:
    void TearDown() override { core::PinTrigger.Clear(); }

    // Runs slices of at most 1000 passes until the trigger stops one; the
    // passes that took, or -1 when it did not within the limit.
    int64_t RunUntilTrigger(int64_t limit) {
        int64_t passes = 0;
        while (passes < limit) {
            const core::SPassesRun run =
                core::RunPasses(m_cpu, std::min<int64_t>(1000, limit - passes));
            passes += run.passes;
            if (run.atPinTrigger) return passes;
        }
        return -1;
    }
};

TEST_F(PinTriggerRun, TheRunStopsAfterThePassThatMeetsTheCondition) {
    // 5 BSF STATUS,RP0; 6 MOVLW 0xF0; 7 MOVWF TRISB; 8 BCF STATUS,RP0;
    // 9 INCF PORTB; 10 GOTO 9: PORTB counts, k after pass 2k + 3.
    struct SCase {
        const char* condition;
        int64_t first, second;  // passes to the first stop, and from there to the next
    };
    const SCase cases[] = {
        {"RB0:rise", 5, 4},             // PORTB 1, then 3
        {"RB0=1", 5, 4},                // comes to hold at the same passes
        {"RB0:fall", 7, 4},             // 2, then 4
        {"RB0:edge", 5, 2},             // 1, then 2
        {"RB1=1,RB0=1", 9, 8},          // 3, then 7
        {"RB1:rise,RB0=0", 7, 8},       // 2, then 6
        {"RB3:rise", 19, 32},           // 8, then 24
        {"RB2:fall,RB1:fall", 19, 16},  // 8, then 16
        {"RB3=1,RB7=1", -1, 0},         // first at 0x88, after pass 275
    };
    for (const SCase& c : cases) {
        Load({0x1683, 0x30F0, 0x0086, 0x1283, 0x0A86, 0x2809});
        ResetForRun();
        core::SPinCondition condition;
        std::string error;
        ASSERT_TRUE(core::ParsePinCondition(c.condition, &condition, &error)) << error;
        core::PinTrigger.Set(condition);
        EXPECT_EQ(RunUntilTrigger(200), c.first) << c.condition;
        if (c.first > 0) {
            EXPECT_EQ(RunUntilTrigger(200), c.second) << c.condition;
        }
    }
}

TEST_F(PinTriggerRun, AClickMeetsItAndGoingThroughHistoryDoesNot) {
    Load({0x2805});  // GOTO 5
    ResetForRun();
    core::PinTrigger.Set({0, 0, 1u << 2, 0});  // RA2:rise
    EXPECT_EQ(RunUntilTrigger(300), -1);
    // Queued as the worker queues it: the run loop applies it before a pass.
    core::CAutoResetEvent worker;
    core::SetPinClickWorker(&worker);
    core::ClickPin(PORTA, 0x04);
    const int64_t afterClick = RunUntilTrigger(300);
    core::SetPinClickWorker(nullptr);
    EXPECT_EQ(afterClick, 1) << "the pass after the click stops";

    // A blink, RB0 rising at passes 4, 7, 10...: going back over its edges
    // and forward again leaves nothing that stops the next run early.
    Load({0x1683, 0x1006, 0x1283, 0x1406, 0x1006, 0x2808});
    ResetForRun();
    core::PinTrigger.Set({0, 0, 1u << 5, 0});  // RB0:rise
    Step(100);
    core::History.GoTo(10, m_cpu);
    core::History.GoTo(99, m_cpu);
    EXPECT_EQ(RunUntilTrigger(300), 1) << "the rise at pass 100";
    core::PinTrigger.Clear();
    EXPECT_EQ(RunUntilTrigger(300), -1) << "cleared";
}
}  // namespace
