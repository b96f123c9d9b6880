#include "scenario/model_comparison.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "build/source_map.h"
#include "core/texts/translate.h"
#include "scenario/pin_word.h"

namespace scenario {

namespace {
constexpr uint32_t kAllPins = (1u << 13) - 1;
constexpr int kComparisonPoints = 1;

// Levels of pins that are an input in both runs are what the scenario
// clicked, the same in both; the directions always count.
uint32_t ComparedBits(uint32_t model, uint32_t program) {
    const uint32_t bothInputs =
        (model >> kDirectionShift) & (program >> kDirectionShift) & kAllPins;
    return (kAllPins & ~bothInputs) | kAllPins << kDirectionShift;
}

int PinOfBit(uint32_t bit) {
    const int index =
        bit >= kDirectionShift ? static_cast<int>(bit) - kDirectionShift : static_cast<int>(bit);
    for (int pin = 0; pin < kPinCount; ++pin) {
        if (PinBit(pin) == index) return pin;
    }
    return 0;
}

std::string Micros(uint64_t cycles, double clockHz) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", static_cast<double>(cycles) * 4e6 / clockHz);
    return text;
}

const char* DirectionName(int value) {
    return value ? core::Tr("ulaz") : core::Tr("izlaz");
}

// The source line of the word, when the last assembly left a map saying so.
void SourcePlace(uint16_t pc, SDifference* difference) {
    const build::CSourceMap map = build::LoadSourceMap();
    if (pc >= build::kProgramWords) return;
    const build::CSourceLine& line = map.words[pc];
    if (line.file < 0 || line.file >= static_cast<int>(map.files.size())) return;
    difference->file = map.files[static_cast<size_t>(line.file)];
    difference->line = line.line;
}
}  // namespace

CModelRecorder::CModelRecorder() {
    m_run.changes.push_back({core::CycleCount, core::PinWord()});
}

void CModelRecorder::Look() {
    const uint32_t word = core::PinWord();
    if (word != m_run.changes.back().word) m_run.changes.push_back({core::CycleCount, word});
}

SModelRun CModelRecorder::Take(SScenarioReport report) {
    m_run.end = core::CycleCount;
    m_run.report = std::move(report);
    return std::move(m_run);
}

CModelComparer::CModelComparer(const SModelRun& model, uint64_t tolerance)
    : m_model(model), m_tolerance(tolerance), m_lastWord(core::PinWord()), m_lastPc(PC) {
    Check(core::CycleCount, m_lastWord, m_lastPc);
}

size_t CModelComparer::ChangeAt(uint64_t cycle) const {
    const auto after =
        std::upper_bound(m_model.changes.begin(), m_model.changes.end(), cycle,
                         [](uint64_t at, const SPinChange& change) { return at < change.cycle; });
    return after == m_model.changes.begin()
               ? 0
               : static_cast<size_t>(after - m_model.changes.begin()) - 1;
}

bool CModelComparer::ModelHad(uint32_t bit, bool value, uint64_t from, uint64_t to) const {
    for (size_t i = ChangeAt(from); i < m_model.changes.size() && m_model.changes[i].cycle <= to;
         ++i) {
        if (((m_model.changes[i].word >> bit) & 1u) == static_cast<uint32_t>(value)) return true;
    }
    return false;
}

void CModelComparer::Look() {
    const uint64_t cycle = core::CycleCount;
    const uint32_t word = core::PinWord();
    // PC before the pass: the instruction that made a change.
    const uint16_t ran = m_lastPc;
    m_lastPc = PC;
    if (m_divergence || cycle > m_model.end) return;
    // Between changes of its own, the program can only fall out of the
    // window when the window's start passes one of the model's changes.
    if (word == m_lastWord && cycle < m_nextCheck) return;
    m_lastWord = word;
    Check(cycle, word, ran);
}

void CModelComparer::Check(uint64_t cycle, uint32_t word, uint16_t pc) {
    const uint64_t from = cycle > m_tolerance ? cycle - m_tolerance : 0;
    const uint64_t to = cycle + m_tolerance;
    const uint32_t model = m_model.changes[ChangeAt(cycle)].word;
    const uint32_t differing = (model ^ word) & ComparedBits(model, word);
    for (uint32_t bit = 0; bit < 32; ++bit) {
        if (!((differing >> bit) & 1u)) continue;
        const bool value = (word >> bit) & 1u;
        if (ModelHad(bit, value, from, to)) continue;
        m_divergence = SDivergence{cycle,
                                   PinOfBit(bit),
                                   bit >= kDirectionShift,
                                   static_cast<int>((model >> bit) & 1u),
                                   static_cast<int>(value),
                                   pc};
        return;
    }
    const size_t next = ChangeAt(from) + 1;
    m_nextCheck =
        next < m_model.changes.size() ? m_model.changes[next].cycle + m_tolerance : UINT64_MAX;
}

