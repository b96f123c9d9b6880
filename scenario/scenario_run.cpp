#include "scenario/scenario_run.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <utility>

#include "board/attached_board.h"
#include "board/board_reader.h"
#include "build/break_labels.h"
#include "build/check_program.h"
#include "core/check_kinds.h"
#include "core/check_wiring.h"
#include "core/event_log.h"
#include "core/history.h"
#include "core/instruction_set.h"
#include "core/pin_input.h"
#include "core/platform/message_box.h"
#include "core/run_driver.h"
#include "core/run_loop.h"
#include "core/state.h"
#include "core/texts/translate.h"
#include "core/user_input.h"
#include "scenario/vcd_writer.h"

namespace scenario {

namespace {
// Passes a slice may run when the scenario sets no nearer point: a scenario
// without a window to serve runs as far as its next checkpoint allows.
constexpr int64_t kPassesPerSlice = int64_t{1} << 30;
// The highest register address an instruction with a bank bit can name.
constexpr int64_t kHighestRegisterAddress = 0x1FF;

// Keeps the chip's run-time messages for the step that caused them instead
// of showing them.
class CStepMessages : public core::CMessageBoxHook {
public:
    CStepMessages() { core::SetMessageBoxHook(this); }
    ~CStepMessages() override { core::SetMessageBoxHook(nullptr); }
    CStepMessages(const CStepMessages&) = delete;
    CStepMessages& operator=(const CStepMessages&) = delete;

    void Show(const std::string& text) override { m_messages.push_back(text); }
    void CloseAll() override {}
    std::vector<std::string> Take() { return std::exchange(m_messages, {}); }

private:
    std::vector<std::string> m_messages;
};

// The checks fired since the serial, in the order they fired.
std::vector<SCheckNote> CheckNotes(uint64_t since, const build::CSourceMap& map) {
    std::vector<SCheckNote> notes;
    for (const core::SEvent& event : core::EventLog.Since(since)) {
        if (event.kind != core::EEventKind::Check) continue;
        SCheckNote note;
        note.kind = core::CheckKindName(static_cast<core::ECheckKind>(event.cause));
        note.line = static_cast<int>(event.value);
        const int file = event.pc < build::kProgramWords ? map.words[event.pc].file : -1;
        if (file >= 0 && file < static_cast<int>(map.files.size()))
            note.file = map.files[static_cast<size_t>(file)];
        note.text = event.text;
        notes.push_back(std::move(note));
    }
    return notes;
}

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

bool Edged(EEdge edge, int64_t before, int64_t now) {
    switch (edge) {
        case EEdge::Rise:
            return before == 0 && now != 0;
        case EEdge::Fall:
            return before != 0 && now == 0;
        case EEdge::Any:
            return before != now;
        case EEdge::None:
            break;
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
            return static_cast<int64_t>(core::CycleCount.load());
        case ETargetKind::Instructions:
            return static_cast<int64_t>(InstructionCount.load());
        case ETargetKind::Eeprom:
            return core::Chip.datasheet.eeprom[target.address];
        case ETargetKind::Part:  // a text, compared by PartHolds
            break;
    }
    return 0;
}

std::string Shown(const STarget& target, int64_t value) {
    switch (target.kind) {
        case ETargetKind::Register:
        case ETargetKind::W:
        case ETargetKind::Eeprom:
            return HexAndBinary(static_cast<unsigned>(value));
        case ETargetKind::PC:
            return Hex(static_cast<unsigned>(value), 4);
        default:
            return std::to_string(value);
    }
}

board::CAttachedBoard* Board() {
    return dynamic_cast<board::CAttachedBoard*>(core::AttachedBoard.load());
}

// Each line without its trailing blanks.
std::string WithoutTrailingBlanks(const std::string& text) {
    std::string out;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        size_t last = end;
        while (last > start && text[last - 1] == ' ') --last;
        if (!out.empty() || start > 0) out += '\n';
        out.append(text, start, last - start);
        start = end + 1;
    }
    return out;
}

// A text as a report quotes it: control characters escaped.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        if (ch == '\n') {
            out += "\\n";
        } else if (ch == '\r') {
            out += "\\r";
        } else if (static_cast<unsigned char>(ch) < 0x20) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(ch));
            out += hex;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

