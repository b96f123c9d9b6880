#pragma once
// Which chip the machine behaves as. The classic profile is the simulator as
// it has always been: the register byte is the pin, writing PCL does not
// jump, SLEEP only sets bits. The tables of register hooks and the pin rule
// are chosen by the profile at compile time, so a profile pays only for what
// it hangs on them.
#include <cstdint>

enum class EChipProfile : uint8_t { Classic };

// The profile the run loop executes.
inline constexpr EChipProfile kRunProfile = EChipProfile::Classic;
