#pragma once
// The 13 port pins as a Value Change Dump, which waveform viewers such as
// GTKWave open: each pin's level (its port bit) and its direction (its TRIS
// bit, 1 for an input), with the time in nanoseconds at the chosen clock.
// With a board attached, each part follows in a scope of its own with its
// signals (board_signals.h), as the logic analyser shows them.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/board_hook.h"
#include "scenario/pin_word.h"

namespace scenario {

class CVcdWriter {
public:
    CVcdWriter() = default;
    ~CVcdWriter();
    CVcdWriter(const CVcdWriter&) = delete;
    CVcdWriter& operator=(const CVcdWriter&) = delete;

    // Creates the file and takes the pins as they stand for its start; false
    // with a reason in *error. The header follows at the first sample, so
    // that a board attached meanwhile (a scenario's own) is in it.
    bool Open(const std::string& path, double clockHz, std::string* error);
    // Looks at the pins and the board at this cycle count and writes what
    // changed. Cheap without a board when nothing did, so it can follow
    // every instruction.
    void Sample(uint64_t cycles) {
        if (m_file && (!m_started || m_board || scenario::PinWord() != m_last)) {
            WriteChanges(cycles);
        }
    }
    bool Recording() const { return m_file != nullptr; }
    // Marks the end of the run at this cycle count, so a viewer shows the
    // last levels up to there, and finishes the file; false with a reason
    // when it could not be written.
    bool Close(uint64_t cycles, std::string* error);

private:
    void WriteHeader();
    void Begin(uint64_t cycles);
    void WriteChanges(uint64_t cycles);
    void WriteBoardValue(size_t signal, uint32_t value);

    std::FILE* m_file = nullptr;
    std::string m_path;
    double m_clockHz = 4e6;
    double m_nsPerCycle = 1000;
    uint32_t m_last = 0;
    bool m_started = false;
    long long m_lastTime = -1;
    const core::CBoardHook* m_board = nullptr;
    std::vector<std::string> m_boardCodes;
    // The values among the board's signals (its lines are the pins').
    std::vector<uint32_t> m_boardLast;
    std::vector<uint32_t> m_boardNow;
};

}  // namespace scenario