// What the part named in the target shows; false when the board has no such
// part (or line).
bool PartShows(const STarget& target, std::string* shown) {
    board::CAttachedBoard* attached = Board();
    if (attached == nullptr) return false;
    const size_t dot = target.name.find('.');
    const int index = attached->PartIndex(target.name.substr(0, dot));
    if (index < 0) return false;
    const board::SPart& part = attached->Live().parts[static_cast<size_t>(index)].part;
    if (dot == std::string::npos) {
        *shown = board::PartText(part);
        return true;
    }
    const auto* lcd = std::get_if<board::CLcd>(&part);
    const std::string line = target.name.substr(dot + 1);
    int row = 0;
    if (lcd == nullptr || std::sscanf(line.c_str(), "line%d", &row) != 1 || row < 1 ||
        row > lcd->Wiring().rows || line != "line" + std::to_string(row)) {
        return false;
    }
    *shown = lcd->RowText(row - 1);
    return true;
}

bool PartHolds(const SCondition& condition, std::string* shown) {
    if (!PartShows(condition.target, shown)) return false;
    const bool same = WithoutTrailingBlanks(*shown) == WithoutTrailingBlanks(condition.text);
    return same == (condition.compare == ECompare::Equal);
}

// The passes that surely end before the cycle count reaches end: no
// instruction takes more than two cycles.
int64_t PassesBelow(uint64_t end) {
    const uint64_t now = core::CycleCount;
    return now >= end ? 1 : std::max<int64_t>(1, static_cast<int64_t>((end - now) / 2));
}
}  // namespace

CScenarioStepper::CScenarioStepper(SScenario scenario, const std::string& program, CVcdWriter* vcd)
    : m_scenario(std::move(scenario)), m_names(build::LoadSourceMap()), m_vcd(vcd) {
    m_report.file = m_scenario.file;
    m_report.name = m_scenario.name;
    m_report.program = program;
    m_report.points = m_scenario.points;
    m_report.stepPoints = m_scenario.stepPoints;
    for (const SStep& step : m_scenario.steps) {
        SStepReport& out = m_report.steps.emplace_back();
        out.line = step.line;
        out.step = DescribeStep(step);
        out.points = step.points;
    }
}

void CScenarioStepper::Sample() {
    if (m_vcd) m_vcd->Sample(core::CycleCount);
}

void CScenarioStepper::ReleaseDue() {
    for (auto it = m_releases.begin(); it != m_releases.end();) {
        if (core::CycleCount < it->cycle) {
            ++it;
            continue;
        }
        core::ActOnBoard(it->input);
        core::ApplyPinClicks();
        it = m_releases.erase(it);
    }
}

int64_t CScenarioStepper::PassesBeforeLook(int64_t maxPasses) {
    ReleaseDue();
    while (!m_over) {
        if (m_current == m_scenario.steps.size()) {
            // Only a scenario without steps gets here.
            m_over = true;
            m_report.passed = true;
            break;
        }
        SStepReport& out = m_report.steps[m_current];
        if (m_running) {
            const EStop stop = Look();
            if (stop == EStop::Going) return Slice(maxPasses);
            m_running = false;
            if (stop != EStop::Done) {
                out.failure = StopReason(stop);
                if (m_scenario.steps[m_current].kind == EStepKind::RunUntil) {
                    std::string wanted;
                    for (const SCondition& condition : m_scenario.steps[m_current].conditions) {
                        wanted += (wanted.empty() ? "" : ", ") + DescribeCondition(condition);
                    }
                    out.failure =
                        core::Fill(core::Tr("uslov '%1' nije ispunjen: %2"), {wanted, out.failure});
                }
            }
            if (EndStep()) break;
            continue;
        }
        const SStep& step = m_scenario.steps[m_current];
        switch (step.kind) {
            case EStepKind::Click:
            case EStepKind::Set:
                ClickStep(step, &out);
                break;
            case EStepKind::Expect:
                ExpectStep(step, &out);
                break;
            case EStepKind::Press:
            case EStepKind::Release:
            case EStepKind::Type:
                BoardStep(step, &out);
                break;
            case EStepKind::Mclr:
                MclrStep(&out);
                break;
            default:
                BeginRun(step);
                if (m_running) continue;
                break;
        }
        if (EndStep()) break;
    }
    return 0;
}

