#pragma once
// The execution profile: for every program word, how often it ran and the
// instruction cycles it took since the run started. The run loop adds to it
// only while the profile is switched on, and then in a loop of its own, so a
// run without it pays nothing.
//
// The figures follow the machine: they always cover the passes from the run
// start up to the pass the machine stands at. Going back restores them from
// the history, which keeps with every keyframe what the words gained since
// the keyframe before (a few words for a typical loop), and the passes
// executed again on the way count once more. Interrupt entries and the
// data-sheet chip's sleeping passes run no word and belong to none.
//
// Only the thread that runs the program writes; the window's thread reads
// the counters whole at any time.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/relaxed.h"

namespace core {

// What the words gained between two keyframes, the words that ran only.
struct SProfileStep {
    uint16_t word;
    uint32_t count;
    uint32_t cycles;
};

class CProfileCounters {
public:
    static constexpr int kWords = 1024;

    // The window's View item and lumo-run's --profile; the run loop reads it
    // at the start of every slice.
    Relaxed<bool> on{false};

    struct SFigures {
        uint64_t count;
        uint64_t cycles;
    };
    // A word's figures, both of the same moment, whenever the reader asks.
    SFigures Figures(int word) const;
    uint64_t Count(int word) const { return Figures(word).count; }
    uint64_t Cycles(int word) const { return Figures(word).cycles; }

    // The run loop's counter for a word (one out of range wraps; the loop
    // knows its words to lie inside) and its one addition per pass: the
    // count and the cycles packed into one word, so that a pass costs a
    // single load and store. A pass's few cycles never reach the count's
    // half, so an OR puts the count there.
    Relaxed<uint64_t>* Gains(int word) { return &m_gained[Index(word)]; }
    Relaxed<uint64_t>* GainsInside(int word) { return &m_gained[static_cast<size_t>(word)]; }
    static void AddPass(Relaxed<uint64_t>* gains, uint64_t cycles) { *gains += cycles | kOnePass; }

    // A counting slice begins: the next keyframe has a step to keep.
    void Counting() { m_unmarked = true; }

    // Everything from zero: a run starts, a history begins.
    void Clear();
    // What the words gained since the last keyframe, for the one now kept.
    std::vector<SProfileStep> TakeStep();
    // The present figures are those of the keyframe just passed or restored.
    void Mark();
    // A keyframe leaves the history: its step becomes part of the base from
    // which the kept ones count.
    void Forget(const std::vector<SProfileStep>& step);
    // Going back: the figures at a keyframe are the base and the steps of
    // every keyframe kept up to it.
    void RestoreBase();
    void Apply(const std::vector<SProfileStep>& step);

private:
    static size_t Index(int word) { return static_cast<size_t>(word) & (kWords - 1); }
    static constexpr uint64_t kOnePass = uint64_t{1} << 32;
    static uint64_t CountOf(uint64_t gained) { return gained >> 32; }
    static uint64_t CyclesOf(uint64_t gained) { return gained & 0xFFFFFFFFu; }

    // Around the run thread's changes of m_figures, so that a reader never
    // adds a word's gains to figures that already hold them.
    void BeginChange();
    void EndChange();
    // Moves the gains into the figures; with the step, what each word gained.
    void Fold(std::vector<SProfileStep>* step);

    // What the words gained since the last keyframe passed or restored,
    // count in the high half and cycles in the low: a keyframe comes every
    // 4096 passes and folds them, so neither half comes near its limit.
    std::array<Relaxed<uint64_t>, kWords> m_gained{};
    // The figures at that keyframe.
    struct SWordFigures {
        Relaxed<uint64_t> count;
        Relaxed<uint64_t> cycles;
    };
    std::array<SWordFigures, kWords> m_figures{};
    std::atomic<uint32_t> m_changes{0};  // odd while the run thread changes them
    // The base: the figures of the keyframes the history no longer keeps.
    // The run thread's alone.
    std::array<uint64_t, kWords> m_baseCount{};
    std::array<uint64_t, kWords> m_baseCycles{};
    bool m_unmarked = false;
};

extern CProfileCounters Profile;

}  // namespace core
