#include "core/chip_profile.h"

namespace core {

Watched<EChipProfile> ChipProfile{EChipProfile::Classic};

std::string_view ChipProfileName(EChipProfile profile) {
    return profile == EChipProfile::Datasheet ? "datasheet" : "classic";
}

std::optional<EChipProfile> ChipProfileNamed(std::string_view name) {
    if (name == "classic") return EChipProfile::Classic;
    if (name == "datasheet") return EChipProfile::Datasheet;
    return std::nullopt;
}

}  // namespace core
