#include "core/board_hook.h"

#include <algorithm>

#include "core/pin_wire.h"
#include "core/state.h"

namespace core {

std::atomic<CBoardHook*> AttachedBoard{nullptr};

namespace {
SBoardView BoardViewAt(uint64_t cycle) {
    return {cycle, static_cast<uint16_t>(PinLevels()), static_cast<uint16_t>(PinOutputs())};
}

// The board's answer: its levels go onto the pins, and while they change
// the pins it looks again (a key joins a row to a column, which it then
// sees), a few rounds at most, so board and chip settle at this cycle. Its
// due cycle waits in the queue. Returns whether the pins or the queue changed.
bool Answer(CBoardHook& board, SBoardAnswer answer, uint64_t cycle) {
    constexpr int kRounds = 4;
    bool changed = false;
    for (int round = 1; DrivePins(answer.drive, answer.level); ++round) {
        changed = true;
        if (round == kRounds) break;
        const SBoardAnswer next = board.Update(BoardViewAt(cycle));
        // The same levels again would change no pin.
        const bool same = next.drive == answer.drive && next.level == answer.level;
        answer = next;
        if (same) break;
    }
    // A board that waits for nothing, on a queue that holds nothing: the
    // keypad's scan, at every row.
    if (answer.due == SBoardAnswer::kNever && Chip.cycleTimers.Count() == 0) return changed;
    const uint64_t due =
        answer.due == SBoardAnswer::kNever ? answer.due : std::max(answer.due, cycle + 1);
    return Chip.cycleTimers.Reschedule(due, {ECycleEvent::BoardDue, 0, 0}) || changed;
}
}  // namespace

void StartAttachedBoard() {
    CBoardHook* board = AttachedBoard.load(std::memory_order_relaxed);
    if (board == nullptr) return;
    Answer(*board, board->Reset(BoardViewAt(CycleCount)), CycleCount);
}

bool UpdateAttachedBoard(uint64_t cycle) {
    CBoardHook* board = AttachedBoard.load(std::memory_order_relaxed);
    if (board == nullptr) return false;
    return Answer(*board, board->Update(BoardViewAt(cycle)), cycle);
}

void ActOnAttachedBoard(const SUserInput& input) {
    CBoardHook* board = AttachedBoard.load(std::memory_order_relaxed);
    if (board == nullptr) return;
    Answer(*board, board->Act(input, BoardViewAt(CycleCount)), CycleCount);
}

SSavedBoard SaveAttachedBoard() {
    CBoardHook* board = AttachedBoard.load(std::memory_order_relaxed);
    return board != nullptr ? board->Save() : SSavedBoard{};
}

void RestoreAttachedBoard(const std::shared_ptr<const void>& saved) {
    CBoardHook* board = AttachedBoard.load(std::memory_order_relaxed);
    if (board != nullptr && saved != nullptr) board->Restore(saved);
}

void PublishAttachedBoard() {
    CBoardHook* board = AttachedBoard.load(std::memory_order_relaxed);
    if (board != nullptr) board->Publish();
}

}  // namespace core
