#include "scenario_run.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <utility>

#include "break_labels.h"
#include "instruction_set.h"
#include "pin_input.h"
#include "platform/message_box.h"
#include "run_loop.h"
#include "state.h"
#include "vcd_writer.h"

namespace {
// Keeps the chip's run-time messages for the step that caused them instead
// of showing them.
class CStepMessages : public CMessageBoxHook {
public:
    CStepMessages() { SetMessageBoxHook(this); }
    ~CStepMessages() override { SetMessageBoxHook(nullptr); }
    CStepMessages(const CStepMessages&) = delete;
    CStepMessages& operator=(const CStepMessages&) = delete;

    void Show(const std::string& text) override { m_messages.push_back(text); }
    void CloseAll() override {}
    std::vector<std::string> Take() { return std::exchange(m_messages, {}); }

private:
    std::vector<std::string> m_messages;
};

std::string Binary(unsigned value) {
    std::string text(8, '0');
    for (int bit = 0; bit < 8; ++bit) {
        if (value & (0x80u >> bit)) text[bit] = '1';
    }
    return text;
}

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

bool Compare(int64_t actual, ECompare compare, int64_t expected) {
    switch (compare) {
        case ECompare::Equal:
            return actual == expected;
        case ECompare::NotEqual:
            return actual != expected;
        case ECompare::Less:
            return actual < expected;
        case ECompare::LessOrEqual:
            return actual <= expected;
        case ECompare::Greater:
            return actual > expected;
        case ECompare::GreaterOrEqual:
            return actual >= expected;
    }
    return false;
}

int64_t Current(const STarget& target) {
    switch (target.kind) {
        case ETargetKind::Register:
            return RegisterFile[target.address];
        case ETargetKind::W:
            return W;
        case ETargetKind::Bit:
        case ETargetKind::Pin:
            return (RegisterFile[target.address] >> target.bit) & 1;
        case ETargetKind::PC:
            return PC;
        case ETargetKind::Stack:
            return ReturnStack->Count();
        case ETargetKind::Cycles:
            return static_cast<int64_t>(CycleCount.load());
        case ETargetKind::Instructions:
            return static_cast<int64_t>(InstructionCount.load());
    }
    return 0;
}

std::string Shown(const STarget& target, int64_t value) {
    switch (target.kind) {
        case ETargetKind::Register:
        case ETargetKind::W:
            return HexAndBinary(static_cast<unsigned>(value));
        case ETargetKind::PC:
            return Hex(static_cast<unsigned>(value), 4);
        default:
            return std::to_string(value);
    }
}

class CScenarioPlayer {
public:
    CScenarioPlayer(const SScenario& scenario, CVcdWriter* vcd)
        : m_scenario(scenario), m_vcd(vcd) {}

    void Play(SScenarioReport* report);

private:
    enum class EStop { Done, Limit, LeftProgram };

    // Runs passes until done() holds after one of them; at least one pass
    // when atLeastOne, otherwise done() is asked first.
    template <class Done>
    EStop RunUntil(bool atLeastOne, Done done);
    // A copy of the conditions with every label replaced by its address.
    bool Resolve(const std::vector<SCondition>& conditions, std::vector<SCondition>* resolved,
                 std::string* failure) const;
    void RunStep(const SStep& step, SStepReport* report);
    void ClickStep(const SStep& step, SStepReport* report);
    void ExpectStep(const SStep& step, SStepReport* report);
    std::string StopReason(EStop stop) const;
    void Sample() {
        if (m_vcd) m_vcd->Sample(CycleCount);
    }