bool CScenarioStepper::EndStep() {
    const size_t index = m_current++;
    SStepReport& out = m_report.steps[index];
    if (takeMessages) out.messages = takeMessages();
    out.cycles = core::CycleCount;
    const bool failed = !out.failure.empty();
    out.result = failed ? EStepResult::Failed : EStepResult::Held;
    const SStep& step = m_scenario.steps[index];
    const bool goesOn = !failed || (step.kind == EStepKind::Expect && step.points > 0);
    m_failed = m_failed || failed;
    m_over = !goesOn || m_current == m_scenario.steps.size();
    if (m_over) {
        m_report.passed = !m_failed;
        m_report.cycles = core::CycleCount;
        m_report.instructions = InstructionCount;
    }
    const bool checkpoint = m_over || step.kind == EStepKind::Expect;
    if (checkpoint && onCheckpoint) onCheckpoint(index);
    return checkpoint;
}

void CScenarioStepper::BeginRun(const SStep& step) {
    m_ranPasses = false;
    if (step.kind == EStepKind::RunUntil) {
        // Labels first: a misspelt one must fail at once, not after the limit.
        if (!Resolve(step.conditions, &m_conditions, &m_report.steps[m_current].failure)) return;
    } else if (step.kind == EStepKind::RunInstructions) {
        m_end = InstructionCount + static_cast<uint64_t>(step.count);
    } else {
        const int64_t cycles = step.kind == EStepKind::RunCycles
                                   ? step.count
                                   : std::llround(step.microseconds * m_scenario.clockHz / 4e6);
        m_end = core::CycleCount + static_cast<uint64_t>(cycles);
    }
    m_running = true;
}

bool CScenarioStepper::Arrived() const {
    switch (m_scenario.steps[m_current].kind) {
        case EStepKind::RunUntil:
            // An until runs at least one instruction, as a breakpoint does.
            if (!m_ranPasses) return false;
            for (size_t i = 0; i < m_conditions.size(); ++i) {
                const SCondition& condition = m_conditions[i];
                std::string shown;
                if (condition.edge != EEdge::None) {
                    if (!Edged(condition.edge, m_levelsBefore[i], Current(condition.target)))
                        return false;
                } else if (condition.target.kind == ETargetKind::Part) {
                    if (!PartHolds(condition, &shown)) return false;
                } else if (!Compare(Current(condition.target), condition.compare,
                                    condition.value)) {
                    return false;
                }
            }
            return true;
        case EStepKind::RunInstructions:
            return InstructionCount >= m_end;
        default:
            return core::CycleCount >= m_end;
    }
}

CScenarioStepper::EStop CScenarioStepper::Look() const {
    if (Arrived()) return EStop::Done;
    if (!core::PcInsideProgram()) return EStop::LeftProgram;
    if (core::CycleCount >= static_cast<uint64_t>(m_scenario.limit)) return EStop::Limit;
    return EStop::Going;
}

