#include "core/pin_condition.h"

#include <cctype>

#include "core/chip_map.h"

namespace core {

bool SPinCondition::Met(uint32_t before, uint32_t after) const {
    const uint32_t levelsMet = ~(after ^ levels) & levelPins;
    if (levelsMet != levelPins) return false;
    const uint32_t changed = before ^ after;
    const uint32_t either = rises & falls;
    const uint32_t edgesMet = (changed & either) | (changed & after & rises & ~either) |
                              (changed & before & falls & ~either);
    if (edgesMet != static_cast<uint32_t>(rises | falls)) return false;
    if (rises | falls) return true;
    // Levels alone: met only when they were not met before.
    return (~(before ^ levels) & levelPins) != levelPins;
}

uint64_t SPinCondition::Packed() const {
    return uint64_t{levelPins} | uint64_t{levels} << 16 | uint64_t{rises} << 32 |
           uint64_t{falls} << 48;
}

SPinCondition SPinCondition::Unpacked(uint64_t packed) {
    return {static_cast<uint16_t>(packed), static_cast<uint16_t>(packed >> 16),
            static_cast<uint16_t>(packed >> 32), static_cast<uint16_t>(packed >> 48)};
}

namespace {
std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

int PinNamed(std::string_view name) {
    for (int pin = 0; pin < kChipPinCount; ++pin) {
        const SChipPin& info = kChipPins[pin];
        if (SameLetters(name, info.name) || (!info.alias.empty() && SameLetters(name, info.alias)))
            return pin;
    }
    return -1;
}

bool ParseTerm(std::string_view term, SPinCondition* condition, std::string* error) {
    const size_t mark = term.find_first_of("=:");
    const std::string_view name = Trimmed(term.substr(0, mark));
    const int pin = PinNamed(name);
    if (pin < 0) {
        *error = "'" + std::string(name) + "' is not a pin (RA0-RA4, RB0-RB7)";
        return false;
    }
    const std::string_view what =
        mark == std::string_view::npos ? "" : Trimmed(term.substr(mark + 1));
    const auto bit = static_cast<uint16_t>(1u << pin);
    if ((condition->levelPins | condition->rises | condition->falls) & bit) {
        *error = std::string(name) + " is named twice";
        return false;
    }
    if (mark != std::string_view::npos && term[mark] == '=' && (what == "0" || what == "1")) {
        condition->levelPins |= bit;
        if (what == "1") condition->levels |= bit;
        return true;
    }
    if (mark != std::string_view::npos && term[mark] == ':') {
        if (SameLetters(what, "rise") || SameLetters(what, "edge")) condition->rises |= bit;
        if (SameLetters(what, "fall") || SameLetters(what, "edge")) condition->falls |= bit;
        if ((condition->rises | condition->falls) & bit) return true;
    }
    *error =
        "'" + std::string(Trimmed(term)) + "': write PIN=0, PIN=1, PIN:rise, PIN:fall or PIN:edge";
    return false;
}
}  // namespace

bool ParsePinCondition(std::string_view text, SPinCondition* condition, std::string* error) {
    SPinCondition read;
    if (Trimmed(text).empty()) {
        *error = "no pin condition";
        return false;
    }
    while (true) {
        const size_t comma = text.find(',');
        if (!ParseTerm(text.substr(0, comma), &read, error)) return false;
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    *condition = read;
    return true;
}

std::string PinConditionText(const SPinCondition& condition) {
    std::string text;
    for (int pin = 0; pin < kChipPinCount; ++pin) {
        const auto bit = static_cast<uint16_t>(1u << pin);
        const char* term = nullptr;
        if (condition.levelPins & bit) term = (condition.levels & bit) ? "=1" : "=0";
        if ((condition.rises & condition.falls) & bit) {
            term = ":edge";
        } else if (condition.rises & bit) {
            term = ":rise";
        } else if (condition.falls & bit) {
            term = ":fall";
        }
        if (term == nullptr) continue;
        if (!text.empty()) text += ',';
        text += kChipPins[pin].name;
        text += term;
    }
    return text;
}

}  // namespace core
