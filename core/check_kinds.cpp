#include "core/check_kinds.h"

namespace core {

namespace {
constexpr std::string_view kNames[kCheckKinds] = {
    "bank",        "pcl_page",      "stack",           "isr_flag",  "rbif_read",
    "isr_context", "uninitialised", "eeprom_sequence", "wdt_reset", "rmw_port"};
}

std::string_view CheckKindName(ECheckKind kind) {
    const int index = static_cast<int>(kind);
    return index < kCheckKinds ? kNames[index] : std::string_view{};
}

bool CheckKindNamed(std::string_view name, ECheckKind* kind) {
    for (int index = 0; index < kCheckKinds; ++index) {
        if (kNames[index] == name) {
            *kind = static_cast<ECheckKind>(index);
            return true;
        }
    }
    return false;
}

}  // namespace core
