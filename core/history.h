#pragma once
// The history of the current run, for going back. Every kKeyframeEvery
// instructions the whole chip state is kept; the user's inputs (pin clicks,
// edited values) are kept with the pass before which they landed. Any earlier point is reached by
// copying the nearest keyframe at or before it and executing again from there with the recorded
// clicks, silently: the events are in the log already and the run-time messages are not shown
// twice. Going forward after going back repeats the same clicks at the same passes; a new click
// made in the past replaces the future from there.
//
// The state at pass P is the state after P instructions, before the inputs
// made at P. Only the thread that runs the program touches the history,
// except RequestNewHistory.
#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "core/board_hook.h"
#include "core/profile_counters.h"
#include "core/state.h"
#include "core/user_input.h"

class CInstructionSet;

namespace core {

// Told of every state GoTo goes through on its way forward: after each
// input repeated before a pass, and after each pass.
class CReplayWatcher {
public:
    virtual void Seen() = 0;

protected:
    ~CReplayWatcher() = default;
};

class CHistory {
public:
    static constexpr uint64_t kKeyframeEvery = 4096;
    // 16384 keyframes reach 64 million instructions back in about 5 MB.
    static constexpr size_t kMaxKeyframes = 16384;

    // Starts a new history at the current state (a run start).
    void Start();
    // A new history at the next pass, asked for from another thread (a new
    // program, an opened file).
    void RequestNewHistory();

    // The run loop, before a pass: repeats the recorded inputs of a past pass
    // and notices the return to the present. One load and a compare when
    // there is nothing to do.
    void BeforePass() {
        if (PastPassAt(InstructionCount)) [[unlikely]]
            BeforePastPass();
    }
    // Whether BeforePass has something to do before the pass that follows
    // the given number of instructions.
    bool PastPassAt(uint64_t instructions) const { return instructions <= ReplayEnd(); }
    // BeforePass has something to do before the passes that follow up to this
    // many instructions. It changes only in BeforePass, in GoTo, with a click
    // (RecordClick), and with RequestNewHistory, which signals the run loop.
    uint64_t ReplayEnd() const { return m_replayEnd.load(std::memory_order_relaxed); }
    // After a slice of passes: a run that has just come back to the latest
    // pass takes the inputs made at it at once, so they show now rather than
    // before the next pass.
    void SettleAtPresent() {
        if (!InPast() && PastPassAt(InstructionCount)) [[unlikely]]
            BeforePastPass();
    }
    // The run loop, after a pass: keeps a keyframe every kKeyframeEvery passes.
    void AfterPass() {
        if ((InstructionCount & (kKeyframeEvery - 1)) == 0) [[unlikely]]
            Keyframe();
    }
    // An input the user made now; in the past it replaces the future.
    void RecordInput(const SUserInput& input);

    // Brings the machine to the state at the given pass, within
    // [Earliest(), Latest()]; outside that range to the nearer end.
    // The present includes the inputs made at its pass.
    void GoTo(uint64_t pass, CInstructionSet& cpu, CReplayWatcher* watcher = nullptr);
    uint64_t Earliest() const;
    uint64_t Latest() const;
    // Whether the machine stands before the latest point reached.
    bool InPast() const { return InstructionCount < m_latest; }
    // The furthest pass known to have been reached: those up to it are
    // what the history has seen. The thread that runs the program.
    uint64_t LatestKept() const { return m_latest; }

    size_t MemoryBytes() const;

private:
    struct SKeyframe {
        uint64_t pass;
        SChipState state;
        SSavedBoard board;                  // the attached board's state; null without one
        std::vector<SProfileStep> profile;  // what the words gained since the keyframe before
    };
    struct SClick {
        uint64_t pass;
        SUserInput input;
    };

    void BeforePastPass();
    void Keyframe();
    void ReplayClicks(uint64_t pass, CReplayWatcher* watcher = nullptr);
    void TakeNewHistoryRequest();
    void ForgetFuture();

    std::deque<SKeyframe> m_keyframes;
    std::deque<SClick> m_clicks;  // every input, clicks and edits alike
    size_t m_nextClick = 0;       // the first recorded input not yet repeated
    uint64_t m_latest = 0;        // the furthest pass the run has reached
    // Passes up to this one are in the past; 0 in the present. Another thread
    // raises it to the top to have the next pass look at its request.
    std::atomic<uint64_t> m_replayEnd{0};
    std::atomic<bool> m_newHistoryRequested{false};
};

extern CHistory History;

}  // namespace core