int64_t CScenarioStepper::Slice(int64_t maxPasses) {
    // No slice passes a point where the step or the limit must be looked at.
    int64_t passes = std::min(maxPasses, PassesBelow(static_cast<uint64_t>(m_scenario.limit)));
    switch (m_scenario.steps[m_current].kind) {
        case EStepKind::RunUntil:
            // One pass at a time: an edge is a change over that pass.
            passes = 1;
            m_levelsBefore.clear();
            for (const SCondition& condition : m_conditions) {
                m_levelsBefore.push_back(condition.edge != EEdge::None ? Current(condition.target)
                                                                       : 0);
            }
            break;
        case EStepKind::RunInstructions:
            passes = std::min(passes, static_cast<int64_t>(m_end - InstructionCount));
            break;
        default:
            passes = std::min(passes, PassesBelow(m_end));
            break;
    }
    for (const SRelease& release : m_releases)
        passes = std::min(passes, PassesBelow(release.cycle));
    m_ranPasses = true;
    m_lastPc = PC;
    m_sliceStart = InstructionCount;
    return std::max<int64_t>(1, passes);
}

uint16_t CScenarioStepper::PcBeforeLastPass() const {
    const uint64_t now = InstructionCount;
    if (now <= m_sliceStart + 1) return m_lastPc;
    // The last slice ran many passes: the history knows where the last began.
    CInstructionSet cpu;
    core::History.GoTo(now - 1, cpu);
    const uint16_t pc = PC;
    core::History.GoTo(now, cpu);
    return pc;
}

std::string CScenarioStepper::StopReason(EStop stop) const {
    const std::string cycle = std::to_string(core::CycleCount.load());
    if (stop == EStop::Limit) {
        return core::Fill(core::Tr("dostignuta granica od %1 ciklusa (PC %2, ciklus %3)"),
                          {std::to_string(m_scenario.limit), Hex(PC, 4), cycle});
    }
    return core::Fill(
        core::Tr("PC je napustio program: %1 na adresi %2 odveo je PC na %3 (ciklus %4)"),
        {LastMnemonic.load(), Hex(PcBeforeLastPass(), 4), Hex(PC, 4), cycle});
}

bool CScenarioStepper::ResolveName(STarget* target, std::string* failure) const {
    if (target->kind == ETargetKind::Eeprom &&
        core::Chip.profile != core::EChipProfile::Datasheet) {
        *failure =
            target->name + core::Tr(
                               ": klasican cip nema EEPROM; EEPROM ima cip po katalogu "
                               "(chip: datasheet u scenariju ili lumo-run --chip datasheet)");
        return false;
    }
    if (!target->programName) return true;
    const build::CProgramSymbol* symbol = m_names.RegisterNamed(target->name);
    if (symbol && symbol->value >= 0 && symbol->value <= kHighestRegisterAddress) {
        target->address = core::RegisterFileIndex(static_cast<int>(symbol->value));
        return true;
    }
    std::string known;
    for (const build::CProgramSymbol& each : m_names.symbols) {
        if (each.kind != build::CProgramSymbol::EKind::Register) continue;
        known += (known.empty() ? "" : ", ") + each.name;
    }
    *failure = core::Fill(
        core::Tr("nepoznato ime '%1': nije registar, bit ni pin cipa, a program nema "
                 "promenljivu tog imena (%2)"),
        {target->name, known.empty() ? core::Tr("program nema imenovanih promenljivih")
                                     : core::Fill(core::Tr("promenljive programa: %1"), {known})});
    return false;
}

bool CScenarioStepper::Resolve(const std::vector<SCondition>& conditions,
                               std::vector<SCondition>* resolved, std::string* failure) const {
    *resolved = conditions;
    for (SCondition& condition : *resolved) {
        if (!ResolveName(&condition.target, failure)) return false;
        if (condition.label.empty()) continue;
        condition.value = build::LookUpLabel(condition.label);
        if (condition.value == 0) {
            *failure = core::Fill(core::Tr("%1: labela '%2' nije nadjena u listingu programa"),
                                  {condition.target.name, condition.label});
            return false;
        }
    }
    return true;
}

