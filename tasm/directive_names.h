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
    Data,  // DATA: DW
    De,    // one word per byte, also into the data EEPROM
    Da,    // two 7-bit characters per word
    Macro,
    Endm,
    Local,
    Exitm,
    If,
    Ifdef,
    Ifndef,
    Else,
    Endif,
    Banksel,
    Pagesel,
    Bankisel,
    Expand,
    Noexpand,
    Messg,
    Error,
    Errorlevel,
    Constant,        // CONSTANT name=value, ...: EQU
    Variable,        // VARIABLE name[=value], ...: SET
    ListingControl,  // NOLIST, TITLE, PAGE, __MAXRAM: no effect on the code
    Unsupported,     // known from other assemblers, named in the error
};

EDirective FindDirective(std::string_view name);

}  // namespace tasm
