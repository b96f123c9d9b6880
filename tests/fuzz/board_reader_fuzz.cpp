// The board file reader on arbitrary text. It must never crash or hang, and
// its answer must be one of two: an error that names the file, line and
// column, or a board whose parts keep to their pins, with no pin driven by
// two of them, and whose parts then take any levels on their pins.
#include <regex>
#include <set>
#include <string>

#include "board/board_reader.h"
#include "fuzz_support.h"

using namespace board;

LUMO_FUZZ_TARGET(board_reader) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    SBoard read;
    std::string error;
    if (!ReadBoardText(text, "f/b.board.yaml", &read, &error)) {
        static const std::regex place("f/b\\.board\\.yaml:[0-9]+:[0-9]+: .+");
        FUZZ_REQUIRE(std::regex_match(error, place), error);
        return 0;
    }
    PinMask driven = 0;
    std::set<std::string> names;
    for (const SBoardPart& entry : read.parts) {
        FUZZ_REQUIRE(!entry.name.empty() && names.insert(entry.name).second, entry.name);
        FUZZ_REQUIRE(entry.line > 0 && entry.column > 0, entry.name);
        const PinMask pins = PartPins(entry.part);
        const PinMask drives = PartDrivenPins(entry.part);
        FUZZ_REQUIRE((pins & ~kAllPins) == 0 && (drives & ~pins) == 0, entry.name);
        FUZZ_REQUIRE((driven & drives) == 0, "two parts drive one pin: " + entry.name);
        driven |= drives;
    }
    // The levels come from the text itself, so each input plays its own.
    SPinView view;
    uint64_t mix = size;
    for (int call = 0; call < 200; ++call) {
        mix = mix * 6364136223846793005ull + 1442695040888963407ull;
        view.cycle += 1 + (mix >> 60) * (mix >> 56 & 1 ? 1000 : 3);
        view.levels = static_cast<PinMask>(mix >> 33) & kAllPins;
        view.outputs = static_cast<PinMask>(mix >> 17) & kAllPins;
        for (SBoardPart& entry : read.parts) {
            if (std::holds_alternative<CButton>(entry.part) && call % 50 == 0) {
                auto& button = std::get<CButton>(entry.part);
                call % 100 == 0 ? button.Press(view.cycle) : button.Release(view.cycle);
            }
            if (std::holds_alternative<CSerialTerminal>(entry.part) && call == 3) {
                std::get<CSerialTerminal>(entry.part).Type("ab");
            }
            const SPartStep step = UpdatePart(entry.part, view);
            FUZZ_REQUIRE((step.drive & ~PartPins(entry.part)) == 0, entry.name);
            FUZZ_REQUIRE((step.level & ~step.drive) == 0, entry.name);
            FUZZ_REQUIRE(step.due > view.cycle, entry.name);
        }
    }
    for (const SBoardPart& entry : read.parts) (void)PartText(entry.part);
    return 0;
}
