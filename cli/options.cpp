#include "cli/options.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "core/check_kinds.h"
#include "core/state.h"
#include "scenario/scenario_reader.h"

namespace cli {

using namespace scenario;

const char kUsage[] =
    "usage: lumo-run [--steps N] [--break ADDR|LABEL]... [--pin NAME@K]... [--trace] [--json]\n"
    "                [--events FILE] [--back K] [--vcd FILE] [--clock FREQ] [--record FILE]\n"
    "                [--realtime [FACTOR]] [--until CONDITION] [--chip PROFILE] [--board FILE]\n"
    "                [--checks [KINDS]] [--lang sr|en] [--profile FILE]\n"
    "                PROGRAM\n"
    "       lumo-run --scenario FILE... [--json] [--junit FILE] [--vcd FILE] [--compare MODEL]\n"
    "                [--board FILE] [--checks [KINDS]] [--lang sr|en] [PROGRAM]\n"
    "  PROGRAM        an object file (*.obj), an assembly source (*.asm) or a standard\n"
    "                 Intel HEX file (*.hex)\n"
    "  --steps N      run at most N instructions (default 1000)\n"
    "  --break ADDR   pause at a word address (decimal or 0x-hex, 1-1023) or at a label\n"
    "                 of the listing; at most 8\n"
    "  --pin NAME@K   before instruction K (from 0) switch pin NAME (RA0-RA4, RB0-RB7)\n"
    "  --trace        print the state after every instruction, not only after the last\n"
    "  --json         print each state as one JSON object per line\n"
    "  --events FILE  write what happened (interrupts, messages, clicks, ...) to FILE,\n"
    "                 one JSON object per line\n"
    "  --back K       after the run go back K instructions and print that state instead,\n"
    "                 as a run of that many instructions fewer prints it\n"
    "  --vcd FILE     write the pins' levels and directions as a Value Change Dump,\n"
    "                 and with a board each part's signals in a scope of its own\n"
    "  --clock FREQ   oscillator frequency for the dump's time, e.g. 4MHz (default)\n"
    "  --realtime [FACTOR]  run as fast as the chip at --clock would, or FACTOR times\n"
    "                 that (0.1 or 1/10: ten times slower); scenarios are not paced\n"
    "  --until CONDITION  pause when the pins come to meet CONDITION: terms PIN=0,\n"
    "                 PIN=1, PIN:rise, PIN:fall or PIN:edge joined by commas, all at\n"
    "                 once (RB0:rise, RB0=1,RB1=0); the state reads \"paused\"\n"
    "  --scenario FILE  play a scenario (YAML) on PROGRAM or on the program it names;\n"
    "                 exit status 0 when every step held, 1 when one failed\n"
    "  --junit FILE   write the scenarios' results as JUnit XML\n"
    "  --chip PROFILE run as the chip PROFILE: classic (the default: starts at word 5,\n"
    "                 PCL writes do not jump) or datasheet (the PIC16C84 as its data sheet\n"
    "                 describes it: word 0, PCLATH jumps, SLEEP, watchdog, EEPROM); a\n"
    "                 scenario's own chip: key wins\n"
    "  --compare MODEL  also run each scenario on the model solution MODEL and compare the\n"
    "                 pins with it (within the scenario's tolerance); the first difference\n"
    "                 fails the scenario, with its cycle, pin and source line\n"
    "  --record FILE  write the run as a scenario: its pin switches at their cycles and\n"
    "                 the final state as what to expect\n"
    "  --board FILE   put the lab board of FILE (YAML) on the pins and print what its\n"
    "                 parts show after the run; without it NAME.board.yaml beside\n"
    "                 NAME.asm is used when it exists; a scenario's board: key wins\n"
    "  --checks [KINDS]  explain the classic mistakes as the program makes them, once per\n"
    "                 source line: all kinds, or those of the comma list KINDS (bank,\n"
    "                 pcl_page, stack, isr_flag, rbif_read, isr_context, uninitialised,\n"
    "                 eeprom_sequence, wdt_reset, rmw_port); printed before the state (with\n"
    "                 --json as events), and written with --events; a scenario's report\n"
    "                 lists them as notes\n"
    "  --lang sr|en   the language of the messages and reports for people: Serbian or\n"
    "                 English; without it English when LANGUAGE, LC_ALL, LC_MESSAGES or\n"
    "                 LANG names en*, else Serbian (LANG=C: Serbian); JSON keys, event\n"
    "                 names and the files written keep their form\n"
    "  --profile FILE write how often each source line ran and its cycles as CSV\n"
    "                 (file,line,count,cycles; every line with code) to FILE, and each\n"
    "                 routine's calls, own cycles and share to FILE less .csv plus\n"
    "                 -routines.csv\n";

namespace {
// Whole, non-negative numbers only: decimal, or hexadecimal after 0x.
bool ParseNumber(const std::string& text, int64_t limit, int64_t* value) {
    int base = 10;
    size_t start = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        start = 2;
    }
    if (start >= text.size()) return false;
    int64_t result = 0;
    for (size_t i = start; i < text.size(); ++i) {
        const char ch = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        int digit;
        if (ch >= '0' && ch <= '9') {
            digit = ch - '0';
        } else if (base == 16 && ch >= 'A' && ch <= 'F') {
            digit = ch - 'A' + 10;
        } else {
            return false;
        }
        result = result * base + digit;
        if (result > limit) return false;
    }
    *value = result;
    return true;
}

bool LooksLikeNumber(const std::string& text) {
    return !text.empty() && std::isdigit(static_cast<unsigned char>(text[0]));
}

bool ParsePin(const std::string& text, SPinSwitch* pin) {
    const size_t at = text.find('@');
    if (at == std::string::npos) return false;
    std::string name = text.substr(0, at);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    if (name.size() != 3 || name[0] != 'R' || name[2] < '0' || name[2] > '7') return false;
    const int bit = name[2] - '0';
    if (name[1] == 'A' && bit <= 4) {
        pin->port = PORTA;
    } else if (name[1] == 'B') {
        pin->port = PORTB;
    } else {
        return false;
    }
    pin->bit = bit;
    pin->name = name;
    return ParseNumber(text.substr(at + 1), INT64_MAX / 16, &pin->beforePass);
}
}  // namespace

