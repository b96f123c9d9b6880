#pragma once
// Writes program words into the image as the loader does: four upper-case
// hex characters per word, from the given word address on.
#include <cstdint>
#include <cstdio>
#include <initializer_list>

#include "core/state.h"

inline void Place(int address, std::initializer_list<uint16_t> words) {
    for (uint16_t word : words) {
        char text[5];
        std::snprintf(text, sizeof text, "%04X", word);
        for (int i = 0; i < 4; ++i) ProgramImage[4 * address + i] = text[i];
        ++address;
    }
}
