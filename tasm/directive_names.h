#pragma once
// The assembler's directives, written with or without a leading dot and in
// any case.
#include <string_view>

namespace tasm {

enum class EDirective {
    None,
    Org,
    Equ,
    Set,
    End,
    Dw,  // DW, WORD: one 14-bit word per value
    Db,  // DB, BYTE: one word per 8-bit value
    Dt,  // a RETLW per value
    List,
    Processor,
    Radix,
    Config,
    Idlocs,
    Cblock,
    Endc,
    Include,
    ListingControl,  // NOLIST, TITLE, PAGE, ERRORLEVEL: no effect on the code
};

EDirective FindDirective(std::string_view name);

}  // namespace tasm