// A pace: a number such as 1 or 0.25, or a fraction such as 1/10; above 0 and
// at most 1000.
bool ParseFactor(const std::string& text, double* factor) {
    const size_t slash = text.find('/');
    const std::string top = text.substr(0, slash);
    const std::string bottom = slash == std::string::npos ? "1" : text.substr(slash + 1);
    auto number = [](const std::string& part, double* value) {
        if (part.empty() || part.find_first_not_of("0123456789.") != std::string::npos) {
            return false;
        }
        char* end = nullptr;
        *value = std::strtod(part.c_str(), &end);
        return *end == '\0';
    };
    double over = 0;
    double under = 0;
    if (!number(top, &over) || !number(bottom, &under) || under == 0) return false;
    *factor = over / under;
    return *factor > 0 && *factor <= 1000;
}

namespace {
// A comma list of check kinds ("bank,stack"); 0 when any part names none.
uint32_t CheckKindsNamed(const std::string& list) {
    uint32_t kinds = 0;
    size_t from = 0;
    for (;;) {
        const size_t comma = list.find(',', from);
        core::ECheckKind kind;
        if (!core::CheckKindNamed(list.substr(from, comma - from), &kind)) return 0;
        kinds |= core::CheckBit(kind);
        if (comma == std::string::npos) return kinds;
        from = comma + 1;
    }
}
}  // namespace