void CScenarioStepper::ClickStep(const SStep& step, SStepReport* report) {
    for (const SSetting& setting : step.settings) {
        STarget target = setting.target;
        if (!ResolveName(&target, &report->failure)) return;
        if (target.programName) {
            if (const char* refusal = core::RegisterEditRefusal(target.address)) {
                report->failure = "set: " + target.name + ": " + refusal;
                return;
            }
        }
        if (target.kind != ETargetKind::Pin) {
            const auto kind = target.kind == ETargetKind::W ? core::SUserInput::EKind::W
                              : target.kind == ETargetKind::Eeprom
                                  ? core::SUserInput::EKind::Eeprom
                                  : core::SUserInput::EKind::Register;
            core::EditValue(
                {kind, static_cast<uint8_t>(target.address), static_cast<uint8_t>(setting.value)});
            continue;
        }
        // A level is compared with the port as the settings before it left it.
        core::ApplyPinClicks();
        const auto mask = static_cast<uint8_t>(1u << target.bit);
        const uint8_t port = static_cast<uint8_t>(target.address);
        const bool wanted = step.kind == EStepKind::Click ||
                            ((RegisterFile[port] & mask) != 0) != (setting.value != 0);
        if (!core::IsInputPin(port, mask) || (wanted && !core::ClickPin(port, mask))) {
            report->failure = target.name + ": " + core::Tr("Port je setovan kao izlazni");
            return;
        }
    }
    // The clicks land now, so that what follows sees them.
    core::ApplyPinClicks();
    Sample();
}

void CScenarioStepper::MclrStep(SStepReport* report) {
    if (!core::PressMclr()) {
        report->failure = core::Tr(
            "reset: MCLR: klasican cip se ne resetuje preko MCLR; to radi cip po "
            "katalogu (chip: datasheet u scenariju ili lumo-run --chip datasheet)");
        return;
    }
    core::ApplyPinClicks();
    Sample();
}

void CScenarioStepper::ExpectStep(const SStep& step, SStepReport* report) {
    core::ApplyPinClicks();
    std::vector<SCondition> conditions;
    if (!Resolve(step.conditions, &conditions, &report->failure)) return;
    for (const SCondition& condition : conditions) {
        if (condition.target.kind == ETargetKind::Part) {
            std::string shown;
            if (PartHolds(condition, &shown)) continue;
            SMismatch& mismatch = report->mismatches.emplace_back();
            mismatch.key = condition.target.name;
            mismatch.expected =
                std::string(CompareText(condition.compare)) + " " + Quoted(condition.text);
            mismatch.actual = PartShows(condition.target, &shown)
                                  ? Quoted(shown)
                                  : core::Tr("nema takvog dela na ploci");
            continue;
        }
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
        report->failure = core::Fill(
            core::Tr("%1 od %2 ocekivanja nije ispunjeno"),
            {std::to_string(report->mismatches.size()), std::to_string(conditions.size())});
    }
}

void CScenarioStepper::BoardStep(const SStep& step, SStepReport* report) {
    board::CAttachedBoard* attached = Board();
    const int index = attached ? attached->PartIndex(step.part) : -1;
    if (index < 0) {
        report->failure = step.part + ": " + core::Tr("nema takvog dela na ploci");
        return;
    }
    const auto address = static_cast<uint8_t>(index);
    const auto label = static_cast<uint8_t>(step.key.empty() ? 0 : step.key[0]);
    const board::SPart& part = attached->Live().parts[address].part;
    if (board::IsResetButton(part) && step.kind != EStepKind::Type) {
        // The reset happens at the press, as with "reset: MCLR"; a hold or
        // a release adds nothing.
        if (step.kind == EStepKind::Press) {
            MclrStep(report);
        } else {
            Sample();
        }
        return;
    }
    if (step.kind == EStepKind::Type) {
        if (!std::holds_alternative<board::CSerialTerminal>(part)) {
            report->failure = step.part + core::Tr(": kucati se moze samo na terminalu (serial)");
            return;
        }
        for (const char ch : step.text) {
            core::ActOnBoard({core::SUserInput::EKind::Type, address, static_cast<uint8_t>(ch)});
        }
    } else {
        const bool keypad = std::holds_alternative<board::CKeypad>(part);
        if (keypad != !step.key.empty()) {
            report->failure =
                keypad ? core::Fill(core::Tr("%1: navedite taster, na primer %1.5"), {step.part})
                       : step.part + core::Tr(": ovaj deo nema tastere");
            return;
        }
        if (keypad && !std::get<board::CKeypad>(part).Wiring().labels.empty() &&
            std::string(std::get<board::CKeypad>(part).Wiring().labels.data(), 16).find(step.key) ==
                std::string::npos) {
            report->failure = core::Fill(core::Tr("%1: nema tastera '%2'"), {step.part, step.key});
            return;
        }
        const bool press = step.kind == EStepKind::Press;
        core::ActOnBoard({press ? core::SUserInput::EKind::Press : core::SUserInput::EKind::Release,
                          address, label});
        if (press && step.holdMicroseconds > 0) {
            const auto cycles = static_cast<uint64_t>(
                std::llround(step.holdMicroseconds * m_scenario.clockHz / 4e6));
            m_releases.push_back(
                {core::CycleCount + cycles, {core::SUserInput::EKind::Release, address, label}});
        }
    }
    core::ApplyPinClicks();
    Sample();
}

