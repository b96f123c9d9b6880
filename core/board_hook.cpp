#include "board_hook.h"

#include "chip_executor.h"

std::atomic<CBoardHook*> AttachedBoard{nullptr};

namespace {
// The board's answer lands on the pins as the chip's profile drives them.
void Answer(CBoardHook& board, const SBoardAnswer& answer) {
    OnChip([&](CChipExecutor& chip) {
        if (Chip.profile == EChipProfile::Datasheet) {
            chip.AnswerBoard<EChipProfile::Datasheet>(board, answer);
        } else {
            chip.AnswerBoard<EChipProfile::Classic>(board, answer);
        }
    });
}
}  // namespace

SBoardView BoardViewNow() {
    return {CycleCount, static_cast<uint16_t>(PinLevels()), static_cast<uint16_t>(PinOutputs())};
}

void StartAttachedBoard() {
    CBoardHook* board = AttachedBoard.load(std::memory_order_relaxed);
    if (board == nullptr) return;
    Answer(*board, board->Reset(BoardViewNow()));
}

[[gnu::noinline]] void UpdateAttachedBoard() {
    CBoardHook* board = AttachedBoard.load(std::memory_order_relaxed);
    if (board == nullptr) return;
    Answer(*board, board->Update(BoardViewNow()));
}

void ActOnAttachedBoard(const SUserInput& input) {
    CBoardHook* board = AttachedBoard.load(std::memory_order_relaxed);
    if (board == nullptr) return;
    Answer(*board, board->Act(input, BoardViewNow()));
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
