// The English of build's texts: the assembler's verdicts and the loaders'
// complaints.
#include "core/texts/translate.h"

namespace core {

namespace {
constexpr SEnglishText kTexts[] = {
    {"GRESKA: Proces nije dobro kreiran", "ERROR: The process was not created properly"},
    {"GRESKA: Greske ispravljati u editoru.", "ERROR: Correct the errors in the editor."},
    {"Prevodilac nije napravio listing %1.", "The assembler made no listing %1."},
    {"Prevodilac nije napravio objektni fajl %1.", "The assembler made no object file %1."},
    {"zapis ne pocinje znakom ':'", "the record does not start with ':'"},
    {"zapis je prekratak ili nepotpun", "the record is too short or incomplete"},
    {"znak koji nije heksadecimalna cifra", "a character that is not a hexadecimal digit"},
    {"duzina zapisa ne odgovara broju bajtova",
     "the record's length does not match its number of bytes"},
    {"pogresan kontrolni zbir", "wrong checksum"},
    {"nepoznat tip zapisa %1", "unknown record type %1"},
    {"zapis prosirene adrese mora imati dva bajta",
     "an extended address record must have two bytes"},
    {"red %1: %2", "line %1: %2"},
};
}  // namespace

std::span<const SEnglishText> BuildEnglish() {
    return kTexts;
}

}  // namespace core
