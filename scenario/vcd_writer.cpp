#include "scenario/vcd_writer.h"

#include <cerrno>
#include <cmath>
#include <cstring>

#include "core/texts/translate.h"
#include "scenario/pin_word.h"

namespace scenario {

namespace {
// Letters only: some viewers stumble over identifiers such as '$' or '#'.
char LevelCode(int pin) {
    return static_cast<char>('a' + pin);
}
char DirectionCode(int pin) {
    return static_cast<char>('A' + pin);
}
// The pins take a-m and A-M; a board's signals two letters from "na" on.
std::string BoardCode(size_t signal) {
    std::string code;
    size_t rest = signal;
    do {
        code.insert(code.begin(), static_cast<char>('a' + rest % 26));
        rest /= 26;
    } while (rest > 0);
    return "n" + code;
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
    m_clockHz = clockHz;
    m_nsPerCycle = 4e9 / clockHz;  // one instruction cycle is four oscillator periods
    m_started = false;
    m_last = core::PinWord();
    return true;
}

void CVcdWriter::WriteHeader() {
    std::fprintf(m_file,
                 "$version Lumo Simulator v2.0 $end\n"
                 "$comment oscillator %.6g Hz; NAME is the pin level, NAME_tris its direction "
                 "(1 input, 0 output) $end\n"
                 "$timescale 1 ns $end\n"
                 "$scope module PIC16C84 $end\n",
                 m_clockHz);
    for (int pin = 0; pin < kPinCount; ++pin) {
        std::fprintf(m_file, "$var wire 1 %c %s $end\n", LevelCode(pin), PinAt(pin).name);
    }
    for (int pin = 0; pin < kPinCount; ++pin) {
        std::fprintf(m_file, "$var wire 1 %c %s_tris $end\n", DirectionCode(pin), PinAt(pin).name);
    }
    std::fputs("$upscope $end\n", m_file);
    m_board = core::AttachedBoard.load(std::memory_order_relaxed);
    if (m_board != nullptr && m_board->Signals().empty()) m_board = nullptr;
    if (m_board != nullptr) {
        const std::vector<core::SBoardSignal>& signals = m_board->Signals();
        for (size_t signal = 0; signal < signals.size(); ++signal) {
            const core::SBoardSignal& s = signals[signal];
            if (signal == 0 || s.part != signals[signal - 1].part) {
                if (signal > 0) std::fputs("$upscope $end\n", m_file);
                std::fprintf(m_file, "$scope module %s $end\n", s.part.c_str());
            }
            m_boardCodes.push_back(BoardCode(signal));
            std::fprintf(m_file, "$var wire %d %s %s $end\n", s.width, m_boardCodes.back().c_str(),
                         s.name.c_str());
        }
        std::fputs("$upscope $end\n", m_file);
        m_boardNow.assign(m_board->ValueCount(), 0);
    }
    std::fputs("$enddefinitions $end\n", m_file);
}

void CVcdWriter::WriteBoardValue(size_t signal, uint32_t value) {
    const char* code = m_boardCodes[signal].c_str();
    const int width = m_board->Signals()[signal].width;
    if (width == 1) {
        std::fprintf(m_file, "%c%s\n", value ? '1' : '0', code);
        return;
    }
    char bits[33] = {};
    for (int bit = 0; bit < width && bit < 32; ++bit) {
        bits[width - 1 - bit] = (value >> bit & 1u) ? '1' : '0';
    }
    std::fprintf(m_file, "b%s %s\n", bits, code);
}

void CVcdWriter::Begin(uint64_t cycles) {
    WriteHeader();
    // The file starts with the pins as they stood when it was opened.
    std::fputs("#0\n$dumpvars\n", m_file);
    m_lastTime = 0;
    for (int pin = 0; pin < kPinCount; ++pin) {
        const uint32_t level = 1u << PinBit(pin);
        const uint32_t direction = level << kDirectionShift;
        std::fprintf(m_file, "%c%c\n", (m_last & level) ? '1' : '0', LevelCode(pin));
        std::fprintf(m_file, "%c%c\n", (m_last & direction) ? '1' : '0', DirectionCode(pin));
    }
    if (m_board != nullptr) {
        m_board->SignalValues(cycles, m_boardNow.data());
        const std::vector<core::SBoardSignal>& signals = m_board->Signals();
        for (size_t signal = 0; signal < signals.size(); ++signal) {
            WriteBoardValue(signal, signals[signal].At(m_last, m_boardNow.data()));
        }
        m_boardLast = m_boardNow;
    }
    std::fputs("$end\n", m_file);
    m_started = true;
}

void CVcdWriter::WriteChanges(uint64_t cycles) {
    if (!m_started) Begin(cycles);
    const uint32_t now = core::PinWord();
    // A board let go meanwhile (a scenario's own, at its end) keeps its last values.
    bool valuesMoved = false;
    if (m_board != nullptr && core::AttachedBoard.load(std::memory_order_relaxed) == m_board) {
        m_board->SignalValues(cycles, m_boardNow.data());
        valuesMoved = m_boardNow != m_boardLast;
    }
    if (now == m_last && !valuesMoved) return;
    const long long time = std::llround(static_cast<double>(cycles) * m_nsPerCycle);
    if (time != m_lastTime) std::fprintf(m_file, "#%lld\n", time);
    m_lastTime = time;
    for (int pin = 0; pin < kPinCount; ++pin) {
        const uint32_t level = 1u << PinBit(pin);
        const uint32_t direction = level << kDirectionShift;
        if ((now ^ m_last) & level) {
            std::fprintf(m_file, "%c%c\n", (now & level) ? '1' : '0', LevelCode(pin));
        }
        if ((now ^ m_last) & direction) {
            std::fprintf(m_file, "%c%c\n", (now & direction) ? '1' : '0', DirectionCode(pin));
        }
    }
    if (m_board != nullptr) {
        const std::vector<core::SBoardSignal>& signals = m_board->Signals();
        for (size_t signal = 0; signal < signals.size(); ++signal) {
            const uint32_t value = signals[signal].At(now, m_boardNow.data());
            if (value != signals[signal].At(m_last, m_boardLast.data())) {
                WriteBoardValue(signal, value);
            }
        }
        m_boardLast = m_boardNow;
    }
    m_last = now;
}

bool CVcdWriter::Close(uint64_t cycles, std::string* error) {
    if (!m_file) return true;
    if (!m_started) Begin(cycles);
    const long long end = std::llround(static_cast<double>(cycles) * m_nsPerCycle);
    if (end > m_lastTime) std::fprintf(m_file, "#%lld\n", end);
    const bool written = std::ferror(m_file) == 0;
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (written && closed) return true;
    *error = core::Fill(core::Tr("%1: upis nije uspeo"), {m_path});
    return false;
}

}  // namespace scenario
