#pragma once
// Grading against a model solution. The model runs a scenario once and its
// pins are kept; a program then runs the same scenario, with the same clicks
// and sets at the same cycles, and after every pass its pins are compared
// with the model's. Two correct programs rarely change a pin on the same
// cycle, so a level counts as the model's when the model had it within the
// tolerance around that cycle. A pin that both programs leave an input is
// the scenario's, and only its direction is compared.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scenario/scenario_run.h"
#include "scenario/scenario_session.h"

namespace scenario {

struct SPinChange {
    uint64_t cycle = 0;
    uint32_t word = 0;  // as PinWord packs it
};

// The model's pins over its run: the word at the start (cycle 0) and every
// change after it, up to the cycle the run ended.
struct SModelRun {
    std::vector<SPinChange> changes;
    uint64_t end = 0;
    SScenarioReport report;  // the model's own result on the scenario
};

struct SDivergence {
    uint64_t cycle = 0;
    int pin = 0;             // as PinAt counts
    bool direction = false;  // the pin's direction differs, not its level
    int model = 0;
    int program = 0;
    uint16_t pc = 0;  // the word of the program's instruction that ran last
};

// Follows a run of the model and keeps its pins; Look after every pass.
class CModelRecorder {
public:
    CModelRecorder();
    void Look();
    SModelRun Take(SScenarioReport report);

private:
    SModelRun m_run;
};

// Follows a program's run and finds where its pins first differ from the
// model's; Look after every pass.
class CModelComparer {
public:
    CModelComparer(const SModelRun& model, uint64_t tolerance);
    void Look();
    const std::optional<SDivergence>& Divergence() const { return m_divergence; }

private:
    // Whether the model had the pin bit at `value` anywhere in [from, to].
    bool ModelHad(uint32_t bit, bool value, uint64_t from, uint64_t to) const;
    size_t ChangeAt(uint64_t cycle) const;  // the model change in force at cycle
    void Check(uint64_t cycle, uint32_t word, uint16_t pc);

    const SModelRun& m_model;
    uint64_t m_tolerance;
    uint32_t m_lastWord;
    uint64_t m_nextCheck = 0;
    uint16_t m_lastPc;
    std::optional<SDivergence> m_divergence;
};

// The step the comparison adds to a program's report: held when the pins
// never left the model's, else failed with the first difference, named in
// the program's source when a map of it is at hand.
SStepReport ComparisonStep(const std::optional<SDivergence>& divergence, uint64_t tolerance,
                           double clockHz, int points);

// The difference as the reports give it, the program's line from the map of
// the program loaded now.
SDifference DifferenceOf(const SDivergence& divergence, double clockHz);
// "ciklus 1234 (1234 us): RB3 je 0, u modelu 1; program je bio na prog.asm:23, PC 0x0012".
std::string DifferenceText(const SDifference& difference);

// The scenario's tolerance in cycles at its clock.
uint64_t ToleranceCycles(const SScenario& scenario);

// A run of a scenario that calls afterPass after every pass.
using FPlay = std::function<SScenarioReport(const std::function<void()>& afterPass)>;

// Plays the scenario on the model solution and keeps its pins.
SModelRun RecordModelRun(const FPlay& play);
SModelRun RecordModelRun(CScenarioSession& session, const SScenario& scenario,
                         const std::string& model);

// Plays the scenario on a program beside the model's run; see below. The
// comparison step is worth `points`.
SScenarioReport PlayAgainstModel(const FPlay& play, const SModelRun& model, uint64_t tolerance,
                                 double clockHz, int points);

// A scenario as graded against a model: where its steps carry the points,
// the comparison is one more point's worth; otherwise it is one more
// condition of the scenario's points.
SScenario ComparedScenario(SScenario scenario);

// Runs the scenario on the program beside the model's run: the report is the
// scenario's own with the comparison as a last step, which the scenario must
// also pass. Give it the scenario as ComparedScenario makes it.
SScenarioReport PlayAgainstModel(CScenarioSession& session, const SScenario& scenario,
                                 const std::string& program, const SModelRun& model,
                                 const std::string& vcdPath = {});

}  // namespace scenario
