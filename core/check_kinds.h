#pragma once
// The run-time checks: the classic mistakes of programs for this chip that
// only a run can see, each with a short, stable name (the event's "kind",
// the option of lumo-run, the window's menu) and a bit of its own in the set
// of checks switched on.
#include <cstdint>
#include <string_view>

namespace core {

enum class ECheckKind : uint8_t {
    Bank,            // a register of one bank named while the other is selected
    PclPage,         // a computed jump that leaves its page without PCLATH
    Stack,           // a ninth nested call or interrupt, or a return with none
    IsrFlag,         // RETFIE with the cause's flag still set and enabled
    RbifRead,        // RBIF cleared before port B was read
    IsrContext,      // W or the flags changed by the handler, used afterwards
    Uninitialised,   // a general-purpose register read before any write
    EepromSequence,  // WR set without WREN or the 0x55, 0xAA sequence
    WdtReset,        // the watchdog reset the chip
    RmwPort,         // a read-modify-write of a port changed another pin's latch
};
constexpr int kCheckKinds = 10;

constexpr uint32_t CheckBit(ECheckKind kind) {
    return uint32_t{1} << static_cast<int>(kind);
}
constexpr uint32_t kAllChecks = (uint32_t{1} << kCheckKinds) - 1;

// "bank", "pcl_page", ...
std::string_view CheckKindName(ECheckKind kind);
// The kind of this name; false for none.
bool CheckKindNamed(std::string_view name, ECheckKind* kind);

}  // namespace core
