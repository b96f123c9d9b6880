#pragma once
// A board attached to the chip: the parts of a board file behind the chip's
// board hook (board_hook.h). Each part is called only when one of its pins
// changed or the cycle it asked for has come; the answers of the parts not
// called stand as they last gave them. A line a part has let go (a key
// released, the LCD done reading) goes back to high: the board's resistors
// pull every line that a part can drive, as port B's pull-ups would.
//
// The thread that runs the program owns the live board (Live); any other
// thread reads the copy published at the end of every slice (Snapshot).
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "core/board_hook.h"

namespace board {

class CAttachedBoard final : public core::CBoardHook {
public:
    // cycleHz: instruction cycles a second, a quarter of the oscillator.
    CAttachedBoard(SBoard board, double cycleHz);
    ~CAttachedBoard() override;
    CAttachedBoard(const CAttachedBoard&) = delete;
    CAttachedBoard& operator=(const CAttachedBoard&) = delete;

    // Makes this the chip's board (from the next run's start on), or none.
    void Attach();
    void Detach();

    core::SBoardAnswer Reset(const core::SBoardView& view) override;
    core::SBoardAnswer Update(const core::SBoardView& view) override;
    core::SBoardAnswer Act(const core::SUserInput& input, const core::SBoardView& view) override;
    core::SSavedBoard Save() override;
    void Restore(const std::shared_ptr<const void>& saved) override;
    void Publish() override;
    const std::vector<core::SBoardSignal>& Signals() const override { return m_signals; }
    size_t ValueCount() const override { return m_valueCount; }
    void SignalValues(uint64_t cycle, uint32_t* values) const override;

    // The board as it stands, for the thread that owns the machine.
    const SBoard& Live() const { return m_state.board; }
    // The board as last published, for any thread.
    std::shared_ptr<const SBoard> Snapshot() const;
    // The index of the part with this name (in any case), -1 if none.
    int PartIndex(std::string_view name) const;
    double CycleHz() const { return m_cycleHz; }

private:
    // The pins whose change calls a part, by index: any change of levels,
    // or a change among the chip's outputs only.
    struct SListening {
        PinMask levels = 0;
        PinMask outputs = 0;
    };
    struct SState {
        const void* owner = nullptr;
        SBoard board;
        std::vector<SPartStep> steps;
        core::SBoardView seen;
        bool started = false;
        core::SBoardAnswer answer;
        SListening heard;  // what all the parts listen to, as their steps say
    };

    SPinView PinView(const core::SBoardView& view) const;
    void Call(size_t index, const SPinView& view);
    struct SCombined;
    core::SBoardAnswer Answer(const SCombined& all);
    void Changed();

    const SBoard m_wiring;  // as the file gave it; its names outlive every event
    const double m_cycleHz;
    const std::vector<core::SBoardSignal> m_signals;
    size_t m_valueCount = 0;
    PinMask m_pulledUp = 0;
    std::vector<SListening> m_listening;
    // By index: a call of the part may change a value among the signals.
    std::vector<uint8_t> m_callMovesValues;
    SState m_state;
    core::SSavedBoard m_saved;
    bool m_savedCurrent = false;

    mutable std::mutex m_publishMutex;
    std::shared_ptr<const SBoard> m_published;
    bool m_publishedCurrent = false;
};

}  // namespace board
