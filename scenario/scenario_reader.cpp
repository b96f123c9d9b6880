#include "scenario/scenario_reader.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "board/board_reader.h"
#include "core/check_kinds.h"
#include "core/state.h"
#include "core/texts/translate.h"
#include "core/user_input.h"
#include "scenario/scenario_names.h"

namespace scenario {

namespace {
// A scenario is a few dozen lines; this bounds what a wrong file costs.
constexpr std::streamsize kMaxScenarioBytes = 1 << 20;
constexpr int kLastWord = 1023;
constexpr int kStackDepth = 8;

std::string Upper(std::string text) {
    for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return text;
}

// A name an assembler could give a variable.
bool IsIdentifier(const std::string& name) {
    const auto wordChar = [](char ch) {
        return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_';
    };
    return !name.empty() && !std::isdigit(static_cast<unsigned char>(name[0])) &&
           std::all_of(name.begin(), name.end(), wordChar);
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

bool ParseWhole(const std::string& text, int64_t* value) {
    int base = 10;
    size_t at = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        at = 2;
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'b' || text[1] == 'B')) {
        base = 2;
        at = 2;
    }
    if (at >= text.size() || text[at] == '_' || text.back() == '_') return false;
    int64_t result = 0;
    for (; at < text.size(); ++at) {
        const char ch = static_cast<char>(std::toupper(static_cast<unsigned char>(text[at])));
        if (ch == '_') continue;
        int digit;
        if (ch >= '0' && ch <= '9') {
            digit = ch - '0';
        } else if (ch >= 'A' && ch <= 'F') {
            digit = ch - 'A' + 10;
        } else {
            return false;
        }
        if (digit >= base || result > (INT64_MAX - digit) / base) return false;
        result = result * base + digit;
    }
    *value = result;
    return true;
}

namespace {
// A plain positive decimal number such as 4, 32.768 or 250.5.
bool ParseDecimal(const std::string& text, double* value) {
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) return false;
    size_t dots = 0;
    for (char ch : text) {
        if (ch == '.') {
            ++dots;
        } else if (!std::isdigit(static_cast<unsigned char>(ch))) {
            return false;
        }
    }
    if (dots > 1 || text.back() == '.') return false;
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    in >> *value;
    return static_cast<bool>(in) && std::isfinite(*value) && *value > 0;
}

}  // namespace

bool ParseClock(const std::string& given, double* hz) {
    const std::string text = Trim(given);
    size_t unitAt = 0;
    while (unitAt < text.size() &&
           (std::isdigit(static_cast<unsigned char>(text[unitAt])) || text[unitAt] == '.')) {
        ++unitAt;
    }
    const std::string unit = Upper(Trim(text.substr(unitAt)));
    double scale = 0;
    if (unit.empty() || unit == "HZ") {
        scale = 1;
    } else if (unit == "KHZ") {
        scale = 1e3;
    } else if (unit == "MHZ") {
        scale = 1e6;
    }
    double value = 0;
    // Four hertz make one instruction cycle a second; no PIC16C84 ever ran
    // near a gigahertz.
    if (scale == 0 || !ParseDecimal(text.substr(0, unitAt), &value) || value * scale < 4 ||
        value * scale > 1e9) {
        return false;
    }
    *hz = value * scale;
    return true;
}

namespace {
class CReader {
public:
    CReader(const std::string& file, SScenario* scenario) : m_file(file), m_scenario(scenario) {}

