#include "tasm/directive_names.h"

#include <strings.h>

namespace tasm {

namespace {

struct CDirectiveName {
    std::string_view name;
    EDirective directive;
};

constexpr CDirectiveName kDirectives[] = {
    {"ORG", EDirective::Org},
    {"EQU", EDirective::Equ},
    {"SET", EDirective::Set},
    {"END", EDirective::End},
    {"DW", EDirective::Dw},
    {"WORD", EDirective::Dw},
    {"DB", EDirective::Db},
    {"BYTE", EDirective::Db},
    {"DT", EDirective::Dt},
    {"LIST", EDirective::List},
    {"PROCESSOR", EDirective::Processor},
    {"RADIX", EDirective::Radix},
    {"__CONFIG", EDirective::Config},
    {"__IDLOCS", EDirective::Idlocs},
    {"CBLOCK", EDirective::Cblock},
    {"ENDC", EDirective::Endc},
    {"INCLUDE", EDirective::Include},
    {"DATA", EDirective::Dw},
    {"DE", EDirective::De},
    {"DA", EDirective::Da},
    {"MACRO", EDirective::Macro},
    {"ENDM", EDirective::Endm},
    {"LOCAL", EDirective::Local},
    {"EXITM", EDirective::Exitm},
    {"IF", EDirective::If},
    {"IFDEF", EDirective::Ifdef},
    {"IFNDEF", EDirective::Ifndef},
    {"ELSE", EDirective::Else},
    {"ENDIF", EDirective::Endif},
    {"BANKSEL", EDirective::Banksel},
    {"PAGESEL", EDirective::Pagesel},
    {"BANKISEL", EDirective::Bankisel},
    {"EXPAND", EDirective::Expand},
    {"NOEXPAND", EDirective::Noexpand},
    {"MESSG", EDirective::Messg},
    {"ERROR", EDirective::Error},
    {"ERRORLEVEL", EDirective::Errorlevel},
    {"NOLIST", EDirective::ListingControl},
    {"TITLE", EDirective::ListingControl},
    {"SUBTITLE", EDirective::ListingControl},
    {"STITLE", EDirective::ListingControl},
    {"SPACE", EDirective::ListingControl},
    {"PAGE", EDirective::ListingControl},
    {"__MAXRAM", EDirective::ListingControl},
    {"__BADRAM", EDirective::ListingControl},
    {"CODE", EDirective::Unsupported},
    {"UDATA", EDirective::Unsupported},
    {"UDATA_SHR", EDirective::Unsupported},
    {"UDATA_OVR", EDirective::Unsupported},
    {"IDATA", EDirective::Unsupported},
    {"EXTERN", EDirective::Unsupported},
    {"GLOBAL", EDirective::Unsupported},
    {"WHILE", EDirective::Unsupported},
    {"ENDW", EDirective::Unsupported},
    {"FILL", EDirective::Unsupported},
    {"RES", EDirective::Unsupported},
    {"CONSTANT", EDirective::Constant},
    {"VARIABLE", EDirective::Variable},
    {"PURGE", EDirective::Unsupported},
};

}  // namespace

EDirective FindDirective(std::string_view name) {
    if (!name.empty() && name[0] == '.') name.remove_prefix(1);
    for (const CDirectiveName& d : kDirectives) {
        if (name.size() == d.name.size() &&
            strncasecmp(name.data(), d.name.data(), name.size()) == 0) {
            return d.directive;
        }
    }
    return EDirective::None;
}

}  // namespace tasm
