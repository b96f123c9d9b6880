#pragma once
// The PIC16C84's own names: registers, bits, the destinations W and F and
// the configuration values, so sources need no header file. Looked up
// without regard to case; a program's own symbol of the same name wins.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tasm {

// chip is "16C84", "16F84" or "16F84A": the configuration values differ.
std::optional<int64_t> ChipNameValue(std::string_view name, std::string_view chip);

// The register's name at that address (bank 1 ones with their bank bit), or
// empty where the chip has none.
std::string_view RegisterName(int64_t address);

// True when name is one of the chip's names exactly as the headers write it.
bool IsChipName(std::string_view name);

// The registers, then their named bits from bit 7 down, and the destinations,
// each as the headers spell it: what a source names most.
std::vector<std::string> HeaderRegisterAndBitNames();

// The chip that a header file name stands for ("16F84" for p16f84.inc, in
// any case), or nothing when it is no header of a chip of this family.
std::optional<std::string> ChipOfHeader(std::string_view fileName);

}  // namespace tasm
