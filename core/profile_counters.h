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

    uint64_t Count(int word) const { return m_live[Index(word)].count; }
    uint64_t Cycles(int word) const { return m_live[Index(word)].cycles; }

    // The run loop's one addition per pass; a word out of range wraps.
    void Add(size_t word, uint64_t cycles) {
        SLive& live = m_live[word & (kWords - 1)];
        live.count += 1;
        live.cycles += cycles;
    }

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
    static int Index(int word) { return word & (kWords - 1); }

    // A word's two counters side by side: two arrays 8 KB apart made the
    // processor take the second's load for one of the first's store.
    struct SLive {
        Relaxed<uint64_t> count;
        Relaxed<uint64_t> cycles;
    };
    std::array<SLive, kWords> m_live{};
    // The figures at the last keyframe passed, and the base: those of the
    // keyframes the history no longer keeps. The run thread's alone.
    std::array<uint64_t, kWords> m_markCount{};
    std::array<uint64_t, kWords> m_markCycles{};
    std::array<uint64_t, kWords> m_baseCount{};
    std::array<uint64_t, kWords> m_baseCycles{};
    bool m_unmarked = false;
};

extern CProfileCounters Profile;

}  // namespace core
