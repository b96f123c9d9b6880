// The English of scenario's texts: the scenario reader's complaints, the
// steps' failures and the report. The reader's complaints that the board
// reader shares stand in english_board.cpp.
#include "core/texts/translate.h"

namespace core {

namespace {
constexpr SEnglishText kTexts[] = {
    // The report; a result label keeps its width of nine.
    {"GRESKA   ", "FAILED   "},
    {"preskocen", "skipped  "},
    {"%1: ocekivano %2, stvarno %3", "%1: expected %2, actual %3"},
    {"poruka: %1", "message: %1"},
    {"PROSAO (%1/%2 poena), %3 ciklusa", "PASSED (%1/%2 points), %3 cycles"},
    {"PAO (%1/%2 poena), %3 ciklusa", "FAILED (%1/%2 points), %3 cycles"},
    {"%1: upis nije uspeo", "%1: writing failed"},
    // The comparison with a model solution.
    {"ulaz", "input"},
    {"izlaz", "output"},
    {"ciklus %1 (%2): ", "cycle %1 (%2): "},
    {"%1 je %2, u modelu %3", "%1 is %2, in the model %3"},
    {"; program je bio na %1PC %2", "; the program was at %1PC %2"},
    {"poredjenje sa modelom (tolerancija %1 ciklusa)",
     "comparison with the model (tolerance %1 cycles)"},
    {"prvo odstupanje od modela: %1", "first difference from the model: %1"},
    // A step that fails.
    {"uslov '%1' nije ispunjen: %2", "condition '%1' not met: %2"},
    {"dostignuta granica od %1 ciklusa (PC %2, ciklus %3)",
     "the limit of %1 cycles was reached (PC %2, cycle %3)"},
    {"PC je napustio program: %1 na adresi %2 odveo je PC na %3 (ciklus %4)",
     "PC left the program: %1 at address %2 took PC to %3 (cycle %4)"},
    {": klasican cip nema EEPROM; EEPROM ima cip po katalogu (chip: datasheet u scenariju ili "
     "lumo-run --chip datasheet)",
     ": the classic chip has no EEPROM; the data-sheet chip has one (chip: datasheet in the "
     "scenario or lumo-run --chip datasheet)"},
    {"nepoznato ime '%1': nije registar, bit ni pin cipa, a program nema promenljivu tog imena "
     "(%2)",
     "unknown name '%1': not a register, bit or pin of the chip, and the program has no "
     "variable of that name (%2)"},
    {"program nema imenovanih promenljivih", "the program has no named variables"},
    {"promenljive programa: %1", "the program's variables: %1"},
    {"%1: labela '%2' nije nadjena u listingu programa",
     "%1: label '%2' not found in the program's listing"},
    {"reset: MCLR: klasican cip se ne resetuje preko MCLR; to radi cip po katalogu (chip: "
     "datasheet u scenariju ili lumo-run --chip datasheet)",
     "reset: MCLR: the classic chip is not reset through MCLR; the data-sheet chip is (chip: "
     "datasheet in the scenario or lumo-run --chip datasheet)"},
    {"nema takvog dela na ploci", "no such part on the board"},
    {"%1 od %2 ocekivanja nije ispunjeno", "%1 of %2 expectations not met"},
    {": kucati se moze samo na terminalu (serial)", ": typing works only on a terminal (serial)"},
    {"%1: navedite taster, na primer %1.5", "%1: name a key, for example %1.5"},
    {": ovaj deo nema tastere", ": this part has no keys"},
    {"%1: nema tastera '%2'", "%1: no key '%2'"},
    {"program %1 nije preveden ili ucitan", "program %1 was not assembled or loaded"},
    {"program %1 nije ucitan: mora biti *.asm, *.obj ili *.hex",
     "program %1 was not loaded: it must be *.asm, *.obj or *.hex"},
    // The scenario reader.
    {"%1: ocekuje se tacno jedan kljuc", "%1: exactly one key expected"},
    {"scenario mora biti mapa kljuceva (name, steps, ...)",
     "a scenario must be a map of keys (name, steps, ...)"},
    {"kljuc", "key"},
    {"chip: ocekuje se classic ili datasheet, a ne '%1'",
     "chip: classic or datasheet expected, not '%1'"},
    {"nepoznat kljuc '%1' (poznati: name, program, board, clock, limit, points, tolerance, chip, "
     "checks, steps)",
     "unknown key '%1' (known: name, program, board, clock, limit, points, tolerance, chip, "
     "checks, steps)"},
    {"napomena: %1", "note: %1"},
    {"provera %1%2: %3", "check %1%2: %3"},
    {"ciklus", "cycle"},
    {"vreme", "time"},
    {"linija programa", "program line"},
    {"checks: ocekuje se 'all' ili spisak vrsta provera ([bank, stack])",
     "checks: 'all' or a list of check kinds ([bank, stack]) is expected"},
    {"checks: nepoznata vrsta provere; postoje %1", "checks: unknown check kind; there are %1"},
    {"nedostaje kljuc 'steps'", "the key 'steps' is missing"},
    {"points: bodovi se daju celom scenariju ili koracima, ne i jednom i drugom",
     "points: points go to the whole scenario or to its steps, not to both"},
    {"%1: prazno ime datoteke", "%1: empty file name"},
    {"%1: ocekuje se deo ploce, na primer KEYS.5 ili {START: 20 ms}",
     "%1: a part of the board expected, for example KEYS.5 or {START: 20 ms}"},
    {"%1: ocekuje se trajanje, na primer '20 ms', a ne '%2'",
     "%1: a duration expected, for example '20 ms', not '%2'"},
    {"%1: jedinica trajanja je us, ms ili s, a ne '%2'",
     "%1: the unit of a duration is us, ms or s, not '%2'"},
    {"%1: ocekuje se deo ploce i po zelji jedan taster, na primer KEYS.5, a ne '%2'",
     "%1: a part of the board and optionally one key expected, for example KEYS.5, not '%2'"},
    {"%1: deo '%2' postoji samo na ploci (kljuc board)",
     "%1: part '%2' exists only on a board (key board)"},
    {"type: ocekuje se terminal i tekst, na primer {TERM: \"abc\"}",
     "type: a terminal and a text expected, for example {TERM: \"abc\"}"},
    {"tolerance: ocekuje se broj ciklusa ('50 cycles') ili mikrosekundi ('20 us'), a ne '%1'",
     "tolerance: a number of cycles ('50 cycles') or microseconds ('20 us') expected, not "
     "'%1'"},
    {"clock: ocekuje se frekvencija od 4 Hz do 1000 MHz, na primer '4 MHz' ili '32.768 kHz', a "
     "ne '%1'",
     "clock: a frequency from 4 Hz to 1000 MHz expected, for example '4 MHz' or '32.768 kHz', "
     "not '%1'"},
    {"steps: ocekuje se lista koraka", "steps: a list of steps expected"},
    {"korak: ocekuje se tacno jedan kljuc, i po zelji points",
     "step: exactly one key expected, and optionally points"},
    {"korak", "step"},
    {"korak: points bez koraka", "step: points without a step"},
    {"set: ocekuje se mapa pinova, registara ili W i vrednosti, na primer {RA0: 1, W: 5}",
     "set: a map of pins, registers or W and values expected, for example {RA0: 1, W: 5}"},
    {"reset: jedini reset koji scenario zadaje je MCLR, a ne '%1'",
     "reset: the only reset a scenario gives is MCLR, not '%1'"},
    {"nepoznat korak '%1' (poznati: run, click, set, expect, press, release, type, reset)",
     "unknown step '%1' (known: run, click, set, expect, press, release, type, reset)"},
    {"points: bodove nosi samo korak expect ili run until",
     "points: only an expect or run until step carries points"},
    {"us: ocekuje se pozitivan broj mikrosekundi, a ne '%1'",
     "us: a positive number of microseconds expected, not '%1'"},
    {"run: nepoznat kljuc '%1' (poznati: cycles, instructions, us, until)",
     "run: unknown key '%1' (known: cycles, instructions, us, until)"},
    {"until: prazan uslov", "until: empty condition"},
    {"until: ocekuje se labela, adresa ili uslov",
     "until: a label, an address or a condition expected"},
    {"ocekuje se mapa uslova, na primer {PORTB: 0x01, Z: 1}",
     "a map of conditions expected, for example {PORTB: 0x01, Z: 1}"},
    {"ime", "name"},
    {"adresa registra", "register address"},
    {"'%1': bajt EEPROM-a se zadaje adresom od 0 do 63, na primer EEPROM[3] ili EEPROM[0x3F]",
     "'%1': an EEPROM byte is given by its address from 0 to 63, for example EEPROM[3] or "
     "EEPROM[0x3F]"},
    {"nepoznato ime '%1' (registar, adresa registra, W, bit STATUS/INTCON/OPTION, pin, PC, "
     "stack, cycles, instructions, EEPROM[n], promenljiva programa ili deo ploce)",
     "unknown name '%1' (a register, register address, W, bit of STATUS/INTCON/OPTION, pin, PC, "
     "stack, cycles, instructions, EEPROM[n], a program variable or a part of the board)"},
    {"nepoznat pin '%1' (RA0-RA4, RB0-RB7)", "unknown pin '%1' (RA0-RA4, RB0-RB7)"},
    {"nivo pina", "pin level"},
    {"vrednost registra", "register value"},
    {"vrednost bajta", "byte value"},
    {"set: postavlja se pin (RA0-RA4, RB0-RB7), W, registar ili EEPROM[n], a ne '%1'",
     "set: what is set is a pin (RA0-RA4, RB0-RB7), W, a register or EEPROM[n], not '%1'"},
    {"%1: %2 je promena pina: na nju ceka samo run until",
     "%1: %2 is a change of a pin: only run until waits for it"},
    {"nivo bita", "bit level"},
    {"adresa ili labela", "address or label"},
    {"dubina steka", "stack depth"},
    {"broj", "number"},
    {"%1: %2 od 0 do %3, s poredjenjem ==, !=, <, <=, > ili >= ispred po zelji, a ne '%4'",
     "%1: %2 from 0 to %3, optionally after a comparison ==, !=, <, <=, > or >=, not '%4'"},
    {" (EEPROM[n] unutar {...} ide pod navodnike: {\"EEPROM[3]\": 0x41})",
     " (EEPROM[n] inside {...} goes in quotes: {\"EEPROM[3]\": 0x41})"},
    {"%1: datoteka se ne moze procitati", "%1: the file cannot be read"},
    {"%1: scenario je veci od 1 MB", "%1: the scenario is larger than 1 MB"},
};
}  // namespace

std::span<const SEnglishText> ScenarioEnglish() {
    return kTexts;
}

}  // namespace core
