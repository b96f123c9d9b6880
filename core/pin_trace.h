#pragma once
// The pins over time: every change of the thirteen pins' levels and
// directions, and of the attached board's signals (board_hook.h), in the run
// on show, with the pass and cycle after which it stood. The thread that owns the machine writes it
// as the pins change (see pin_watch.h); any other thread reads it at any time without a lock and
// without ever making the writer wait: a read that overlapped a rewrite of
// what it copied notices and tries again.
//
// It follows the history: a new history starts it afresh, going back leaves
// it as it is (the run's future is still what it was), and a new input in
// the past drops the changes of the future it replaces.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/board_hook.h"

namespace core {

// The pins as one word: pin i's level (pin_wire.h) in bit i, its direction
// bit (1 for an input) in bit kPinDirectionShift + i.
constexpr int kPinDirectionShift = 16;
uint32_t PinWord();

struct SPinChange {
    uint64_t pass = 0;
    uint64_t cycle = 0;
    uint32_t word = 0;  // the pins from here on
    bool operator==(const SPinChange&) const = default;
};

// A level of one pin in a word.
inline bool PinLevelIn(uint32_t word, int pin) {
    return (word >> pin) & 1u;
}
inline bool PinInputIn(uint32_t word, int pin) {
    return (word >> (kPinDirectionShift + pin)) & 1u;
}

// What a reader gets: the changes of a cycle range, led by the one in force
// at its start, and the furthest cycle the run has reached.
struct SPinTraceCopy {
    std::vector<SPinChange> changes;
    uint64_t endCycle = 0;
    // Older changes than the first were dropped for room.
    bool clipped = false;
    // The board traced (null for none) and the values among its signals
    // beside each change: boardValues[i * boardWidth + v] is value v from
    // change i on (its lines are the pins').
    const CBoardHook* board = nullptr;
    size_t boardWidth = 0;
    std::vector<uint32_t> boardValues;
    // A signal of that board from change i on.
    uint32_t BoardSignalAt(size_t change, const SBoardSignal& signal) const {
        return signal.At(changes[change].word, boardValues.data() + change * boardWidth);
    }
};

class CPinTrace {
public:
    // Changes kept; older ones make room for new ones. With a board, its
    // values share a store of their own, and fewer changes fit when it has
    // many signals.
    static constexpr size_t kCapacity = size_t{1} << 21;
    static constexpr size_t kBoardValueCapacity = size_t{1} << 23;

    CPinTrace();
    ~CPinTrace();
    CPinTrace(const CPinTrace&) = delete;
    CPinTrace& operator=(const CPinTrace&) = delete;

    // The machine's owner. A new trace with the pins as they stand, and the
    // signals of the board attached now.
    void Start(uint64_t pass, uint64_t cycle);
    // Keeps the pins as they stand when they differ from the last change.
    void Sample(uint64_t pass, uint64_t cycle);
    // Forgets the changes from this pass on and keeps the pins as they now stand there.
    void ReplaceFrom(uint64_t pass, uint64_t cycle);
    // The run has come this far.
    void Reach(uint64_t cycle);

    // Any thread. The changes with a cycle in (fromCycle, toCycle] and the
    // one in force at fromCycle. Empty when nothing was traced yet.
    SPinTraceCopy Read(uint64_t fromCycle, uint64_t toCycle) const;
    // The furthest cycle reached, and the first cycle still kept.
    uint64_t EndCycle() const { return m_endCycle.load(std::memory_order_relaxed); }
    uint64_t FirstCycle() const;

private:
    struct SSlot;
    void Append(const SPinChange& change);
    void BeginRewrite();
    bool TakeBoardValues(uint64_t cycle);
    uint64_t KeptFrom(uint64_t end) const;
    uint64_t Capacity() const { return m_capacity.load(std::memory_order_relaxed); }
    SPinChange SlotAt(uint64_t index) const;
    uint32_t BoardValueAt(uint64_t index, size_t width, size_t signal) const;
    bool CopyOnce(uint64_t fromCycle, uint64_t toCycle, SPinTraceCopy* copy) const;

    std::unique_ptr<SSlot[]> m_slots;
    std::unique_ptr<uint32_t[]> m_boardValues;
    // Changes from m_start (this trace's first) to m_end are numbered on
    // through every trace; change n lies in slot n % kCapacity, so the last
    // kCapacity - 1 are whole while the next is being written. m_rewrites
    // counts the starts and the moves of m_end back, so that a reader can
    // tell that a slot it copied was not written anew meanwhile.
    std::atomic<uint64_t> m_start{0};
    std::atomic<uint64_t> m_end{0};
    std::atomic<uint64_t> m_rewrites{0};
    std::atomic<uint64_t> m_endCycle{0};
    std::atomic<uint64_t> m_capacity{kCapacity};
    std::atomic<const CBoardHook*> m_board{nullptr};
    std::atomic<size_t> m_boardWidth{0};
    // The owner's: the last change kept with the board's values in it, the
    // values as last taken (m_taken, compared with those), and the board's
    // serial then (see CBoardHook::ValueSerial).
    uint32_t m_lastWord = 0;
    std::vector<uint32_t> m_values;
    std::vector<uint32_t> m_taken;
    uint64_t m_takenSerial = 0;
    bool m_takenKnown = false;
};

extern CPinTrace PinTrace;

}  // namespace core