    bool Document(const YAML::Node& root);
    const std::string& Error() const { return m_error; }

private:
    // An empty value has no place of its own (yaml-cpp puts it where the
    // next token starts, often lines later); the key last looked at stands
    // in for it.
    bool Fail(const YAML::Node& node, const std::string& message) {
        YAML::Mark mark = node.Mark();
        if (mark.is_null() || node.IsNull()) mark = m_lastMark;
        return FailAt(mark, message);
    }
    bool FailAt(const YAML::Mark& mark, const std::string& message) {
        m_error = m_file + ":" + std::to_string(mark.line + 1) + ":" +
                  std::to_string(mark.column + 1) + ": " + message;
        return false;
    }
    bool Scalar(const YAML::Node& node, const char* what, std::string* text) {
        if (!node.Mark().is_null()) m_lastMark = node.Mark();
        if (!node.IsScalar())
            return Fail(node, core::Fill(core::Tr("%1: ocekuje se jedna vrednost"), {what}));
        *text = Trim(node.Scalar());
        return true;
    }
    bool Whole(const YAML::Node& node, const char* what, int64_t low, int64_t high,
               int64_t* value) {
        std::string text;
        if (!Scalar(node, what, &text)) return false;
        if (!ParseWhole(text, value) || *value < low || *value > high) {
            return Fail(node, core::Fill(core::Tr("%1: ocekuje se ceo broj od %2 do %3, a ne '%4'"),
                                         {what, std::to_string(low), std::to_string(high), text}));
        }
        return true;
    }
    bool SingleKey(const YAML::Node& node, const char* what, std::string* key, YAML::Node* value);

    bool Clock(const YAML::Node& node);
    bool Tolerance(const YAML::Node& node);
    bool Checks(const YAML::Node& node);
    bool Steps(const YAML::Node& node);
    bool StepKey(const YAML::Node& node, std::string* kind, YAML::Node* value, SStep* step);
    bool Step(const YAML::Node& node);
    bool Run(const YAML::Node& node, SStep* step);
    bool Until(const YAML::Node& node, SStep* step);
    // edges: a pin's rise, fall or edge may stand for a level (run until).
    bool Conditions(const YAML::Node& node, std::vector<SCondition>* conditions,
                    bool edges = false);
    bool Condition(const YAML::Node& key, const YAML::Node& value, SCondition* condition,
                   bool edges);
    bool Target(const YAML::Node& key, STarget* target);
    bool Pin(const YAML::Node& node, STarget* pin);
    bool Setting(const YAML::Node& key, const YAML::Node& value, SSetting* setting);
    bool Program(const YAML::Node& node, std::string* out);
    void NotePart(const YAML::Node& node, const std::string& what);
    bool Board(const YAML::Node& node);
    bool IsBoardPart(const std::string& name) const;
    bool PartAction(const YAML::Node& node, const std::string& kind, SStep* step);
    bool TypeAction(const YAML::Node& node, SStep* step);

