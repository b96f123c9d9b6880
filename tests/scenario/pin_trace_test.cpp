// The pin trace the run keeps as it goes against the waveforms written from
// the history afterwards: random programs, random clicks and edits, steps
// back with and without a new input in the past; both must tell the same
// levels and directions at the same times.
#include "core/pin_trace.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "../build/build_test_support.h"
#include "../core/core_test_support.h"
#include "board/attached_board.h"
#include "board/board_reader.h"
#include "core/history.h"
#include "core/pin_input.h"
#include "scenario/history_waveforms.h"

namespace {
constexpr double kClockHz = 4e6;  // 1000 ns per instruction cycle

// Without the times at which the pins came back to what they were.
std::map<long long, uint32_t> WithoutRepeats(std::map<long long, uint32_t> words) {
    uint32_t last = ~0u;
    for (auto it = words.begin(); it != words.end();) {
        if (it->second == last) {
            it = words.erase(it);
        } else {
            last = it++->second;
        }
    }
    return words;
}

// The file's changes as the word of the pins at each time, the last value at a time standing.
std::map<long long, uint32_t> VcdWords(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::map<long long, uint32_t> words;
    uint32_t word = 0;
    long long time = 0;
    while (std::getline(in, line)) {
        if (line.size() == 2 && (line[0] == '0' || line[0] == '1')) {
            const char code = line[1];
            const int bit = code >= 'a' ? code - 'a' : core::kPinDirectionShift + code - 'A';
            word = line[0] == '1' ? word | 1u << bit : word & ~(1u << bit);
            words[time] = word;
        } else if (line[0] == '#') {
            time = std::stoll(line.substr(1));
        }
    }
    return WithoutRepeats(words);
}

// The trace's changes the same way.
std::map<long long, uint32_t> TraceWords() {
    std::map<long long, uint32_t> words;
    for (const core::SPinChange& change : core::PinTrace.Read(0, UINT64_MAX).changes) {
        words[static_cast<long long>(change.cycle) * 1000] = change.word;
    }
    return WithoutRepeats(words);
}

class PinTraceTest : public CoreTest {
protected:
    // Random words, each one's GOTO or CALL kept inside the image; many of
    // them work on the ports, the direction registers or through FSR.
    void LoadRandomProgram(unsigned seed) {
        m_random.seed(seed);
        for (int address = 0; address < 1023; ++address) {
            uint16_t word = std::uniform_int_distribution<int>(0, 0x3FFF)(m_random);
            if ((word >> 12) == 2) word &= 0x2BFF;
            // Every fourth word a store into one of the pins' registers.
            // MOVWF, COMF, INCF, DECF and XORWF into a file, random bit operations.
            const uint16_t stores[] = {0x0080, 0x0980,
                                       0x0A80, 0x0380,
                                       0x0680, static_cast<uint16_t>(0x1000 | (word & 0x0B80))};
            const uint16_t files[] = {PORTA, PORTB, INDF};
            if (address % 4 == 0) {
                word = static_cast<uint16_t>(stores[word % 6] | files[address % 3]);
            }
            // Bank 1 around every fourth of them, so the direction registers are reached.
            if (address % 16 == 3) word = 0x1683;  // BSF STATUS,RP0
            if (address % 16 == 6) word = 0x1283;  // BCF STATUS,RP0
            PutWord(address, word);
        }
        PutWord(1023, 0x2805);
        ResetForRun();
        core::History.Start();
    }

    void RunWithInputs(int passes) {
        for (int pass = 0; pass < passes; ++pass) {
            const int dice = std::uniform_int_distribution<int>(0, 60)(m_random);
            if (dice < 3) {
                const bool portB = dice != 0;
                const int bit = std::uniform_int_distribution<int>(0, portB ? 7 : 4)(m_random);
                core::ClickPin(portB ? PORTB : PORTA, static_cast<uint8_t>(1u << bit));
            } else if (dice == 3) {
                const uint8_t targets[] = {PORTA, PORTB, TRISA, TRISB};
                const auto value =
                    static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 255)(m_random));
                core::EditValue({core::SUserInput::EKind::Register, targets[pass % 4], value});
            }
            Step();
        }
    }

    std::mt19937 m_random;
};

TEST_F(PinTraceTest, TheLiveTraceTellsWhatTheHistorysWaveformsTell) {
    CScratchFolder folder;
    const std::string path = (folder.Path() / "w.vcd").string();
    for (unsigned seed = 1; seed <= 6; ++seed) {
        LoadRandomProgram(seed);
        RunWithInputs(6000);
        // Back and forward again without an input: the trace stays.
        core::History.GoTo(2500, m_cpu);
        Step(400);
        core::History.GoTo(6000, m_cpu);
        // Back and a new input: the future is another.
        core::History.GoTo(4000 + seed * 100, m_cpu);
        core::EditValue({core::SUserInput::EKind::Register, TRISB, 0xFF});
        core::ClickPin(PORTB, 0x01);
        RunWithInputs(3000);
        // Back, and running on through the past into the present.
        core::History.GoTo(5000, m_cpu);
        Step(4000);
        std::string error;
        ASSERT_TRUE(scenario::WriteHistoryWaveforms(path, kClockHz, &error)) << error;
        const std::map<long long, uint32_t> vcd = VcdWords(path);
        const std::map<long long, uint32_t> trace = TraceWords();
        ASSERT_GT(trace.size(), 100u) << "seed " << seed;
        auto [inTrace, inVcd] = std::mismatch(trace.begin(), trace.end(), vcd.begin(), vcd.end());
        EXPECT_TRUE(inTrace == trace.end() && inVcd == vcd.end())
            << "seed " << seed << ": trace " << (inTrace == trace.end() ? -1 : inTrace->first)
            << " " << std::hex << (inTrace == trace.end() ? 0 : inTrace->second) << std::dec
            << " vcd " << (inVcd == vcd.end() ? -1 : inVcd->first) << " " << std::hex
            << (inVcd == vcd.end() ? 0 : inVcd->second) << std::dec;
        EXPECT_EQ(core::PinTrace.EndCycle(), core::CycleCount.load()) << "seed " << seed;
    }
}

