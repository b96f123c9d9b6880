// The English of lumo-run's and lumo-grade's own texts for people: the
// grader's complaints and table, the text state and the checks' lines. What
// tools read (JSON keys, CSV headers, event names) is not here.
#include "core/texts/translate.h"

namespace core {

namespace {
constexpr SEnglishText kTexts[] = {
    {"Izvrsila se: %1", "Executed: %1"},
    {"provera %1, linija %2 (rec %3): %4", "check %1, line %2 (word %3): %4"},
    {"model %1 ne prolazi ni sam scenario %2", "the model %1 does not pass scenario %2 itself"},
    {"cev za proces se ne moze napraviti: %1", "cannot make a pipe for the process: %1"},
    {"proces se ne moze pokrenuti: %1", "cannot start the process: %1"},
    {"simulacija je prekinuta signalom %1", "the simulation was stopped by signal %1"},
    {"simulacija je zavrsila bez izvestaja (status %1)",
     "the simulation ended without a report (status %1)"},
    {"prekoracena vremenska granica od %1 s po scenariju",
     "the time limit of %1 s per scenario was exceeded"},
    {"u folderu nema .asm datoteke", "the folder holds no .asm file"},
    {"u folderu ima vise .asm datoteka", "the folder holds more than one .asm file"},
    {"predaja ne postoji ili nije datoteka ni folder",
     "the submission does not exist or is neither a file nor a folder"},
    {"predaja mora biti .asm, .obj ili .hex datoteka ili folder sa .asm datotekom",
     "a submission must be an .asm, .obj or .hex file or a folder with an .asm file"},
    {"predaja", "submission"},
    {"ukupno", "total"},
};
}  // namespace

std::span<const SEnglishText> CommandLineEnglish() {
    return kTexts;
}

}  // namespace core