    std::string m_file;
    SScenario* m_scenario;
    std::string m_error;
    YAML::Mark m_lastMark;
    std::optional<YAML::Mark> m_partMark;  // the first use of a part
    std::string m_partWhat;
    std::vector<std::string> m_partNames;  // the board's, in upper case
    YAML::Mark m_kindMark;                 // where the step being read has its kind and its points
    YAML::Mark m_pointsMark;
};

bool CReader::SingleKey(const YAML::Node& node, const char* what, std::string* key,
                        YAML::Node* value) {
    if (!node.IsMap() || node.size() != 1) {
        return Fail(node, core::Fill(core::Tr("%1: ocekuje se tacno jedan kljuc"), {what}));
    }
    const auto entry = node.begin();
    if (!Scalar(entry->first, what, key)) return false;
    *value = entry->second;
    return true;
}

bool CReader::Document(const YAML::Node& root) {
    if (!root.IsMap())
        return Fail(root, core::Tr("scenario mora biti mapa kljuceva (name, steps, ...)"));
    // The board first, wherever its key stands: its parts' names are names
    // the steps may use.
    if (root["board"] && !Board(root["board"])) return false;
    bool haveSteps = false;
    std::optional<YAML::Mark> pointsMark;
    for (const auto& entry : root) {
        std::string key;
        if (!Scalar(entry.first, core::Tr("kljuc"), &key)) return false;
        const YAML::Node& value = entry.second;
        if (key == "name") {
            if (!Scalar(value, "name", &m_scenario->name)) return false;
        } else if (key == "program") {
            if (!Program(value, &m_scenario->program)) return false;
        } else if (key == "board") {
            // Read above.
        } else if (key == "clock") {
            if (!Clock(value)) return false;
        } else if (key == "limit") {
            if (!Whole(value, "limit", 1, INT64_MAX / 4, &m_scenario->limit)) return false;
        } else if (key == "points") {
            int64_t points = 0;
            if (!Whole(value, "points", 0, 1'000'000, &points)) return false;
            m_scenario->points = static_cast<int>(points);
            pointsMark = entry.first.Mark();
        } else if (key == "steps") {
            if (!Steps(value)) return false;
            haveSteps = true;
        } else if (key == "tolerance") {
            if (!Tolerance(value)) return false;
        } else if (key == "checks") {
            if (!Checks(value)) return false;
        } else if (key == "chip") {
            std::string name;
            if (!Scalar(value, "chip", &name)) return false;
            m_scenario->chip = core::ChipProfileNamed(name);
            if (!m_scenario->chip) {
                return Fail(
                    value, core::Fill(core::Tr("chip: ocekuje se classic ili datasheet, a ne '%1'"),
                                      {name}));
            }
        } else {
            return Fail(entry.first,
                        core::Fill(core::Tr("nepoznat kljuc '%1' (poznati: name, program, board, "
                                            "clock, limit, points, tolerance, chip, checks, "
                                            "steps)"),
                                   {key}));
        }
    }
    if (!haveSteps) return Fail(root, core::Tr("nedostaje kljuc 'steps'"));
    // A part is known only by the board the scenario names.
    if (m_scenario->board.empty() && m_partMark) return FailAt(*m_partMark, m_partWhat);
    if (!m_scenario->stepPoints) return true;
    if (pointsMark) {
        return FailAt(*pointsMark,
                      core::Tr("points: bodovi se daju celom scenariju ili koracima, ne i jednom i "
                               "drugom"));
    }
    m_scenario->points = 0;
    for (const SStep& step : m_scenario->steps) m_scenario->points += step.points;
    return true;
}

bool CReader::Program(const YAML::Node& node, std::string* out) {
    std::string path;
    const char* what = out == &m_scenario->board ? "board" : "program";
    if (!Scalar(node, what, &path)) return false;
    if (path.empty()) return Fail(node, core::Fill(core::Tr("%1: prazno ime datoteke"), {what}));
    const size_t slash = m_file.rfind('/');
    if (path[0] != '/' && slash != std::string::npos) path = m_file.substr(0, slash + 1) + path;
    *out = path;
    return true;
}

bool CReader::Board(const YAML::Node& node) {
    if (!Program(node, &m_scenario->board)) return false;
    board::SBoard wiring;
    std::string error;
    if (!board::ReadBoardFile(m_scenario->board, &wiring, &error)) {
        return Fail(node, "board: " + error);
    }
    for (const board::SBoardPart& part : wiring.parts) m_partNames.push_back(Upper(part.name));
    return true;
}

// A part's name, or an LCD's line ("LCD.line2"), in any case.
bool CReader::IsBoardPart(const std::string& name) const {
    const std::string part = Upper(name.substr(0, name.find('.')));
    return std::find(m_partNames.begin(), m_partNames.end(), part) != m_partNames.end();
}

// The first use of a part, for the message when the scenario names no board.
void CReader::NotePart(const YAML::Node& node, const std::string& what) {
    if (m_partMark) return;
    m_partMark = node.Mark();
    m_partWhat = what;
}

// "KEYS.5", "START", or {START: 20 ms}.
bool CReader::PartAction(const YAML::Node& node, const std::string& kind, SStep* step) {
    std::string name;
    if (node.IsMap()) {
        if (kind != "press" || node.size() != 1) {
            return Fail(
                node, core::Fill(
                          core::Tr("%1: ocekuje se deo ploce, na primer KEYS.5 ili {START: 20 ms}"),
                          {kind}));
        }
        const auto entry = *node.begin();
        if (!Scalar(entry.first, kind.c_str(), &name)) return false;
        std::string hold;
        if (!Scalar(entry.second, kind.c_str(), &hold)) return false;
        double amount = 0;
        char unit[8] = "";
        if (std::sscanf(hold.c_str(), "%lf %7s", &amount, unit) != 2 || !(amount > 0) ||
            amount > 1e9) {
            return Fail(
                entry.second,
                core::Fill(core::Tr("%1: ocekuje se trajanje, na primer '20 ms', a ne '%2'"),
                           {kind, hold}));
        }
        const std::string u = unit;
        const double scale = u == "us" ? 1 : u == "ms" ? 1e3 : u == "s" ? 1e6 : 0;
        if (scale == 0) {
            return Fail(entry.second,
                        core::Fill(core::Tr("%1: jedinica trajanja je us, ms ili s, a ne '%2'"),
                                   {kind, u}));
        }
        step->holdMicroseconds = amount * scale;
    } else if (!Scalar(node, kind.c_str(), &name)) {
        return false;
    }
    const size_t dot = name.find('.');
    step->part = Trim(name.substr(0, dot));
    if (dot != std::string::npos) step->key = Trim(name.substr(dot + 1));
    if (step->part.empty() || (dot != std::string::npos && step->key.size() != 1)) {
        return Fail(
            node, core::Fill(core::Tr("%1: ocekuje se deo ploce i po zelji jedan taster, na primer "
                                      "KEYS.5, a ne '%2'"),
                             {kind, name}));
    }
    NotePart(node, core::Fill(core::Tr("%1: deo '%2' postoji samo na ploci (kljuc board)"),
                              {kind, step->part}));
    return true;
}

bool CReader::TypeAction(const YAML::Node& node, SStep* step) {
    if (!node.IsMap() || node.size() != 1) {
        return Fail(node, core::Tr("type: ocekuje se terminal i tekst, na primer {TERM: \"abc\"}"));
    }
    const auto entry = *node.begin();
    if (!Scalar(entry.first, "type", &step->part) || !Scalar(entry.second, "type", &step->text)) {
        return false;
    }
    NotePart(node, core::Fill(core::Tr("%1: deo '%2' postoji samo na ploci (kljuc board)"),
                              {"type", step->part}));
    return true;
}

// "all", or a list of kinds: [bank, stack].
bool CReader::Checks(const YAML::Node& node) {
    if (node.IsScalar() && node.Scalar() == "all") {
        m_scenario->checks = core::kAllChecks;
        return true;
    }
    if (!node.IsSequence()) {
        return Fail(node,
                    core::Tr("checks: ocekuje se 'all' ili spisak vrsta provera ([bank, stack])"));
    }
    uint32_t kinds = 0;
    for (const YAML::Node& item : node) {
        core::ECheckKind kind;
        if (!item.IsScalar() || !core::CheckKindNamed(item.Scalar(), &kind)) {
            std::string known;
            for (int index = 0; index < core::kCheckKinds; ++index)
                known += std::string(index ? ", " : "") +
                         std::string(core::CheckKindName(static_cast<core::ECheckKind>(index)));
            return Fail(
                item, core::Fill(core::Tr("checks: nepoznata vrsta provere; postoje %1"), {known}));
        }
        kinds |= core::CheckBit(kind);
    }
    m_scenario->checks = kinds;
    return true;
}

// "50 cycles", "50" (cycles) or "20 us": the model comparison's slack.
bool CReader::Tolerance(const YAML::Node& node) {
    std::string text;
    if (!Scalar(node, "tolerance", &text)) return false;
    std::istringstream in(text);
    double amount = -1;
    std::string unit;
    std::string rest;
    const bool read = static_cast<bool>(in >> amount);
    in >> unit;
    const bool whole = read && !(in >> rest) && amount >= 0 && amount <= 1e12;
    if (whole && (unit.empty() || unit == "cycles" || unit == "ciklusa") &&
        amount == std::floor(amount)) {
        m_scenario->toleranceCycles = static_cast<int64_t>(amount);
        return true;
    }
    if (whole && unit == "us") {
        m_scenario->toleranceMicroseconds = amount;
        return true;
    }
    return Fail(node, core::Fill(core::Tr("tolerance: ocekuje se broj ciklusa ('50 cycles') ili "
                                          "mikrosekundi ('20 us'), a ne '%1'"),
                                 {text}));
}

bool CReader::Clock(const YAML::Node& node) {
    std::string text;
    if (!Scalar(node, "clock", &text)) return false;
    if (!ParseClock(text, &m_scenario->clockHz)) {
        return Fail(
            node,
            core::Fill(core::Tr("clock: ocekuje se frekvencija od 4 Hz do 1000 MHz, na primer "
                                "'4 MHz' ili '32.768 kHz', a ne '%1'"),
                       {text}));
    }
    return true;
}

bool CReader::Steps(const YAML::Node& node) {
    if (!node.IsSequence()) return Fail(node, core::Tr("steps: ocekuje se lista koraka"));
    for (const auto& step : node) {
        if (!Step(step)) return false;
    }
    return true;
}

// A step is one key, and the points it earns beside it where it has any.
bool CReader::StepKey(const YAML::Node& node, std::string* kind, YAML::Node* value, SStep* step) {
    if (!node.IsMap() || node.size() == 0 || node.size() > 2) {
        return Fail(node, core::Tr("korak: ocekuje se tacno jedan kljuc, i po zelji points"));
    }
    for (const auto& entry : node) {
        std::string key;
        if (!Scalar(entry.first, core::Tr("korak"), &key)) return false;
        if (key == "points") {
            int64_t points = 0;
            if (!Whole(entry.second, "points", 1, 1'000'000, &points)) return false;
            step->points = static_cast<int>(points);
            m_pointsMark = entry.first.Mark();
        } else if (kind->empty()) {
            *kind = key;
            *value = entry.second;
            m_kindMark = entry.first.Mark();
        } else {
            return Fail(entry.first,
                        core::Tr("korak: ocekuje se tacno jedan kljuc, i po zelji points"));
        }
    }
    if (kind->empty()) return Fail(node, core::Tr("korak: points bez koraka"));
    return true;
}

bool CReader::Step(const YAML::Node& node) {
    std::string kind;
    YAML::Node value;
    SStep step;
    if (!StepKey(node, &kind, &value, &step)) return false;
    step.line = node.Mark().line + 1;
    step.column = node.Mark().column + 1;
    if (kind == "run") {
        if (!Run(value, &step)) return false;
    } else if (kind == "click") {
        step.kind = EStepKind::Click;
        SSetting pin;
        if (!Pin(value, &pin.target)) return false;
        step.settings.push_back(pin);
    } else if (kind == "set") {
        step.kind = EStepKind::Set;
        if (!value.IsMap() || value.size() == 0) {
            return Fail(value, core::Tr("set: ocekuje se mapa pinova, registara ili W i vrednosti, "
                                        "na primer {RA0: 1, W: 5}"));
        }
        for (const auto& entry : value) {
            SSetting setting;
            if (!Setting(entry.first, entry.second, &setting)) return false;
            step.settings.push_back(setting);
        }
    } else if (kind == "expect") {
        step.kind = EStepKind::Expect;
        if (!Conditions(value, &step.conditions)) return false;
    } else if (kind == "press" || kind == "release") {
        step.kind = kind == "press" ? EStepKind::Press : EStepKind::Release;
        if (!PartAction(value, kind, &step)) return false;
    } else if (kind == "type") {
        step.kind = EStepKind::Type;
        if (!TypeAction(value, &step)) return false;
    } else if (kind == "reset") {
        step.kind = EStepKind::Mclr;
        std::string what;
        if (!Scalar(value, "reset", &what)) return false;
        if (Upper(what) != "MCLR") {
            return Fail(
                value,
                core::Fill(core::Tr("reset: jedini reset koji scenario zadaje je MCLR, a ne '%1'"),
                           {what}));
        }
    } else {
        return FailAt(
            m_kindMark,
            core::Fill(core::Tr("nepoznat korak '%1' (poznati: run, click, set, expect, press, "
                                "release, type, reset)"),
                       {kind}));
    }
    if (step.points > 0) {
        // What earns points is a check the program can pass or fail.
        if (step.kind != EStepKind::Expect && step.kind != EStepKind::RunUntil) {
            return FailAt(m_pointsMark,
                          core::Tr("points: bodove nosi samo korak expect ili run until"));
        }
        m_scenario->stepPoints = true;
    }
    m_scenario->steps.push_back(step);
    return true;
}

bool CReader::Run(const YAML::Node& node, SStep* step) {
    std::string kind;
    YAML::Node value;
    if (!SingleKey(node, "run", &kind, &value)) return false;
    if (kind == "cycles" || kind == "instructions") {
        step->kind = kind == "cycles" ? EStepKind::RunCycles : EStepKind::RunInstructions;
        return Whole(value, kind == "cycles" ? "cycles" : "instructions", 1, INT64_MAX / 4,
                     &step->count);
    }
    if (kind == "us") {
        std::string text;
        if (!Scalar(value, "us", &text)) return false;
        step->kind = EStepKind::RunMicroseconds;
        if (!ParseDecimal(text, &step->microseconds) || step->microseconds > 1e12) {
            return Fail(
                value, core::Fill(core::Tr("us: ocekuje se pozitivan broj mikrosekundi, a ne '%1'"),
                                  {text}));
        }
        return true;
    }
    if (kind == "until") return Until(value, step);
    return Fail(
        node.begin()->first,
        core::Fill(core::Tr("run: nepoznat kljuc '%1' (poznati: cycles, instructions, us, until)"),
                   {kind}));
}

bool CReader::Until(const YAML::Node& node, SStep* step) {
    step->kind = EStepKind::RunUntil;
    if (node.IsMap()) {
        if (node.size() == 0) return Fail(node, core::Tr("until: prazan uslov"));
        return Conditions(node, &step->conditions, true);
    }
    // A bare label or address: until PC stands there.
    SCondition condition;
    condition.target.kind = ETargetKind::PC;
    condition.target.name = "PC";
    condition.line = node.Mark().line + 1;
    condition.column = node.Mark().column + 1;
    std::string text;
    if (!Scalar(node, "until", &text)) return false;
    if (text.empty()) return Fail(node, core::Tr("until: ocekuje se labela, adresa ili uslov"));
    if (std::isdigit(static_cast<unsigned char>(text[0]))) {
        if (!Whole(node, "until", 0, kLastWord, &condition.value)) return false;
    } else {
        condition.label = text;
    }
    step->conditions.push_back(condition);
    return true;
}

bool CReader::Conditions(const YAML::Node& node, std::vector<SCondition>* conditions, bool edges) {
    if (!node.IsMap() || node.size() == 0) {
        return Fail(node, core::Tr("ocekuje se mapa uslova, na primer {PORTB: 0x01, Z: 1}"));
    }
    for (const auto& entry : node) {
        SCondition condition;
        if (!Condition(entry.first, entry.second, &condition, edges)) return false;
        conditions->push_back(condition);
    }
    return true;
}

bool CReader::Target(const YAML::Node& key, STarget* target) {
    std::string name;
    if (!Scalar(key, core::Tr("ime"), &name)) return false;
    target->name = name;
    const std::string upper = Upper(name);
    if (!name.empty() && std::isdigit(static_cast<unsigned char>(name[0]))) {
        int64_t address = 0;
        if (!Whole(key, core::Tr("adresa registra"), 0, core::kRegisterFileSize - 1, &address))
            return false;
        target->kind = ETargetKind::Register;
        target->address = static_cast<int>(address);
    } else if (upper == "W") {
        target->kind = ETargetKind::W;
    } else if (upper == "PC") {
        target->kind = ETargetKind::PC;
    } else if (upper == "STACK") {
        target->kind = ETargetKind::Stack;
    } else if (upper == "CYCLES") {
        target->kind = ETargetKind::Cycles;
    } else if (upper == "INSTRUCTIONS") {
        target->kind = ETargetKind::Instructions;
    } else if (const auto byte = FindEepromByte(name)) {
        if (*byte < 0) {
            return Fail(key,
                        core::Fill(core::Tr("'%1': bajt EEPROM-a se zadaje adresom od 0 do 63, "
                                            "na primer EEPROM[3] ili EEPROM[0x3F]"),
                                   {name}));
        }
        target->kind = ETargetKind::Eeprom;
        target->address = *byte;
        target->name = EepromByteName(*byte);
    } else if (const auto reg = FindRegister(name)) {
        target->kind = ETargetKind::Register;
        target->address = reg->address;
    } else if (const auto bit = FindBit(name)) {
        target->kind = ETargetKind::Bit;
        target->address = bit->address;
        target->bit = bit->bit;
    } else if (const auto pin = FindPin(name)) {
        target->kind = ETargetKind::Pin;
        target->address = pin->port;
        target->bit = pin->bit;
    } else if (IsBoardPart(name)) {
        target->kind = ETargetKind::Part;
    } else if (IsIdentifier(name)) {
        // Only the loaded program knows its variables.
        target->kind = ETargetKind::Register;
        target->programName = true;
    } else {
        return Fail(
            key, core::Fill(core::Tr("nepoznato ime '%1' (registar, adresa registra, W, bit "
                                     "STATUS/INTCON/OPTION, pin, PC, stack, cycles, instructions, "
                                     "EEPROM[n], promenljiva programa ili deo ploce)"),
                            {name}));
    }
    return true;
}

bool CReader::Pin(const YAML::Node& node, STarget* pin) {
    std::string name;
    if (!Scalar(node, "pin", &name)) return false;
    const auto found = FindPin(name);
    if (!found)
        return Fail(node, core::Fill(core::Tr("nepoznat pin '%1' (RA0-RA4, RB0-RB7)"), {name}));
    pin->kind = ETargetKind::Pin;
    pin->name = found->name;
    pin->address = found->port;
    pin->bit = found->bit;
    return true;
}

// A pin's level, or a value for W or a register that the user could write
// in the window.
bool CReader::Setting(const YAML::Node& key, const YAML::Node& value, SSetting* setting) {
    if (!Target(key, &setting->target)) return false;
    int64_t number = 0;
    switch (setting->target.kind) {
        case ETargetKind::Pin:
            if (!Whole(value, core::Tr("nivo pina"), 0, 1, &number)) return false;
            break;
        case ETargetKind::Register:
            if (const char* refusal = setting->target.programName
                                          ? nullptr
                                          : core::RegisterEditRefusal(setting->target.address)) {
                return Fail(key, "set: " + setting->target.name + ": " + refusal);
            }
            [[fallthrough]];
        case ETargetKind::W:
            if (!Whole(value, core::Tr("vrednost registra"), 0, 0xFF, &number)) return false;
            break;
        case ETargetKind::Eeprom:
            if (!Whole(value, core::Tr("vrednost bajta"), 0, 0xFF, &number)) return false;
            break;
        default:
            return Fail(
                key,
                core::Fill(core::Tr("set: postavlja se pin (RA0-RA4, RB0-RB7), W, registar ili "
                                    "EEPROM[n], a ne '%1'"),
                           {setting->target.name}));
    }
    setting->value = static_cast<int>(number);
    return true;
}

bool CReader::Condition(const YAML::Node& key, const YAML::Node& value, SCondition* condition,
                        bool edges) {
    if (!Target(key, &condition->target)) return false;
    condition->line = key.Mark().line + 1;
    condition->column = key.Mark().column + 1;
    std::string text;
    if (!Scalar(value, condition->target.name.c_str(), &text)) return false;
    if (condition->target.kind == ETargetKind::Part) {
        condition->text = text;
        return true;
    }
    if (condition->target.kind == ETargetKind::Pin) {
        for (const EEdge edge : {EEdge::Rise, EEdge::Fall, EEdge::Any}) {
            if (Upper(text) != Upper(EdgeWord(edge))) continue;
            if (!edges) {
                return Fail(
                    value,
                    core::Fill(core::Tr("%1: %2 je promena pina: na nju ceka samo run until"),
                               {condition->target.name, text}));
            }
            condition->edge = edge;
            return true;
        }
    }

    static const std::pair<const char*, ECompare> kOperators[] = {
        {"==", ECompare::Equal},          {"!=", ECompare::NotEqual}, {"<=", ECompare::LessOrEqual},
        {">=", ECompare::GreaterOrEqual}, {"<", ECompare::Less},      {">", ECompare::Greater},
    };
    for (const auto& [symbol, compare] : kOperators) {
        if (text.rfind(symbol, 0) == 0) {
            condition->compare = compare;
            text = Trim(text.substr(std::char_traits<char>::length(symbol)));
            break;
        }
    }

    int64_t high = 0;
    const char* what = "";
    switch (condition->target.kind) {
        case ETargetKind::Register:
        case ETargetKind::W:
            high = 0xFF;
            what = core::Tr("vrednost registra");
            break;
        case ETargetKind::Eeprom:
            high = 0xFF;
            what = core::Tr("vrednost bajta");
            break;
        case ETargetKind::Bit:
        case ETargetKind::Pin:
            high = 1;
            what = core::Tr("nivo bita");
            break;
        case ETargetKind::PC:
            high = kLastWord + 1;
            what = core::Tr("adresa ili labela");
            break;
        case ETargetKind::Stack:
            high = kStackDepth;
            what = core::Tr("dubina steka");
            break;
        case ETargetKind::Cycles:
        case ETargetKind::Instructions:
        case ETargetKind::Part:  // read above
            high = INT64_MAX;
            what = core::Tr("broj");
            break;
    }
    if (condition->target.kind == ETargetKind::PC && !text.empty() &&
        !std::isdigit(static_cast<unsigned char>(text[0]))) {
        condition->label = text;
        return true;
    }
    if (!ParseWhole(text, &condition->value) || condition->value > high) {
        return Fail(
            value,
            core::Fill(core::Tr("%1: %2 od 0 do %3, s poredjenjem ==, !=, <, <=, > ili >= "
                                "ispred po zelji, a ne '%4'"),
                       {condition->target.name, what, std::to_string(high), value.Scalar()}));
    }
    return true;
}
}  // namespace