bool ParseRunOptions(int argc, char** argv, SRunOptions* options, std::string* error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--trace") {
            options->trace = true;
        } else if (arg == "--json") {
            options->json = true;
        } else if (arg == "--realtime") {
            // The factor may be left out; what follows is then the program
            // (a file name is never made of digits, points and a slash only).
            options->realTime = 1;
            const std::string next = hasValue ? argv[i + 1] : "";
            if (!next.empty() && next.find_first_not_of("0123456789./") == std::string::npos) {
                if (!ParseFactor(argv[i + 1], &options->realTime)) {
                    *error = std::string("--realtime needs a factor above 0 and at most 1000 ") +
                             "(1, 0.1, 1/10), not '" + argv[i + 1] + "'";
                    return false;
                }
                ++i;
            }
        } else if (arg == "--checks") {
            // The kinds may be left out (all of them); what follows is then the program.
            options->checks = core::kAllChecks;
            if (hasValue) {
                const uint32_t kinds = CheckKindsNamed(argv[i + 1]);
                if (kinds != 0) {
                    options->checks = kinds;
                    ++i;
                }
            }
        } else if (arg == "--until") {
            std::string reason;
            if (!hasValue || !core::ParsePinCondition(argv[i + 1], &options->until, &reason)) {
                *error = "--until: " + (hasValue ? reason : std::string("no pin condition"));
                return false;
            }
            ++i;
        } else if (arg == "--back") {
            if (!hasValue || !ParseNumber(argv[i + 1], INT64_MAX / 16, &options->back)) {
                *error = "--back needs a whole number";
                return false;
            }
            ++i;
        } else if (arg == "--steps" || arg == "--break" || arg == "--pin" || arg == "--scenario" ||
                   arg == "--junit" || arg == "--vcd" || arg == "--clock" || arg == "--events" ||
                   arg == "--record" || arg == "--board" || arg == "--compare" || arg == "--chip" ||
                   arg == "--lang" || arg == "--profile") {
            if (!hasValue) {
                *error = arg + " needs a value";
                return false;
            }
            const std::string value = argv[++i];
            if (arg == "--events") {
                options->eventsFile = value;
            } else if (arg == "--profile") {
                options->profile = value;
            } else if (arg == "--board") {
                options->board = value;
            } else if (arg == "--record") {
                options->record = value;
            } else if (arg == "--compare") {
                options->compare = value;
            } else if (arg == "--lang") {
                options->language = core::LanguageCoded(value);
                if (!options->language) {
                    *error = "--lang needs sr or en, not '" + value + "'";
                    return false;
                }
            } else if (arg == "--chip") {
                options->chip = core::ChipProfileNamed(value);
                if (!options->chip) {
                    *error = "--chip needs classic or datasheet, not '" + value + "'";
                    return false;
                }
            } else if (arg == "--scenario") {
                options->scenarios.push_back(value);
            } else if (arg == "--junit") {
                options->junit = value;
            } else if (arg == "--vcd") {
                options->vcd = value;
            } else if (arg == "--clock") {
                if (!ParseClock(value, &options->clockHz)) {
                    *error = "--clock needs a frequency from 4Hz to 1000MHz, not '" + value + "'";
                    return false;
                }
            } else if (arg == "--steps") {
                if (!ParseNumber(value, INT64_MAX / 16, &options->steps)) {
                    *error = "--steps needs a whole number, not '" + value + "'";
                    return false;
                }
            } else if (arg == "--break") {
                SBreakpoint breakpoint;
                int64_t address = 0;
                if (!LooksLikeNumber(value)) {
                    breakpoint.label = value;
                } else if (ParseNumber(value, 1023, &address) && address > 0) {
                    breakpoint.address = static_cast<int>(address);
                } else {
                    *error = "--break needs a word address from 1 to 1023 or a label, not '" +
                             value + "'";
                    return false;
                }
                if (options->breakpoints.size() == core::kBreakpointsUsed) {
                    *error = "at most 8 breakpoints";
                    return false;
                }
                options->breakpoints.push_back(breakpoint);
            } else {
                SPinSwitch pin;
                if (!ParsePin(value, &pin)) {
                    *error =
                        "--pin needs NAME@K with NAME one of RA0-RA4, RB0-RB7, not '" + value + "'";
                    return false;
                }
                options->pins.push_back(pin);
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            *error = "unknown option " + arg;
            return false;
        } else if (!options->program.empty()) {
            *error = "only one PROGRAM, not also '" + arg + "'";
            return false;
        } else {
            options->program = arg;
        }
    }
    if (options->program.empty() && options->scenarios.empty()) {
        *error = "no PROGRAM given";
        return false;
    }
    if (!options->record.empty() && (options->back > 0 || !options->scenarios.empty())) {
        *error = "--record writes the run it ends with: not with --back or --scenario";
        return false;
    }
    if (!options->compare.empty() && options->scenarios.empty()) {
        *error = "--compare runs scenarios beside the model: give --scenario FILE";
        return false;
    }
    if (!options->profile.empty() && !options->scenarios.empty()) {
        *error = "--profile profiles the run of PROGRAM: not with --scenario";
        return false;
    }
    if (!options->junit.empty() && options->scenarios.empty()) {
        *error = "--junit reports scenarios: give --scenario FILE";
        return false;
    }
    std::stable_sort(
        options->pins.begin(), options->pins.end(),
        [](const SPinSwitch& a, const SPinSwitch& b) { return a.beforePass < b.beforePass; });
    return true;
}

}  // namespace cli
