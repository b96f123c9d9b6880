#pragma once
// A grading scenario as read from its YAML file: what to run, what to click,
// and what must hold afterwards. Every step keeps the line it came from, so
// a report can point the teacher at it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/chip_profile.h"

namespace scenario {

enum class ECompare { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };

// What a condition looks at.
// Part: what a part of the board shows (see board::PartText), by its name,
// or one line of an LCD ("LCD.line2"). Eeprom: a byte of the data-sheet
// chip's data EEPROM ("EEPROM[3]").
enum class ETargetKind { Register, W, Bit, Pin, PC, Stack, Cycles, Instructions, Part, Eeprom };

struct STarget {
    ETargetKind kind = ETargetKind::W;
    int address = 0;   // register file index (Register, Bit, Pin), the byte's (Eeprom)
    int bit = 0;       // Bit, Pin
    std::string name;  // as the scenario wrote it, for the report
    // A Register named by the program (a variable such as `presses`): its
    // address is found in the program's map once the program is loaded.
    bool programName = false;
};

// "target op value"; a PC value may be a label, resolved once the program is
// loaded.
// A pin's change in the last pass, which only a run until may wait for.
enum class EEdge { None, Rise, Fall, Any };

struct SCondition {
    STarget target;
    ECompare compare = ECompare::Equal;
    EEdge edge = EEdge::None;  // a pin's edge instead of the comparison
    int64_t value = 0;
    std::string label;
    std::string text;  // what a part must show (Part)
    int line = 0;
    int column = 0;
};

// A pin and its level, or W or a register and the value written into it.
struct SSetting {
    STarget target;
    int value = 0;
};

// Press (held until its Release, or for holdMicroseconds), Release and Type
// act on a part of the board: a key ("KEYS.5"), a button, a terminal.
// Mclr resets the data-sheet chip as its MCLR pin does ("reset: MCLR").
enum class EStepKind {
    RunCycles,
    RunInstructions,
    RunMicroseconds,
    RunUntil,
    Click,
    Set,
    Expect,
    Press,
    Release,
    Type,
    Mclr
};

struct SStep {
    EStepKind kind = EStepKind::RunCycles;
    int line = 0;
    int column = 0;
    int64_t count = 0;                   // RunCycles, RunInstructions
    double microseconds = 0;             // RunMicroseconds
    std::vector<SCondition> conditions;  // RunUntil (all at once), Expect (each)
    std::vector<SSetting> settings;      // Click (one pin, value unused), Set
    int points = 0;    // Expect, RunUntil: earned when the step holds; 0 when it has none
    std::string part;  // Press, Release, Type: the part's name
    std::string key;   // Press, Release: the key's label, empty for a button
    std::string text;  // Type
    double holdMicroseconds = 0;  // Press: released after this long; 0 held until Release
};

constexpr int64_t kDefaultClockHz = 4'000'000;
constexpr int64_t kDefaultCycleLimit = 10'000'000;

struct SScenario {
    std::string file;     // as given
    std::string name;     // the file name when the scenario has none
    std::string program;  // relative paths already joined to the file's folder
    std::string board;    // the board file, likewise; empty for none
    double clockHz = kDefaultClockHz;
    int64_t limit = kDefaultCycleLimit;
    int points = 1;  // what it is worth: the sum of its steps' points when they carry any
    bool stepPoints = false;
    // How far from the model solution's a pin change may come and still
    // count as the same, when the program is compared with one.
    // The chip the run is made on; the setting's when absent.
    std::optional<core::EChipProfile> chip;
    int64_t toleranceCycles = 0;
    double toleranceMicroseconds = 0;
    // The run-time checks its runs make (ECheckKind bits); those switched
    // on where it runs when absent.
    std::optional<uint32_t> checks;
    std::vector<SStep> steps;
};

// The text that names a step in a report: "run {cycles: 500}", "click RB0".
std::string DescribeStep(const SStep& step);
// "rise", "fall" or "edge", as a scenario writes it.
const char* EdgeWord(EEdge edge);
std::string DescribeCondition(const SCondition& condition);
const char* CompareText(ECompare compare);

}  // namespace scenario