    const SScenario& m_scenario;
    CVcdWriter* m_vcd;
    CInstructionSet m_cpu;
    CStepMessages m_messages;
    uint16_t m_lastPc = kStartAddress;
};

template <class Done>
CScenarioPlayer::EStop CScenarioPlayer::RunUntil(bool atLeastOne, Done done) {
    if (!atLeastOne && done()) return EStop::Done;
    for (;;) {
        if (!PcInsideProgram()) return EStop::LeftProgram;
        if (CycleCount >= static_cast<uint64_t>(m_scenario.limit)) return EStop::Limit;
        m_lastPc = PC;
        RunOnePass(m_cpu);
        Sample();
        if (done()) return EStop::Done;
    }
}

std::string CScenarioPlayer::StopReason(EStop stop) const {
    const std::string where = "PC " + Hex(PC, 4) + ", ciklus " + std::to_string(CycleCount.load());
    if (stop == EStop::Limit) {
        return "dostignuta granica od " + std::to_string(m_scenario.limit) + " ciklusa (" + where +
               ")";
    }
    return std::string("PC je napustio program: ") + LastMnemonic.load() + " na adresi " +
           Hex(m_lastPc, 4) + " odveo je PC na " + Hex(PC, 4) + " (ciklus " +
           std::to_string(CycleCount.load()) + ")";
}

bool CScenarioPlayer::Resolve(const std::vector<SCondition>& conditions,
                              std::vector<SCondition>* resolved, std::string* failure) const {
    *resolved = conditions;
    for (SCondition& condition : *resolved) {
        if (condition.label.empty()) continue;
        condition.value = LookUpLabel(condition.label);
        if (condition.value == 0) {
            *failure = condition.target.name + ": labela '" + condition.label +
                       "' nije nadjena u listingu programa";
            return false;
        }
    }
    return true;
}

void CScenarioPlayer::RunStep(const SStep& step, SStepReport* report) {
    EStop stop = EStop::Done;
    if (step.kind == EStepKind::RunUntil) {
        // Labels first: a misspelt one must fail at once, not after the limit.
        std::vector<SCondition> conditions;
        if (!Resolve(step.conditions, &conditions, &report->failure)) return;
        stop = RunUntil(true, [&] {
            for (const SCondition& condition : conditions) {
                if (!Compare(Current(condition.target), condition.compare, condition.value)) {
                    return false;
                }
            }
            return true;
        });
        if (stop != EStop::Done) {
            std::string wanted;
            for (const SCondition& condition : step.conditions) {
                wanted += (wanted.empty() ? "" : ", ") + DescribeCondition(condition);
            }
            report->failure = "uslov '" + wanted + "' nije ispunjen: " + StopReason(stop);
            return;
        }
    } else if (step.kind == EStepKind::RunInstructions) {
        const uint64_t end = InstructionCount + static_cast<uint64_t>(step.count);
        stop = RunUntil(false, [&] { return InstructionCount >= end; });
    } else {
        const int64_t cycles = step.kind == EStepKind::RunCycles
                                   ? step.count
                                   : std::llround(step.microseconds * m_scenario.clockHz / 4e6);
        const uint64_t end = CycleCount + static_cast<uint64_t>(cycles);
        stop = RunUntil(false, [&] { return CycleCount >= end; });
    }
    if (stop != EStop::Done) report->failure = StopReason(stop);
}

void CScenarioPlayer::ClickStep(const SStep& step, SStepReport* report) {
    for (const SSetting& setting : step.settings) {
        const STarget& target = setting.target;
        if (target.kind != ETargetKind::Pin) {
            const auto kind =
                target.kind == ETargetKind::W ? SUserInput::EKind::W : SUserInput::EKind::Register;
            EditValue(
                {kind, static_cast<uint8_t>(target.address), static_cast<uint8_t>(setting.value)});
            continue;
        }
        const auto mask = static_cast<uint8_t>(1u << target.bit);
        const uint8_t port = static_cast<uint8_t>(target.address);
        const bool wanted = step.kind == EStepKind::Click ||
                            ((RegisterFile[port] & mask) != 0) != (setting.value != 0);
        if (!IsInputPin(port, mask) || (wanted && !ClickPin(port, mask))) {
            report->failure = target.name + ": Port je setovan kao izlazni";
            return;
        }
    }
    Sample();
}

void CScenarioPlayer::ExpectStep(const SStep& step, SStepReport* report) {
    std::vector<SCondition> conditions;
    if (!Resolve(step.conditions, &conditions, &report->failure)) return;
    for (const SCondition& condition : conditions) {
        const int64_t actual = Current(condition.target);
        if (Compare(actual, condition.compare, condition.value)) continue;
        SMismatch& mismatch = report->mismatches.emplace_back();
        mismatch.key = condition.target.name;
        mismatch.expected = std::string(CompareText(condition.compare)) + " " +
                            Shown(condition.target, condition.value);
        if (!condition.label.empty()) mismatch.expected += " (" + condition.label + ")";
        mismatch.actual = Shown(condition.target, actual);
    }
    if (!report->mismatches.empty()) {
        report->failure = std::to_string(report->mismatches.size()) + " od " +
                          std::to_string(conditions.size()) + " ocekivanja nije ispunjeno";
    }
}

void CScenarioPlayer::Play(SScenarioReport* report) {
    ResetForRun();
    Sample();
    bool failed = false;
    for (const SStep& step : m_scenario.steps) {
        SStepReport& out = report->steps.emplace_back();
        out.line = step.line;
        out.step = DescribeStep(step);
        if (failed) continue;
        switch (step.kind) {
            case EStepKind::Click:
            case EStepKind::Set:
                ClickStep(step, &out);
                break;
            case EStepKind::Expect:
                ExpectStep(step, &out);
                break;
            default:
                RunStep(step, &out);
                break;
        }
        out.messages = m_messages.Take();
        out.cycles = CycleCount;
        failed = !out.failure.empty();
        out.result = failed ? EStepResult::Failed : EStepResult::Held;
    }
    report->passed = !failed;
    report->cycles = CycleCount;
    report->instructions = InstructionCount;
}
}  // namespace

std::string HexAndBinary(unsigned value) {
    return Hex(value, 2) + " (" + Binary(value) + ")";
}

SScenarioReport RunScenario(const SScenario& scenario, const std::string& program,
                            CVcdWriter* vcd) {
    SScenarioReport report;
    report.file = scenario.file;
    report.name = scenario.name;
    report.program = program;
    report.points = scenario.points;
    const auto start = std::chrono::steady_clock::now();
    CScenarioPlayer(scenario, vcd).Play(&report);
    report.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return report;
}

SScenarioReport UnloadedReport(const SScenario& scenario, const std::string& program,
                               const std::string& failure) {
    SScenarioReport report;
    report.file = scenario.file;
    report.name = scenario.name;
    report.program = program;
    report.points = scenario.points;
    report.loaded = false;
    report.loadFailure = failure;
    for (const SStep& step : scenario.steps) {
        SStepReport& out = report.steps.emplace_back();
        out.line = step.line;
        out.step = DescribeStep(step);
    }
    return report;
}