SDifference DifferenceOf(const SDivergence& divergence, double clockHz) {
    SDifference difference;
    difference.cycle = divergence.cycle;
    difference.time = Micros(divergence.cycle, clockHz) + " us";
    difference.pin = PinAt(divergence.pin).name;
    const auto value = [&divergence](int level) {
        return divergence.direction ? std::string(DirectionName(level)) : std::to_string(level);
    };
    difference.model = value(divergence.model);
    difference.program = value(divergence.program);
    difference.pc = divergence.pc;
    SourcePlace(divergence.pc, &difference);
    return difference;
}

std::string DifferenceText(const SDifference& difference) {
    char pc[8];
    std::snprintf(pc, sizeof pc, "0x%04X", difference.pc);
    const std::string place = difference.file.empty()
                                  ? std::string()
                                  : difference.file + ":" + std::to_string(difference.line) + ", ";
    return core::Fill(core::Tr("ciklus %1 (%2): "),
                      {std::to_string(difference.cycle), difference.time}) +
           core::Fill(core::Tr("%1 je %2, u modelu %3"),
                      {difference.pin, difference.program, difference.model}) +
           core::Fill(core::Tr("; program je bio na %1PC %2"), {place, pc});
}

SStepReport ComparisonStep(const std::optional<SDivergence>& divergence, uint64_t tolerance,
                           double clockHz, int points) {
    SStepReport step;
    step.step = core::Fill(core::Tr("poredjenje sa modelom (tolerancija %1 ciklusa)"),
                           {std::to_string(tolerance)});
    step.points = points;
    step.cycles = divergence ? divergence->cycle : 0;
    step.result = divergence ? EStepResult::Failed : EStepResult::Held;
    if (divergence) {
        step.difference = DifferenceOf(*divergence, clockHz);
        step.failure = core::Fill(core::Tr("prvo odstupanje od modela: %1"),
                                  {DifferenceText(*step.difference)});
    }
    return step;
}

uint64_t ToleranceCycles(const SScenario& scenario) {
    return static_cast<uint64_t>(scenario.toleranceCycles) +
           static_cast<uint64_t>(
               std::llround(scenario.toleranceMicroseconds * scenario.clockHz / 4e6));
}

SModelRun RecordModelRun(const FPlay& play) {
    std::optional<CModelRecorder> recorder;
    // Made after the first pass: the run resets the machine before it.
    SScenarioReport report = play([&recorder] {
        if (!recorder) recorder.emplace();
        recorder->Look();
    });
    if (!recorder) recorder.emplace();
    return recorder->Take(std::move(report));
}

SModelRun RecordModelRun(CScenarioSession& session, const SScenario& scenario,
                         const std::string& model) {
    return RecordModelRun([&](const std::function<void()>& afterPass) {
        return session.Play(scenario, model, {}, afterPass);
    });
}

SScenarioReport PlayAgainstModel(const FPlay& play, const SModelRun& model, uint64_t tolerance,
                                 double clockHz, int points) {
    std::optional<CModelComparer> comparer;
    SScenarioReport report = play([&] {
        if (!comparer) comparer.emplace(model, tolerance);
        comparer->Look();
    });
    if (!report.loaded) return report;
    const std::optional<SDivergence> none;
    const std::optional<SDivergence>& divergence = comparer ? comparer->Divergence() : none;
    report.steps.push_back(ComparisonStep(divergence, tolerance, clockHz, points));
    if (divergence) report.passed = false;
    return report;
}

SScenarioReport PlayAgainstModel(CScenarioSession& session, const SScenario& scenario,
                                 const std::string& program, const SModelRun& model,
                                 const std::string& vcdPath) {
    return PlayAgainstModel(
        [&](const std::function<void()>& afterPass) {
            return session.Play(scenario, program, vcdPath, afterPass);
        },
        model, ToleranceCycles(scenario), scenario.clockHz,
        scenario.stepPoints ? kComparisonPoints : 0);
}

SScenario ComparedScenario(SScenario scenario) {
    if (scenario.stepPoints) scenario.points += kComparisonPoints;
    return scenario;
}

}  // namespace scenario
