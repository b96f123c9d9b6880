// The profile on programs counted by hand: a DECFSZ loop whose skip takes two
// cycles, inside a CALL/RETURN pair; the figures per line and per routine;
// going back, which must bring the figures to those of a run that never went
// further; and interrupts and sleep, against the loop without the profile.
#include "build/profile_figures.h"

#include <algorithm>
#include <vector>

#include "../core/core_test_support.h"
#include "core/history.h"
#include "core/profile_counters.h"

namespace {
class ProfileTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        core::Profile.on = true;
    }
    void TearDown() override { core::Profile.on = false; }

    // From the run's reset, as the window's Restart does; the history and
    // with it the profile begin there.
    void Restart() {
        ResetForRun();
        m_cpu.Sync();
    }
    void Run(int64_t passes) {
        while (passes > 0) passes -= core::RunPasses(m_cpu, passes).passes;
    }
};

//  5 MOVLW 3 / 6 MOVWF 0x0C / 7 CALL 0x0A / 8 GOTO 8
//  0x0A DECFSZ 0x0C,1 / 0x0B GOTO 0x0A / 0x0C RETURN
constexpr std::initializer_list<uint16_t> kCallAndLoop = {0x3003, 0x008C, 0x200A, 0x2808,
                                                          0x0000, 0x0B8C, 0x280A, 0x0008};

TEST_F(ProfileTest, CountsAndCyclesOfACallAndALoopAreThoseCountedByHand) {
    Load(kCallAndLoop);
    Restart();
    // 5, 6, 7, A, B, A, B, A (skips), C, then 8 three times.
    Run(12);
    const struct {
        int word;
        uint64_t count, cycles;
    } expected[] = {{5, 1, 1},  {6, 1, 1},  {7, 1, 2},  {8, 3, 6},  {9, 0, 0},
                    {10, 3, 4}, {11, 2, 4}, {12, 1, 2}, {13, 0, 0}, {0, 0, 0}};
    for (const auto& word : expected) {
        EXPECT_EQ(core::Profile.Count(word.word), word.count) << "word " << word.word;
        EXPECT_EQ(core::Profile.Cycles(word.word), word.cycles) << "word " << word.word;
    }

    // Line n holds word n + 1: the lines of the words 5 and 6 share line 6.
    build::CSourceMap map;
    map.files = {"loop.asm"};
    for (int word = 5; word <= 12; ++word) map.words[static_cast<size_t>(word)] = {0, word + 1};
    map.words[6] = {0, 6};
    map.symbols = {{"wait", 10, build::CProgramSymbol::EKind::Label}};
    const std::vector<build::SLineFigures> lines = build::LineFigures(map, build::ProfileNow());
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].line, 6);
    EXPECT_EQ(lines[0].count, 1u);   // as often as its first word
    EXPECT_EQ(lines[0].cycles, 2u);  // both words' cycles
    EXPECT_EQ(lines[3].line, 10);    // word 9 has a line and never ran
    EXPECT_EQ(lines[3].count, 0u);

    const std::vector<build::SRoutineFigures> routines = build::RoutineFigures(
        build::LoadedProgram(), core::kStartAddress, map, build::ProfileNow());
    ASSERT_EQ(routines.size(), 2u);  // no line put code at word 4, and it never ran
    EXPECT_EQ(routines[0].kind, build::SRoutineFigures::EKind::Main);
    EXPECT_EQ(routines[0].cycles, 10u);
    EXPECT_EQ(routines[1].label, "wait");
    EXPECT_EQ(routines[1].calls, 1u);
    EXPECT_EQ(routines[1].cycles, 10u);  // its own, not its caller's
    EXPECT_DOUBLE_EQ(routines[1].share, 0.5);

    // Switched off, nothing counts; the next run start clears.
    core::Profile.on = false;
    Run(5);
    EXPECT_EQ(core::Profile.Count(8), 3u);
    Restart();
    EXPECT_EQ(core::Profile.Count(5), 0u);
}