bool ReadScenarioText(const std::string& text, const std::string& file, SScenario* scenario,
                      std::string* error) {
    *scenario = SScenario{};
    scenario->file = file;
    const size_t slash = file.rfind('/');
    scenario->name = slash == std::string::npos ? file : file.substr(slash + 1);
    CReader reader(file, scenario);
    try {
        if (reader.Document(YAML::Load(text))) return true;
        *error = reader.Error();
    } catch (const YAML::Exception& e) {
        *error = file + ":" + std::to_string(e.mark.line + 1) + ":" +
                 std::to_string(e.mark.column + 1) + ": " + e.msg;
        // Inside {...} YAML takes the bracket of EEPROM[n] for a list.
        if (text.find("EEPROM[") != std::string::npos ||
            text.find("eeprom[") != std::string::npos) {
            *error +=
                core::Tr(" (EEPROM[n] unutar {...} ide pod navodnike: {\"EEPROM[3]\": 0x41})");
        }
    }
    // The message quotes the scenario's own text: one line on the terminal,
    // whatever bytes that held.
    for (char& ch : *error) {
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) ch = '?';
    }
    return false;
}

bool ReadScenarioFile(const std::string& path, SScenario* scenario, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = core::Fill(core::Tr("%1: datoteka se ne moze procitati"), {path});
        return false;
    }
    std::string text(static_cast<size_t>(kMaxScenarioBytes) + 1, '\0');
    in.read(text.data(), kMaxScenarioBytes + 1);
    if (in.bad()) {
        *error = core::Fill(core::Tr("%1: datoteka se ne moze procitati"), {path});
        return false;
    }
    text.resize(static_cast<size_t>(in.gcount()));
    if (text.size() > static_cast<size_t>(kMaxScenarioBytes)) {
        *error = core::Fill(core::Tr("%1: scenario je veci od 1 MB"), {path});
        return false;
    }
    return ReadScenarioText(text, path, scenario, error);
}

}  // namespace scenario
