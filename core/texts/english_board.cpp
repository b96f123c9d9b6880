// The English of board's texts: the board reader's complaints (some of them
// the scenario reader's too) and the board editor's.
#include "core/texts/translate.h"

namespace core {

namespace {
constexpr SEnglishText kTexts[] = {
    {"%1: ocekuje se jedna vrednost", "%1: a single value expected"},
    {"%1: ocekuje se ceo broj od %2 do %3, a ne '%4'",
     "%1: a whole number from %2 to %3 expected, not '%4'"},
    {"%1: ocekuje se broj od %2 do %3, a ne '%4'", "%1: a number from %2 to %3 expected, not '%4'"},
    {"%1: ocekuje se 0 ili 1, a ne '%2'", "%1: 0 or 1 expected, not '%2'"},
    {"%1: nepoznat pin '%2' (poznati: RA0-RA4, RB0-RB7)",
     "%1: unknown pin '%2' (known: RA0-RA4, RB0-RB7)"},
    {"%1: pin %2 je u ovom delu vec upotrebljen", "%1: pin %2 is already used in this part"},
    {"%1 do %2", "%1 to %2"},
    {"%1: ocekuje se lista od %2 pinova", "%1: a list of %2 pins expected"},
    {"%1: ocekuje se mapa podesavanja, na primer {pin: RB0}",
     "%1: a map of settings expected, for example {pin: RB0}"},
    {"%1: nepoznat kljuc '%2' (poznati: %3)", "%1: unknown key '%2' (known: %3)"},
    {"%1: kljuc '%2' je naveden dvaput", "%1: key '%2' is given twice"},
    {"ploca mora biti mapa sa kljucem 'parts'", "a board must be a map with the key 'parts'"},
    {"nepoznat kljuc '%1' (poznat: parts)", "unknown key '%1' (known: parts)"},
    {"parts: ocekuje se lista delova", "parts: a list of parts expected"},
    {"deo: ocekuje se tacno jedan kljuc, vrsta dela (lcd, seven_segment, keypad, button, led, "
     "switch, serial)",
     "part: exactly one key expected, the kind of part (lcd, seven_segment, keypad, button, "
     "led, switch, serial)"},
    {"deo", "part"},
    {"nepoznata vrsta dela '%1' (poznate: lcd, seven_segment, keypad, button, led, switch, "
     "serial)",
     "unknown kind of part '%1' (known: lcd, seven_segment, keypad, button, led, switch, "
     "serial)"},
    {"%1: ime '%2' nije dobro (slova, cifre i '_', ne ime pina)",
     "%1: the name '%2' is not good (letters, digits and '_', not a pin's name)"},
    {"ime '%1' vec nosi drugi deo", "another part already has the name '%1'"},
    {"pin %1 vec pokrece deo '%2' (red %3); dva dela ne mogu pokretati isti pin",
     "pin %1 is already driven by part '%2' (line %3); two parts cannot drive the same pin"},
    {"lcd: size: ocekuje se 16x1, 16x2, 20x2 ili 20x4, a ne '%1'",
     "lcd: size: 16x1, 16x2, 20x2 or 20x4 expected, not '%1'"},
    {"lcd: nedostaje 'data' (4 pina D4-D7 ili 8 pinova D0-D7)",
     "lcd: 'data' is missing (4 pins D4-D7 or 8 pins D0-D7)"},
    {"lcd: data: ocekuje se 4 pina (D4-D7) ili 8 pinova (D0-D7)",
     "lcd: data: 4 pins (D4-D7) or 8 pins (D0-D7) expected"},
    {"%1: nedostaje '%2'", "%1: '%2' is missing"},
    {"seven_segment: nedostaje 'segments' (a-g i po zelji dp)",
     "seven_segment: 'segments' is missing (a-g and optionally dp)"},
    {"seven_segment: common: ocekuje se cathode ili anode, a ne '%1'",
     "seven_segment: common: cathode or anode expected, not '%1'"},
    {"keypad: keys: ocekuje se lista od %1 reda, na primer [\"123A\", \"456B\", \"789C\", "
     "\"*0#D\"]",
     "keypad: keys: a list of %1 rows expected, for example [\"123A\", \"456B\", \"789C\", "
     "\"*0#D\"]"},
    {"keypad: keys: red '%1' treba da ima %2 tastera",
     "keypad: keys: row '%1' should have %2 keys"},
    {"keypad: keys: taster mora biti jedan vidljiv znak osim '.'",
     "keypad: keys: a key must be one visible character other than '.'"},
    {"keypad: keys: taster '%1' je naveden dvaput", "keypad: keys: key '%1' is given twice"},
    {"button: bounce: potrebni su 'count' i 'ms'", "button: bounce: 'count' and 'ms' are needed"},
    {"serial: nedostaje 'tx' (pin kojim cip salje)",
     "serial: 'tx' is missing (the pin the chip sends on)"},
    {"%1: datoteka ne moze da se otvori", "%1: the file cannot be opened"},
    {"%1: datoteka je veca od 1 MB", "%1: the file is larger than 1 MB"},
    {"ocekuje se mapa sa listom delova (parts)", "a map with a list of parts (parts) expected"},
    {"deo: ocekuje se vrsta dela i mapa podesavanja",
     "part: the kind of part and a map of settings expected"},
};
}  // namespace

std::span<const SEnglishText> BoardEnglish() {
    return kTexts;
}

}  // namespace core
