// The scenario reader on arbitrary text. It must never crash or hang, and
// its answer must be one of two: a scenario whose every value lies in the
// range the runner relies on, or an error that names the file and, for
// anything inside it, the line and column.
#include <cmath>
#include <regex>
#include <string>

#include "core/state.h"
#include "fuzz_support.h"
#include "scenario/scenario_reader.h"

using namespace scenario;

namespace {
void CheckCondition(const SCondition& c, bool inUntil) {
    const int64_t v = c.value;
    FUZZ_REQUIRE(v >= 0, "negative value");
    switch (c.target.kind) {
        case ETargetKind::Register:
            FUZZ_REQUIRE(c.target.address >= 0 && c.target.address < core::kRegisterFileSize,
                         c.target.name);
            FUZZ_REQUIRE(v <= 0xFF, c.target.name);
            break;
        case ETargetKind::W:
            FUZZ_REQUIRE(v <= 0xFF, "W");
            break;
        case ETargetKind::Bit:
        case ETargetKind::Pin:
            FUZZ_REQUIRE(c.target.bit >= 0 && c.target.bit < 8 && v <= 1, c.target.name);
            break;
        case ETargetKind::PC:
            FUZZ_REQUIRE(v <= 1024, "PC");
            break;
        case ETargetKind::Stack:
            FUZZ_REQUIRE(v <= 8, "stack");
            break;
        case ETargetKind::Eeprom:
            FUZZ_REQUIRE(c.target.address >= 0 && c.target.address < 64 && v <= 0xFF,
                         c.target.name);
            break;
        default:
            break;
    }
    FUZZ_REQUIRE(c.line > 0 || inUntil, "a condition without a line");
}
}  // namespace

LUMO_FUZZ_TARGET(scenario_reader) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    SScenario scenario;
    std::string error;
    if (!ReadScenarioText(text, "f/s.yaml", &scenario, &error)) {
        static const std::regex place("f/s\\.yaml:[0-9]+:[0-9]+: .+");
        FUZZ_REQUIRE(std::regex_match(error, place), error);
        return 0;
    }
    FUZZ_REQUIRE(scenario.clockHz >= 4 && scenario.clockHz <= 1e9, "clock");
    FUZZ_REQUIRE(scenario.limit > 0, "limit");
    FUZZ_REQUIRE(scenario.points >= 0, "points");
    FUZZ_REQUIRE(scenario.program.empty() || scenario.program.rfind("f/", 0) == 0 ||
                     scenario.program[0] == '/',
                 "program not relative to the scenario: " + scenario.program);
    for (const SStep& step : scenario.steps) {
        FUZZ_REQUIRE(step.line > 0 && step.column > 0, "a step without a place");
        switch (step.kind) {
            case EStepKind::RunCycles:
            case EStepKind::RunInstructions:
                FUZZ_REQUIRE(step.count > 0, "a run of nothing");
                break;
            case EStepKind::RunMicroseconds:
                FUZZ_REQUIRE(std::isfinite(step.microseconds) && step.microseconds > 0, "us");
                break;
            case EStepKind::RunUntil:
            case EStepKind::Expect:
                FUZZ_REQUIRE(!step.conditions.empty(), "no conditions");
                for (const SCondition& c : step.conditions) {
                    CheckCondition(c, step.kind == EStepKind::RunUntil);
                }
                break;
            case EStepKind::Click:
                FUZZ_REQUIRE(step.settings.size() == 1, "click needs one pin");
                break;
            case EStepKind::Set:
                FUZZ_REQUIRE(!step.settings.empty(), "set of nothing");
                for (const SSetting& setting : step.settings) {
                    const int high = setting.target.kind == ETargetKind::Pin ? 1 : 0xFF;
                    FUZZ_REQUIRE(setting.value >= 0 && setting.value <= high, "set value");
                }
                break;
            case EStepKind::Press:
            case EStepKind::Release:
            case EStepKind::Type:
                FUZZ_REQUIRE(!step.part.empty() && step.key.size() <= 1, "a part step's part");
                FUZZ_REQUIRE(!scenario.board.empty(), "a part step without a board");
                break;
            case EStepKind::Mclr:
                break;
        }
        FUZZ_REQUIRE(!DescribeStep(step).empty(), "a step without a description");
    }
    return 0;
}