int EarnedPoints(const SScenarioReport& report) {
    if (!report.stepPoints) return report.passed ? report.points : 0;
    int earned = 0;
    for (const SStepReport& step : report.steps) {
        if (step.result == EStepResult::Held) earned += step.points;
    }
    return earned;
}

std::string HexAndBinary(unsigned value) {
    return Hex(value, 2) + " (" + Binary(value) + ")";
}

SScenarioReport RunScenario(const SScenario& scenario, const std::string& program, CVcdWriter* vcd,
                            const std::function<void()>& afterPass) {
    // The scenario's own board is attached for its run; without one, the
    // board its host attached (if any) serves.
    std::unique_ptr<board::CAttachedBoard> own;
    if (!scenario.board.empty()) {
        board::SBoard wiring;
        std::string error;
        if (!board::ReadBoardFile(scenario.board, &wiring, &error)) {
            return UnloadedReport(scenario, program, error);
        }
        own = std::make_unique<board::CAttachedBoard>(std::move(wiring), scenario.clockHz / 4);
        own->Attach();
    }
    const auto start = std::chrono::steady_clock::now();
    CStepMessages messages;
    auto stepper = std::make_shared<CScenarioStepper>(scenario, program, vcd);
    stepper->takeMessages = [&messages] { return messages.Take(); };
    // The scenario's chip for this run only: the next scenario of a batch
    // takes the setting again.
    const core::EChipProfile setting = core::ChipProfile;
    if (scenario.chip) core::ChipProfile = *scenario.chip;
    const uint32_t checksSetting = core::ChecksOn;
    const build::CSourceMap map = build::LoadSourceMap();
    core::ChecksOn = scenario.checks.value_or(checksSetting);
    if (core::ChecksOn) core::SetCheckProgram(build::CheckProgramFrom(map));
    const uint64_t since = core::EventLog.LastSerial();
    core::CRunDriver driver;
    driver.Reset();
    if (vcd) vcd->Sample(core::CycleCount);
    driver.Start(stepper);
    // A waveform sees the pins after every pass; otherwise the stepper alone
    // says how far each slice goes.
    const bool recording = (vcd && vcd->Recording()) || afterPass;
    if (recording) {
        driver.onChange = [vcd, &afterPass] {
            if (vcd) vcd->Sample(core::CycleCount);
            if (afterPass) afterPass();
        };
    }
    while (!stepper->Over()) driver.Slice(recording ? 1 : kPassesPerSlice);
    core::ChipProfile = setting;
    core::ChecksOn = checksSetting;
    SScenarioReport report = stepper->TakeReport();
    report.notes = CheckNotes(since, map);
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
    report.stepPoints = scenario.stepPoints;
    report.loaded = false;
    report.loadFailure = failure;
    for (const SStep& step : scenario.steps) {
        SStepReport& out = report.steps.emplace_back();
        out.line = step.line;
        out.step = DescribeStep(step);
        out.points = step.points;
    }
    return report;
}

}  // namespace scenario
