#pragma once
// The PIC16C84's own names: registers, bits, the destinations W and F and
// the configuration values, so sources need no header file. Looked up
// without regard to case; a program's own symbol of the same name wins.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tasm {

std::optional<int64_t> ChipNameValue(std::string_view name);

// True for the header names that stand for the built-in names:
// p16c84.inc, p16f84.inc, p16f84a.inc, in any case.
bool IsChipHeader(std::string_view fileName);

}  // namespace tasm
