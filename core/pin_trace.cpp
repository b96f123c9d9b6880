#include "core/pin_trace.h"

#include <algorithm>

#include "core/pin_wire.h"
#include "core/state.h"

namespace core {

CPinTrace PinTrace;

uint32_t PinWord() {
    const uint32_t directions = (RegisterFile[TRISA] & 0x1Fu) | (RegisterFile[TRISB] & 0xFFu) << 5;
    return PinLevels() | directions << kPinDirectionShift;
}

// Written by the owner and read by others through atomic_ref, so that the
// slots need no initialisation: a large trace costs memory only as it fills.
struct CPinTrace::SSlot {
    uint64_t pass;
    uint64_t cycle;
    uint32_t word;
};

namespace {
template <typename T>
T LoadRelaxed(const T& item) {
    return std::atomic_ref<T>(const_cast<T&>(item)).load(std::memory_order_relaxed);
}
template <typename T>
void StoreRelaxed(T& item, T value) {
    std::atomic_ref<T>(item).store(value, std::memory_order_relaxed);
}
}  // namespace

CPinTrace::CPinTrace()
    : m_slots(std::make_unique_for_overwrite<SSlot[]>(kCapacity)),
      m_boardValues(std::make_unique_for_overwrite<uint32_t[]>(kBoardValueCapacity)) {}
CPinTrace::~CPinTrace() = default;

SPinChange CPinTrace::SlotAt(uint64_t index) const {
    const SSlot& slot = m_slots[index % Capacity()];
    return {LoadRelaxed(slot.pass), LoadRelaxed(slot.cycle), LoadRelaxed(slot.word)};
}

uint32_t CPinTrace::BoardValueAt(uint64_t index, size_t width, size_t signal) const {
    // A reader that overlapped a new start may pair the new capacity with
    // the old width: it stays inside the store, and its copy is discarded.
    const uint64_t at = index % Capacity() * width + signal;
    return at < kBoardValueCapacity ? LoadRelaxed(m_boardValues[at]) : 0;
}

uint64_t CPinTrace::KeptFrom(uint64_t end) const {
    const uint64_t start = m_start.load(std::memory_order_relaxed);
    const uint64_t capacity = Capacity();
    return end >= start + capacity ? end - capacity + 1 : start;
}

void CPinTrace::BeginRewrite() {
    m_rewrites.fetch_add(1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
}

void CPinTrace::Append(const SPinChange& change) {
    const uint64_t end = m_end.load(std::memory_order_relaxed);
    // One division: the stores between two loads of the capacity keep the
    // compiler from sharing them.
    const uint64_t at = end % Capacity();
    SSlot& slot = m_slots[at];
    StoreRelaxed(slot.pass, change.pass);
    StoreRelaxed(slot.cycle, change.cycle);
    StoreRelaxed(slot.word, change.word);
    const size_t width = m_values.size();
    uint32_t* values = &m_boardValues[at * width];
    for (size_t signal = 0; signal < width; ++signal)
        StoreRelaxed(values[signal], m_values[signal]);
    m_end.store(end + 1, std::memory_order_release);
    m_lastWord = change.word;
}

// The board's values now into m_values; true when they differ from the last
// change's. A board attached after the trace's start has no signals in it.
// Values that the board has not touched since they were last taken are
// still those of the last change, so most samples cost one comparison.
bool CPinTrace::TakeBoardValues(uint64_t cycle) {
    if (m_values.empty()) return false;
    const CBoardHook* board = AttachedBoard.load(std::memory_order_relaxed);
    if (board != m_board.load(std::memory_order_relaxed)) return false;
    const uint64_t serial = board->ValueSerial();
    if (m_takenKnown && serial == m_takenSerial) return false;
    m_takenKnown = true;
    m_takenSerial = serial;
    board->SignalValues(cycle, m_taken.data());
    if (m_taken == m_values) return false;
    m_values.swap(m_taken);
    return true;
}

void CPinTrace::Start(uint64_t pass, uint64_t cycle) {
    BeginRewrite();
    const CBoardHook* board = AttachedBoard.load(std::memory_order_relaxed);
    if (board != nullptr && board->Signals().empty()) board = nullptr;
    const size_t width = board != nullptr ? board->ValueCount() : 0;
    m_board.store(board, std::memory_order_relaxed);
    m_boardWidth.store(width, std::memory_order_relaxed);
    m_capacity.store(width > 0 ? std::min(kCapacity, kBoardValueCapacity / width) : kCapacity,
                     std::memory_order_relaxed);
    m_values.assign(width, 0);
    m_taken.assign(width, 0);
    m_takenKnown = false;
    m_start.store(m_end.load(std::memory_order_relaxed), std::memory_order_relaxed);
    m_endCycle.store(cycle, std::memory_order_relaxed);
    TakeBoardValues(cycle);
    Append({pass, cycle, PinWord()});
}

void CPinTrace::Sample(uint64_t pass, uint64_t cycle) {
    const uint32_t word = PinWord();
    if (TakeBoardValues(cycle) || word != m_lastWord) Append({pass, cycle, word});
    Reach(cycle);
}

void CPinTrace::ReplaceFrom(uint64_t pass, uint64_t cycle) {
    uint64_t end = m_end.load(std::memory_order_relaxed);
    const uint64_t kept = KeptFrom(end);
    // The first change of the run always stays: it is the state at the start.
    while (end > kept + 1 && SlotAt(end - 1).pass >= pass) --end;
    BeginRewrite();
    m_end.store(end, std::memory_order_relaxed);
    m_lastWord = SlotAt(end - 1).word;
    for (size_t signal = 0; signal < m_values.size(); ++signal) {
        m_values[signal] = BoardValueAt(end - 1, m_values.size(), signal);
    }
    // The board stands where the history put it, whatever its serial says.
    m_takenKnown = false;
    m_endCycle.store(cycle, std::memory_order_relaxed);
    Sample(pass, cycle);
}

void CPinTrace::Reach(uint64_t cycle) {
    if (cycle > m_endCycle.load(std::memory_order_relaxed)) {
        m_endCycle.store(cycle, std::memory_order_relaxed);
    }
}

uint64_t CPinTrace::FirstCycle() const {
    for (;;) {
        const uint64_t rewrites = m_rewrites.load(std::memory_order_acquire);
        const uint64_t end = m_end.load(std::memory_order_acquire);
        if (end == m_start.load(std::memory_order_relaxed)) return 0;
        const uint64_t cycle = SlotAt(KeptFrom(end)).cycle;
        std::atomic_thread_fence(std::memory_order_acquire);
        const uint64_t endAfter = m_end.load(std::memory_order_relaxed);
        if (m_rewrites.load(std::memory_order_relaxed) == rewrites &&
            KeptFrom(endAfter) <= KeptFrom(end))
            return cycle;
    }
}

bool CPinTrace::CopyOnce(uint64_t fromCycle, uint64_t toCycle, SPinTraceCopy* copy) const {
    const uint64_t rewrites = m_rewrites.load(std::memory_order_acquire);
    const uint64_t end = m_end.load(std::memory_order_acquire);
    const uint64_t start = m_start.load(std::memory_order_relaxed);
    copy->changes.clear();
    copy->boardValues.clear();
    copy->endCycle = m_endCycle.load(std::memory_order_relaxed);
    copy->board = m_board.load(std::memory_order_relaxed);
    copy->boardWidth = m_boardWidth.load(std::memory_order_relaxed);
    if (end == start) return true;
    uint64_t kept = KeptFrom(end);
    copy->clipped = kept > start;
    // Once the slots have come round, the oldest ones are next to be written:
    // a copy keeps clear of them, so that it ends before the writer gets there.
    if (copy->clipped) kept = std::min(kept + Capacity() / 16, end - 1);
    // The last change at or before fromCycle leads; the first one kept when none is.
    uint64_t low = kept;
    uint64_t high = end;
    while (high - low > 1) {
        const uint64_t middle = low + (high - low) / 2;
        if (SlotAt(middle).cycle <= fromCycle) {
            low = middle;
        } else {
            high = middle;
        }
    }
    for (uint64_t index = low; index < end; ++index) {
        const SPinChange change = SlotAt(index);
        if (index > low && change.cycle > toCycle) break;
        copy->changes.push_back(change);
        for (size_t signal = 0; signal < copy->boardWidth; ++signal) {
            copy->boardValues.push_back(BoardValueAt(index, copy->boardWidth, signal));
        }
    }
    std::atomic_thread_fence(std::memory_order_acquire);
    // Slots from the kept start of the present end on may have been written anew.
    return m_rewrites.load(std::memory_order_relaxed) == rewrites &&
           KeptFrom(m_end.load(std::memory_order_relaxed)) <= low;
}

SPinTraceCopy CPinTrace::Read(uint64_t fromCycle, uint64_t toCycle) const {
    SPinTraceCopy copy;
    while (!CopyOnce(fromCycle, toCycle, &copy)) {
    }
    return copy;
}

}  // namespace core
