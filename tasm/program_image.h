#pragma once
// What the assembler produced for the chip: program words, and the data
// EEPROM, the configuration word and ID locations when the source set them.
#include <array>
#include <cstdint>
#include <optional>

namespace tasm {

constexpr int kProgramWords = 1024;
constexpr int kUnusedWord = -1;
// The data EEPROM's 64 bytes, one per word address from 0x2100.
constexpr int kEepromStart = 0x2100;
constexpr int kEepromBytes = 64;

constexpr bool IsEepromAddress(int64_t address) {
    return address >= kEepromStart && address < kEepromStart + kEepromBytes;
}

struct CProgramImage {
    CProgramImage() {
        words.fill(kUnusedWord);
        eeprom.fill(kUnusedWord);
    }

    std::array<int32_t, kProgramWords> words;            // 14-bit words or kUnusedWord
    std::array<int32_t, kEepromBytes> eeprom;            // data EEPROM contents or kUnusedWord
    std::optional<uint16_t> config;                      // chip word 0x2007
    std::optional<std::array<uint16_t, 4>> idLocations;  // chip words 0x2000-0x2003
};

}  // namespace tasm
