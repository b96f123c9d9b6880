#include "directive_names.h"

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
    {"NOLIST", EDirective::ListingControl},
    {"TITLE", EDirective::ListingControl},
    {"PAGE", EDirective::ListingControl},
    {"ERRORLEVEL", EDirective::ListingControl},
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
