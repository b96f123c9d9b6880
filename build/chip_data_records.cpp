#include "build/chip_data_records.h"

#include <cstdint>

#include "core/hex_digit.h"
#include "core/state.h"

namespace build {

namespace {
constexpr uint32_t kConfigWord = 0x2007;
constexpr uint32_t kEepromWord = 0x2100;

// The byte at text[at], or -1.
int Byte(const std::string& text, size_t at) {
    if (at + 1 >= text.size()) return -1;
    const int high = core::StrictHexDigit(text[at]);
    const int low = core::StrictHexDigit(text[at + 1]);
    return high < 0 || low < 0 ? -1 : 16 * high + low;
}
}  // namespace

void LoadChipDataRecords(const std::string& text, EWordBytes order) {
    int config = core::kNoConfigWord;
    uint32_t base = 0;
    for (size_t at = text.find(':'); at != std::string::npos; at = text.find(':', at + 1)) {
        const int count = Byte(text, at + 1);
        const int high = Byte(text, at + 3);
        const int low = Byte(text, at + 5);
        const int type = Byte(text, at + 7);
        if (count < 0 || high < 0 || low < 0 || type < 0) continue;
        if (type == 4 && count == 2) {
            const int upper = Byte(text, at + 9);
            const int lower = Byte(text, at + 11);
            if (upper >= 0 && lower >= 0) base = static_cast<uint32_t>(upper << 8 | lower) << 16;
            continue;
        }
        if (type != 0) continue;
        const uint32_t address = base + static_cast<uint32_t>(high << 8 | low);
        for (int i = 0; i < count; ++i) {
            const int value = Byte(text, at + 9 + 2 * static_cast<size_t>(i));
            if (value < 0) break;
            const uint32_t byteAddress = address + static_cast<uint32_t>(i);
            const uint32_t word = byteAddress / 2;
            const bool lowByte = (byteAddress & 1) == (order == EWordBytes::HighFirst ? 1u : 0u);
            if (word == kConfigWord) {
                if (config == core::kNoConfigWord) config = 0;
                config = lowByte ? (config & 0xFF00) | value : (config & 0x00FF) | value << 8;
            } else if (word >= kEepromWord && word < kEepromWord + core::kEepromSize && lowByte) {
                core::ProgramEeprom[word - kEepromWord] = static_cast<uint8_t>(value);
            }
        }
    }
    core::ProgramConfigWord = config == core::kNoConfigWord ? config : config & 0x3FFF;
    core::TakeLoadedChipData();
}

}  // namespace build
