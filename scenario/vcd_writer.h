#pragma once
// The 13 port pins as a Value Change Dump, which waveform viewers such as
// GTKWave open: each pin's level (its port bit) and its direction (its TRIS
// bit, 1 for an input), with the time in nanoseconds at the chosen clock.
#include <cstdint>
#include <cstdio>
#include <string>

#include "pin_word.h"

namespace scenario {

class CVcdWriter {
public:
    CVcdWriter() = default;
    ~CVcdWriter();
    CVcdWriter(const CVcdWriter&) = delete;
    CVcdWriter& operator=(const CVcdWriter&) = delete;

    // Creates the file and writes the header; false with a reason in *error.
    bool Open(const std::string& path, double clockHz, std::string* error);
    // Looks at the pins at this cycle count and writes what changed. Cheap
    // when nothing did, so it can follow every instruction.
    void Sample(uint64_t cycles) {
        if (m_file && scenario::PinWord() != m_last) WriteChanges(cycles);
    }
    bool Recording() const { return m_file != nullptr; }
    // Marks the end of the run at this cycle count, so a viewer shows the
    // last levels up to there, and finishes the file; false with a reason
    // when it could not be written.
    bool Close(uint64_t cycles, std::string* error);

private:
    void WriteChanges(uint64_t cycles);

    std::FILE* m_file = nullptr;
    std::string m_path;
    double m_nsPerCycle = 1000;
    uint32_t m_last = 0;
    bool m_started = false;
    long long m_lastTime = -1;
};

}  // namespace scenario
