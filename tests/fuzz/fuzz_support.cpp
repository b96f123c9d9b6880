#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

std::vector<FuzzTarget>& FuzzTargets() {
    static std::vector<FuzzTarget> targets;
    return targets;
}

FuzzRegistration::FuzzRegistration(const char* name, FuzzCheck check) {
    FuzzTargets().push_back({name, check});
}

namespace {
std::string& InputName() {
    static std::string name;
    return name;
}
}  // namespace

void SetFuzzInputName(std::string name) {
    InputName() = std::move(name);
}

void FuzzFail(const char* condition, const std::string& detail, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s (%s)\n", file, line, condition,
                 detail.c_str());
    if (!InputName().empty()) std::fprintf(stderr, "input: %s\n", InputName().c_str());
    std::abort();
}

CFuzzMessageHook& FuzzMessages() {
    static CFuzzMessageHook* hook = [] {
        auto* recording = new CFuzzMessageHook;  // lives as long as the process
        core::SetMessageBoxHook(recording);
        return recording;
    }();
    return *hook;
}

std::string CFuzzInput::Text(size_t maxLength) {
    const size_t wanted = Word() % (maxLength + 1);
    const size_t length = wanted < Remaining() ? wanted : Remaining();
    std::string text(reinterpret_cast<const char*>(m_data + m_pos), length);
    m_pos += length;
    return text;
}

std::string CFuzzInput::Rest() {
    std::string text(reinterpret_cast<const char*>(m_data + m_pos), Remaining());
    m_pos = m_size;
    return text;
}
