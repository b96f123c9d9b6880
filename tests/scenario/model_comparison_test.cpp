// A program's pins against a model solution's over the same scenario: equal
// runs agree, a run late within the tolerance agrees, and each way a program
// goes wrong is found at the first cycle it shows, on the right pin.
#include "scenario/model_comparison.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/state.h"
#include "scenario/scenario_names.h"
#include "scenario/scenario_reader.h"

using namespace scenario;

namespace {
// Word 5 on: BSF STATUS,RP0; CLRF TRISB; BCF STATUS,RP0; loop: MOVLW 1;
// XORWF PORTB,F; GOTO loop. RB0 changes at cycles 5, 9, 13, ...
const std::vector<uint16_t> kModel = {0x1683, 0x0186, 0x1283, 0x3001, 0x0686, 0x2808};
// The same one cycle later.
const std::vector<uint16_t> kLate = {0x0000, 0x1683, 0x0186, 0x1283, 0x3001, 0x0686, 0x2809};
// RB1 instead of RB0.
const std::vector<uint16_t> kWrongPin = {0x1683, 0x0186, 0x1283, 0x3002, 0x0686, 0x2808};
// Port B never made an output.
const std::vector<uint16_t> kNoTris = {0x1683, 0x0000, 0x1283, 0x3001, 0x0686, 0x2808};

void Load(const std::vector<uint16_t>& words) {
    ResetForLoad();
    for (size_t i = 0; i < words.size(); ++i) {
        char text[5];
        std::snprintf(text, sizeof text, "%04X", words[i]);
        for (int c = 0; c < 4; ++c) ProgramImage[4 * (5 + i) + c] = text[c];
    }
    ProgramEnd = core::kProgramImageSize;
}

FPlay Player(const std::vector<uint16_t>& words, const SScenario& scenario) {
    return [&words, &scenario](const std::function<void()>& afterPass) {
        Load(words);
        return RunScenario(scenario, "prog", nullptr, afterPass);
    };
}
}  // namespace

TEST(ModelComparisonTest, FindsTheFirstDifference) {
    SScenario scenario;
    std::string error;
    ASSERT_TRUE(ReadScenarioText("steps:\n  - run: {cycles: 60}\n", "t.yaml", &scenario, &error))
        << error;
    const SModelRun model = RecordModelRun(Player(kModel, scenario));
    ASSERT_TRUE(model.report.passed);
    ASSERT_GE(model.changes.size(), 14u);

    struct SCase {
        const char* name;
        const std::vector<uint16_t>* program;
        uint64_t tolerance;
        bool diverges;
        uint64_t cycle;
        const char* pin;
        bool direction;
        int modelValue, programValue;
        uint16_t pc;
    } const cases[] = {
        {"the model itself", &kModel, 0, false, 0, "", false, 0, 0, 0},
        {"one cycle late, tolerated", &kLate, 1, false, 0, "", false, 0, 0, 0},
        // The model makes port B an output at cycle 2, the program at 3.
        {"one cycle late, exact", &kLate, 0, true, 2, "RB0", true, 0, 1, 6},
        // RB0 had its low level within 2 cycles, RB1 never its high one.
        {"the wrong pin", &kWrongPin, 2, true, 5, "RB1", false, 0, 1, 9},
        // A direction differs as soon as the model writes TRISB (cycle 2).
        {"port B left an input", &kNoTris, 0, true, 2, "RB0", true, 0, 1, 6},
    };
    for (const SCase& c : cases) {
        SScenarioReport report =
            PlayAgainstModel(Player(*c.program, scenario), model, c.tolerance, scenario.clockHz, 1);
        ASSERT_FALSE(report.steps.empty()) << c.name;
        const SStepReport& step = report.steps.back();
        EXPECT_EQ(report.passed, !c.diverges) << c.name;
        EXPECT_EQ(step.result, c.diverges ? EStepResult::Failed : EStepResult::Held) << c.name;
        EXPECT_EQ(step.points, 1) << c.name;
        if (!c.diverges) continue;
        std::optional<CModelComparer> again;
        Player(*c.program, scenario)([&] {
            if (!again) again.emplace(model, c.tolerance);
            again->Look();
        });
        ASSERT_TRUE(again && again->Divergence()) << c.name;
        const SDivergence& d = *again->Divergence();
        EXPECT_EQ(d.cycle, c.cycle) << c.name;
        EXPECT_STREQ(PinAt(d.pin).name, c.pin) << c.name;
        EXPECT_EQ(d.direction, c.direction) << c.name;
        EXPECT_EQ(d.model, c.modelValue) << c.name;
        EXPECT_EQ(d.program, c.programValue) << c.name;
        EXPECT_EQ(d.pc, c.pc) << c.name;
        ASSERT_TRUE(step.difference) << c.name;
        EXPECT_EQ(step.difference->cycle, c.cycle) << c.name;
        EXPECT_EQ(step.difference->pin, c.pin) << c.name;
        EXPECT_EQ(step.difference->pc, c.pc) << c.name;
        EXPECT_NE(step.failure.find(DifferenceText(*step.difference)), std::string::npos)
            << step.failure;
    }
}

TEST(ModelComparisonTest, ToleranceIsReadInCyclesOrMicroseconds) {
    struct {
        const char* text;
        uint64_t cycles;  // at 4 MHz, -1 for a refused one
    } const cases[] = {{"50 cycles", 50},
                       {"50", 50},
                       {"20 us", 20},
                       {"2.5 us", 3},
                       {"-1", UINT64_MAX},
                       {"5 ms", UINT64_MAX},
                       {"1.5 cycles", UINT64_MAX}};
    for (const auto& c : cases) {
        SScenario scenario;
        std::string error;
        const bool read = ReadScenarioText(std::string("tolerance: ") + c.text + "\nsteps: []\n",
                                           "t.yaml", &scenario, &error);
        EXPECT_EQ(read, c.cycles != UINT64_MAX) << c.text << ": " << error;
        if (read) {
            EXPECT_EQ(ToleranceCycles(scenario), c.cycles) << c.text;
        } else {
            EXPECT_NE(error.find("tolerance"), std::string::npos) << error;
        }
    }
}
