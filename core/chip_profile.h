#pragma once
// Which chip the machine behaves as. The classic profile is the simulator as
// it has always been: the register byte is the pin, writing PCL does not
// jump, SLEEP only sets bits. The data-sheet profile is the PIC16C84 as its
// data sheet describes it: reset vector 0, computed jumps through PCL and
// PCLATH, latches and pins, SLEEP, the watchdog and the data EEPROM. The run
// loop is compiled once per profile (the profile is a template parameter of
// the executor's operations), so the classic loop contains nothing of the
// other's.
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/wiring.h"

namespace core {

enum class EChipProfile : uint8_t { Classic, Datasheet };

// The profile the next reset gives the machine: a setting (Options, the
// command line, a scenario). The run itself goes on in the profile its reset
// took, which the chip state keeps.
extern Watched<EChipProfile> ChipProfile;

// "classic" and "datasheet", as the command line and scenarios spell them.
std::string_view ChipProfileName(EChipProfile profile);
std::optional<EChipProfile> ChipProfileNamed(std::string_view name);

}  // namespace core
