#include "vcd_writer.h"

#include <cerrno>
#include <cmath>
#include <cstring>

#include "pin_word.h"
#include "texts/translate.h"

namespace scenario {

namespace {
// Letters only: some viewers stumble over identifiers such as '$' or '#'.
char LevelCode(int pin) {
    return static_cast<char>('a' + pin);
}
char DirectionCode(int pin) {
    return static_cast<char>('A' + pin);
}
}  // namespace

CVcdWriter::~CVcdWriter() {
    if (m_file) std::fclose(m_file);
}

bool CVcdWriter::Open(const std::string& path, double clockHz, std::string* error) {
    m_file = std::fopen(path.c_str(), "w");
    if (!m_file) {
        *error = path + ": " + std::strerror(errno);
        return false;
    }
    m_path = path;
    m_nsPerCycle = 4e9 / clockHz;  // one instruction cycle is four oscillator periods
    std::fprintf(m_file,
                 "$version Lumo Simulator v2.0 $end\n"
                 "$comment oscillator %.6g Hz; NAME is the pin level, NAME_tris its direction "
                 "(1 input, 0 output) $end\n"
                 "$timescale 1 ns $end\n"
                 "$scope module PIC16C84 $end\n",
                 clockHz);
    for (int pin = 0; pin < kPinCount; ++pin) {
        std::fprintf(m_file, "$var wire 1 %c %s $end\n", LevelCode(pin), PinAt(pin).name);
    }
    for (int pin = 0; pin < kPinCount; ++pin) {
        std::fprintf(m_file, "$var wire 1 %c %s_tris $end\n", DirectionCode(pin), PinAt(pin).name);
    }
    std::fputs("$upscope $end\n$enddefinitions $end\n", m_file);
    m_started = false;
    WriteChanges(0);
    return true;
}

void CVcdWriter::WriteChanges(uint64_t cycles) {
    const uint32_t now = PinWord();
    const long long time = std::llround(static_cast<double>(cycles) * m_nsPerCycle);
    if (time != m_lastTime) std::fprintf(m_file, "#%lld\n", time);
    m_lastTime = time;
    if (!m_started) std::fputs("$dumpvars\n", m_file);
    for (int pin = 0; pin < kPinCount; ++pin) {
        const uint32_t level = 1u << PinBit(pin);
        const uint32_t direction = level << kDirectionShift;
        if (!m_started || ((now ^ m_last) & level)) {
            std::fprintf(m_file, "%c%c\n", (now & level) ? '1' : '0', LevelCode(pin));
        }
        if (!m_started || ((now ^ m_last) & direction)) {
            std::fprintf(m_file, "%c%c\n", (now & direction) ? '1' : '0', DirectionCode(pin));
        }
    }
    if (!m_started) std::fputs("$end\n", m_file);
    m_started = true;
    m_last = now;
}

bool CVcdWriter::Close(uint64_t cycles, std::string* error) {
    if (!m_file) return true;
    const long long end = std::llround(static_cast<double>(cycles) * m_nsPerCycle);
    if (end > m_lastTime) std::fprintf(m_file, "#%lld\n", end);
    const bool written = std::ferror(m_file) == 0;
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (written && closed) return true;
    *error = Fill(Tr("%1: upis nije uspeo"), {m_path});
    return false;
}

}  // namespace scenario