// The trace takes the board's values only when the board may have moved
// them; after every pass it must still hold what each part then shows,
// through random port writes (LCD commands, a serial line, an LED), keys
// and a bouncing button, the LCD's busy time running out, a new input in the
// past and a run through the past into new passes.
TEST_F(PinTraceTest, TheBoardsValuesTracedAreThoseItShowsAfterEveryPass) {
    board::SBoard wiring;
    std::string error;
    ASSERT_TRUE(board::ReadBoardText(
        "parts:\n"
        "  - lcd: {name: LCD, data: [RB4, RB5, RB6, RB7], rs: RA2, e: RA3}\n"
        "  - keypad: {name: KEYS, rows: [RB4, RB5, RB6, RB7], columns: [RB0, RB1, RB2, RB3]}\n"
        "  - button: {name: B, pin: RA1, bounce: {count: 3, ms: 1}}\n"
        "  - led: {pin: RA0}\n"
        "  - serial: {name: T, tx: RA4, baud: 19200}\n",
        "t.board.yaml", &wiring, &error))
        << error;
    board::CAttachedBoard attached(std::move(wiring), kClockHz / 4);
    attached.Attach();
    std::vector<uint32_t> shown(attached.ValueCount());
    std::vector<uint32_t> before(shown.size());
    std::vector<int> moves(shown.size());
    // Passes the history replays are left alone: their inputs come back at
    // the same cycle as the pass's end, after the trace's look at it.
    auto run = [&](int passes) {
        const uint64_t replayed = core::History.Latest();
        for (int pass = 0; pass < passes; ++pass) {
            const bool fresh = InstructionCount >= replayed;
            const int dice = std::uniform_int_distribution<int>(0, 400)(m_random);
            const auto kind =
                dice % 2 ? core::SUserInput::EKind::Press : core::SUserInput::EKind::Release;
            if (fresh && dice < 4) core::ActOnBoard({kind, 1, static_cast<uint8_t>("5A0D"[dice])});
            if (fresh && (dice == 4 || dice == 5)) core::ActOnBoard({kind, 2, 0});
            Step();
            if (!fresh) continue;
            const core::SPinTraceCopy copy =
                core::PinTrace.Read(core::CycleCount, core::CycleCount);
            ASSERT_EQ(copy.boardWidth, shown.size());
            attached.SignalValues(core::CycleCount, shown.data());
            const std::vector<uint32_t> traced(copy.boardValues.begin(),
                                               copy.boardValues.begin() + copy.boardWidth);
            ASSERT_EQ(traced, shown) << "pass " << InstructionCount;
            for (size_t v = 0; v < shown.size(); ++v) moves[v] += shown[v] != before[v];
            before = shown;
        }
    };
    for (unsigned seed = 1; seed <= 3; ++seed) {
        LoadRandomProgram(seed);
        core::StartAttachedBoard();
        core::History.Start();
        run(6000);
        core::History.GoTo(4000, m_cpu);
        core::ActOnBoard({core::SUserInput::EKind::Press, 1, 'C'});
        run(3000);
        core::History.GoTo(5000, m_cpu);
        run(4000);
    }
    // Every value moved: busy, key, held, level, lit, frame, byte.
    for (size_t v = 0; v < moves.size(); ++v) EXPECT_GT(moves[v], 2) << "value " << v;
}

TEST_F(PinTraceTest, AReadOfARangeStartsWithTheChangeInForceAndEndsAtItsEnd) {
    // 5 BSF STATUS,RP0; 6 BCF TRISB,0; 7 BCF STATUS,RP0;
    // 8 BSF PORTB,0; 9 BCF PORTB,0; 10 GOTO 8: RB0 high for 1 cycle in 4.
    Load({0x1683, 0x1006, 0x1283, 0x1406, 0x1006, 0x2808});
    core::History.Start();
    Step(3);
    const uint64_t outputAt = core::CycleCount;
    Step(400);
    const core::SPinTraceCopy copy = core::PinTrace.Read(outputAt + 10, outputAt + 20);
    ASSERT_FALSE(copy.changes.empty());
    EXPECT_LE(copy.changes.front().cycle, outputAt + 10);
    EXPECT_GT(copy.changes.back().cycle, outputAt + 16);
    for (const core::SPinChange& change : copy.changes) EXPECT_LE(change.cycle, outputAt + 20);
    // RB0 rises at cycle 4 and falls at 5, then every four cycles again: the
    // fall at 13 in force, then 16, 17, 20 and 21.
    EXPECT_EQ(copy.changes.size(), 5u);
    EXPECT_EQ(copy.changes.front().cycle, outputAt + 10);
    EXPECT_EQ(copy.endCycle, core::CycleCount.load());
}
}  // namespace
