#include "core/history.h"

#include <algorithm>
#include <limits>

#include "core/board_hook.h"
#include "core/event_log.h"
#include "core/pin_trace.h"
#include "core/run_loop.h"

namespace core {

CHistory History;

void CHistory::Start() {
    m_newHistoryRequested.store(false, std::memory_order_relaxed);
    m_keyframes.clear();
    m_clicks.clear();
    m_nextClick = 0;
    m_latest = InstructionCount;
    m_replayEnd.store(0, std::memory_order_relaxed);
    EventLog.SetMuted(false);
    Profile.Clear();
    m_keyframes.push_back({InstructionCount, Chip, SaveAttachedBoard(), {}});
    PinTrace.Start(InstructionCount, CycleCount);
}

void CHistory::RequestNewHistory() {
    m_newHistoryRequested.store(true, std::memory_order_relaxed);
    m_replayEnd.store(std::numeric_limits<uint64_t>::max(), std::memory_order_relaxed);
    SignalRunLoop();
}

void CHistory::TakeNewHistoryRequest() {
    if (m_newHistoryRequested.exchange(false, std::memory_order_relaxed)) Start();
}

void CHistory::BeforePastPass() {
    TakeNewHistoryRequest();
    const uint64_t pass = InstructionCount;
    if (pass < m_latest) {
        EventLog.SetMuted(true);
        m_replayEnd.store(m_latest, std::memory_order_relaxed);
        ReplayClicks(pass);
    } else {
        // Back in the present, with the inputs made at its pass: what
        // happens from here on is new.
        ReplayClicks(pass);
        EventLog.SetMuted(false);
        m_replayEnd.store(0, std::memory_order_relaxed);
    }
}

void CHistory::ReplayClicks(uint64_t pass, CReplayWatcher* watcher) {
    while (m_nextClick < m_clicks.size() && m_clicks[m_nextClick].pass == pass) {
        ApplyUserInput(m_clicks[m_nextClick++].input);
        if (watcher) watcher->Seen();
    }
}

void CHistory::Keyframe() {
    TakeNewHistoryRequest();
    const uint64_t pass = InstructionCount;
    m_latest = std::max(m_latest, pass);
    if (!m_keyframes.empty() && m_keyframes.back().pass >= pass) {
        Profile.Mark();
        return;
    }
    m_keyframes.push_back({pass, Chip, SaveAttachedBoard(), Profile.TakeStep()});
    if (m_keyframes.size() > kMaxKeyframes) {
        Profile.Forget(m_keyframes.front().profile);
        m_keyframes.pop_front();
        const uint64_t earliest = m_keyframes.front().pass;
        while (!m_clicks.empty() && m_clicks.front().pass < earliest) {
            m_clicks.pop_front();
            if (m_nextClick > 0) --m_nextClick;
        }
    }
}

void CHistory::ForgetFuture() {
    const uint64_t pass = InstructionCount;
    while (!m_keyframes.empty() && m_keyframes.back().pass > pass) m_keyframes.pop_back();
    while (!m_clicks.empty() && m_clicks.back().pass >= pass) m_clicks.pop_back();
    m_nextClick = m_clicks.size();
    m_latest = pass;
    m_replayEnd.store(0, std::memory_order_relaxed);
    EventLog.SetMuted(false);
    EventLog.DropAfter(pass);
    PinTrace.ReplaceFrom(pass, CycleCount);
}

void CHistory::RecordInput(const SUserInput& input) {
    if (InPast()) ForgetFuture();
    m_clicks.push_back({InstructionCount, input});
    m_nextClick = m_clicks.size();
}

uint64_t CHistory::Earliest() const {
    return m_keyframes.empty() ? InstructionCount.load() : m_keyframes.front().pass;
}

uint64_t CHistory::Latest() const {
    return std::max<uint64_t>(m_latest, InstructionCount);
}

void CHistory::GoTo(uint64_t pass, CInstructionSet& cpu, CReplayWatcher* watcher) {
    TakeNewHistoryRequest();
    m_latest = Latest();
    pass = std::clamp(pass, Earliest(), m_latest);
    if (pass == InstructionCount) return;

    auto keyframe =
        std::upper_bound(m_keyframes.begin(), m_keyframes.end(), pass,
                         [](uint64_t value, const SKeyframe& frame) { return value < frame.pass; });
    // Going forward from the present state is cheaper when no keyframe lies between.
    const bool fromHere =
        pass > InstructionCount &&
        (keyframe == m_keyframes.begin() || std::prev(keyframe)->pass <= InstructionCount);
    if (!fromHere) {
        Chip = std::prev(keyframe)->state;
        RestoreAttachedBoard(std::prev(keyframe)->board.state);
        Profile.RestoreBase();
        for (auto kept = m_keyframes.begin(); kept != keyframe; ++kept)
            Profile.Apply(kept->profile);
        Profile.Mark();
        m_nextClick = static_cast<size_t>(
            std::lower_bound(
                m_clicks.begin(), m_clicks.end(), InstructionCount.load(),
                [](const SClick& click, uint64_t value) { return click.pass < value; }) -
            m_clicks.begin());
    }
    EventLog.SetMuted(true);
    while (InstructionCount < pass) {
        ReplayClicks(InstructionCount, watcher);
        ExecutePass(cpu);
        if (watcher) watcher->Seen();
    }
    const bool past = pass < m_latest;
    // The present is as the user left it, inputs made at its pass included.
    if (!past) ReplayClicks(pass, watcher);
    EventLog.SetMuted(past);
    m_replayEnd.store(past ? m_latest : 0, std::memory_order_relaxed);
    PublishAttachedBoard();
}

size_t CHistory::MemoryBytes() const {
    size_t bytes = m_keyframes.size() * sizeof(SKeyframe) + m_clicks.size() * sizeof(SClick);
    // Keyframes taken while the board stood still share its copy, and only
    // neighbours do: a board that changed never gives an older copy again.
    const void* counted = nullptr;
    for (const SKeyframe& keyframe : m_keyframes) {
        bytes += keyframe.profile.capacity() * sizeof(SProfileStep);
        if (keyframe.board.state == nullptr || keyframe.board.state.get() == counted) continue;
        counted = keyframe.board.state.get();
        bytes += keyframe.board.bytes;
    }
    return bytes;
}

}  // namespace core
