#include "board_hook.h"

#include <algorithm>

#include "pin_wire.h"
#include "state.h"

std::atomic<CBoardHook*> AttachedBoard{nullptr};

namespace {
SBoardView BoardViewAt(uint64_t cycle) {
    return {cycle, static_cast<uint16_t>(PinLevels()), static_cast<uint16_t>(PinOutputs())};
}

// Returns whether a port register changed.
bool DriveFromBoard(const SBoardAnswer& answer) {
    bool changed = false;
    for (const uint8_t port : {PORTA, PORTB}) {
        const int first = port == PORTA ? 0 : ChipPinIndex(PORTB, 0);
        const int count = port == PORTA ? ChipPinIndex(PORTB, 0) : kChipPinCount - first;
        const auto mask = static_cast<uint8_t>((answer.drive >> first) & ((1u << count) - 1));
        if (mask != 0 && DrivePort(port, mask, static_cast<uint8_t>(answer.level >> first))) {
            changed = true;
        }
    }
    return changed;
}

// The board's answer: its levels go onto the pins, and while they change
// the pins it looks again (a key joins a row to a column, which it then
// sees), a few rounds at most, so board and chip settle at this cycle. Its
// due cycle waits in the queue. Returns whether the pins or the queue changed.
bool Answer(CBoardHook& board, SBoardAnswer answer, uint64_t cycle) {
    constexpr int kRounds = 4;
    bool changed = false;
    for (int round = 1; DriveFromBoard(answer); ++round) {
        changed = true;
        if (round == kRounds) break;
        answer = board.Update(BoardViewAt(cycle));
    }
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

std::shared_ptr<const void> SaveAttachedBoard() {
    CBoardHook* board = AttachedBoard.load(std::memory_order_relaxed);
    return board != nullptr ? board->Save() : nullptr;
}

void RestoreAttachedBoard(const std::shared_ptr<const void>& saved) {
    CBoardHook* board = AttachedBoard.load(std::memory_order_relaxed);
    if (board != nullptr && saved != nullptr) board->Restore(saved);
}

void PublishAttachedBoard() {
    CBoardHook* board = AttachedBoard.load(std::memory_order_relaxed);
    if (board != nullptr) board->Publish();
}
