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

    // The run loop's additions: a word taken up to run (its pass and the
    // pass's first cycle) and a second cycle the word's instruction took.
    void AddPass(int word) { Add(m_passes[static_cast<size_t>(word)]); }
    void AddSecondCycle(int word) { Add(m_secondCycles[static_cast<size_t>(word)]); }
    // The word a program counter past the words counts at: the one it wraps to.
    static int Index(int word) { return word & (kWords - 1); }

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
    // One more, in one instruction that adds to memory where the relaxed
    // load and store take three: the loops count every pass. Only this
    // thread writes, and an aligned store of eight bytes reaches a reader
    // whole on this processor, as the atomic's own store does.
    static void Add(Relaxed<uint64_t>& counter) {
#if defined(__x86_64__)
        asm("addq $1, %0" : "+m"(*reinterpret_cast<uint64_t*>(&counter)));
#else
        counter += 1;
#endif
    }

    // Around the run thread's changes of m_figures, so that a reader never
    // adds a word's gains to figures that already hold them.
    void BeginChange();
    void EndChange();
    // Moves the gains into the figures; with the step, what each word gained.
    void Fold(std::vector<SProfileStep>* step);

    // What the words gained since the last keyframe passed or restored: their
    // passes, and apart (a second addition to the same word in one pass
    // would wait for the first) their second cycles. A keyframe comes every
    // 4096 passes and folds them.
    std::array<Relaxed<uint64_t>, kWords> m_passes{};
    std::array<Relaxed<uint64_t>, kWords> m_secondCycles{};
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