// Going back to a pass and on again: the figures are always those of a run
// that went straight there, across keyframes and before the last one.
TEST_F(ProfileTest, GoingBackNeverCountsTwice) {
    // A delay loop of 255 rounds with a CALL, run well past several keyframes.
    Load({0x30FF, 0x008C, 0x200A, 0x2805, 0x0000, 0x0B8C, 0x280A, 0x0008});
    const auto straight = [this](int64_t passes) {
        Restart();
        Run(passes);
        return build::ProfileNow();
    };
    const auto same = [](const build::CWordFigures& a, const build::CWordFigures& b) {
        for (int word = 0; word < build::kProgramWords; ++word) {
            if (a[word].count != b[word].count || a[word].cycles != b[word].cycles) return false;
        }
        return true;
    };
    const int64_t kEnd = 3 * core::CHistory::kKeyframeEvery + 100;
    const int64_t kFurther = 4 * core::CHistory::kKeyframeEvery + 1;
    const build::CWordFigures atEnd = straight(kEnd);
    const build::CWordFigures atFurther = straight(kFurther);
    for (const int64_t back : {int64_t{1}, int64_t{60}, int64_t{3000}, kEnd - 10}) {
        const int64_t to = kEnd - back;
        const build::CWordFigures expected = straight(to);
        Restart();
        Run(kEnd);
        core::History.GoTo(static_cast<uint64_t>(to), m_cpu);
        EXPECT_TRUE(same(build::ProfileNow(), expected)) << "back " << back;
        // On again through the loop, past the keyframes it kept to a new
        // one, which must keep what the words gained since the one before.
        Run(back);
        EXPECT_TRUE(same(build::ProfileNow(), atEnd)) << "forward " << back;
        Run(kFurther + 10 - kEnd);
        core::History.GoTo(static_cast<uint64_t>(kFurther), m_cpu);
        EXPECT_TRUE(same(build::ProfileNow(), atFurther)) << "further " << back;
    }
}

// Against the plain loop one pass at a time: the counting loop, in slices
// that cross keyframes, gives every word the passes and cycles of its own
// instruction, never those of an interrupt's entry or a sleeping pass.
TEST_F(ProfileTest, EveryWordTakesTheCyclesOfItsOwnPassesOnly) {
    // Calls, skips and a Timer 0 interrupt every 256 cycles (only the entry
    // leads to word 4); SLEEP until the watchdog wakes the chip.
    const std::vector<uint16_t> timer = {0x2805, 0,      0,      0,      0x2812, 0x1683,
                                         0x3008, 0x0081, 0x1283, 0x30A0, 0x008B, 0x2015,
                                         0x180C, 0x0A8D, 0x1F8D, 0x280B, 0x018D, 0x280B,
                                         0x110B, 0x0A8E, 0x0009, 0x0A8C, 0x0008};
    const std::vector<uint16_t> sleep = {0x3008, 0x0062, 0x0063, 0x2802};
    // A table read through PCL (ADDWF PCL,F), whose jump takes a second cycle.
    const std::vector<uint16_t> table = {0x3002, 0x2008, 0x2800, 0,      0,      0,
                                         0,      0,      0x0782, 0x3401, 0x3402, 0x3403};
    const struct {
        core::EChipProfile chip;
        const std::vector<uint16_t>& words;
        int config;
        int64_t passes;
    } cases[] = {{core::EChipProfile::Classic, timer, core::kNoConfigWord, 9000},
                 {core::EChipProfile::Datasheet, timer, core::kNoConfigWord, 9000},
                 {core::EChipProfile::Datasheet, sleep, 0x3FFF, 40000},
                 {core::EChipProfile::Datasheet, table, core::kNoConfigWord, 3000}};
    for (const auto& test : cases) {
        Load({});
        for (size_t at = 0; at < test.words.size(); ++at)
            PutWord(static_cast<int>(at), test.words[at]);
        core::ProgramConfigWord = test.config;
        core::ChipProfile = test.chip;
        core::Profile.on = false;
        Restart();
        uint64_t expected[build::kProgramWords][2] = {};  // count, cycles
        int64_t entries = 0, sleeping = 0, tableJumps = 0;
        for (int64_t pass = 0; pass < test.passes; ++pass) {
            const int pc = PC;
            const bool asleep = Asleep;
            const uint64_t before = core::CycleCount;
            core::RunPasses(m_cpu, 1);
            // The data-sheet chip's entry is a forced call of two cycles.
            const bool entered = PC == 4;
            entries += entered;
            sleeping += asleep;
            tableJumps += pc == 8 && PC > 9;
            if (asleep) continue;
            expected[pc][0] += 1;
            expected[pc][1] += core::CycleCount - before -
                               (entered && test.chip != core::EChipProfile::Classic ? 2 : 0);
        }
        EXPECT_GT(entries + sleeping + tableJumps, 0);

        core::Profile.on = true;
        Restart();
        for (int64_t done = 0; done < test.passes;)
            done += core::RunPasses(m_cpu, std::min<int64_t>(777, test.passes - done)).passes;
        for (int word = 0; word < build::kProgramWords; ++word) {
            EXPECT_EQ(core::Profile.Count(word), expected[word][0])
                << static_cast<int>(test.chip) << " " << word;
            EXPECT_EQ(core::Profile.Cycles(word), expected[word][1])
                << static_cast<int>(test.chip) << " " << word;
        }
    }
    core::ChipProfile = core::EChipProfile::Classic;
    core::ProgramConfigWord = core::kNoConfigWord;
}
}  // namespace
