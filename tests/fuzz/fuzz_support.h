#pragma once
// What every fuzz target shares: registration under a name, so that the same
// check runs inside libFuzzer (one program per target) and in the replay
// test of the ordinary build; a way to fail loudly on a broken invariant; a
// message box that records; and a reader that cuts typed values from the
// fuzzer's bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/message_box.h"

using FuzzCheck = int (*)(const uint8_t* data, size_t size);

struct FuzzTarget {
    std::string name;
    FuzzCheck check;
};
std::vector<FuzzTarget>& FuzzTargets();

struct FuzzRegistration {
    FuzzRegistration(const char* name, FuzzCheck check);
};

#ifdef LUMO_LIBFUZZER
#define LUMO_FUZZ_ENTRY(check)                                                \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { \
        return check(data, size);                                             \
    }
#else
#define LUMO_FUZZ_ENTRY(check)
#endif

// Defines the check of target `name`: LUMO_FUZZ_TARGET(name) { ... return 0; }
#define LUMO_FUZZ_TARGET(name)                                              \
    static int name##_check(const uint8_t* data, size_t size);              \
    static const FuzzRegistration name##_registration(#name, name##_check); \
    LUMO_FUZZ_ENTRY(name##_check)                                           \
    static int name##_check(const uint8_t* data, size_t size)

// Prints what broke (and, when replaying, which input) and aborts, which
// libFuzzer reports as a crash and keeps the input for.
[[noreturn]] void FuzzFail(const char* condition, const std::string& detail, const char* file,
                           int line);
#define FUZZ_REQUIRE(condition, detail) \
    ((condition) ? (void)0 : FuzzFail(#condition, (detail), __FILE__, __LINE__))

// Names the input being replayed, for FuzzFail's report.
void SetFuzzInputName(std::string name);

// Records every message instead of blocking; installed by FuzzMessages().
class CFuzzMessageHook : public core::CMessageBoxHook {
public:
    void Show(const std::string& text) override { m_messages.push_back(text); }
    void CloseAll() override {}
    const std::vector<std::string>& Messages() const { return m_messages; }
    void Clear() { m_messages.clear(); }

private:
    std::vector<std::string> m_messages;
};
CFuzzMessageHook& FuzzMessages();

// Cuts typed values from the front of the input; past its end every value
// reads as 0 and every text as empty.
class CFuzzInput {
public:
    CFuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    uint16_t Word() {
        const uint16_t high = Byte();
        return static_cast<uint16_t>(high << 8 | Byte());
    }
    bool Flag() { return Byte() & 1; }
    // Up to maxLength bytes, the length itself taken from the input.
    std::string Text(size_t maxLength);
    std::string Rest();
    size_t Remaining() const { return m_size - m_pos; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};
