#include "core/profile_counters.h"

namespace core {

CProfileCounters Profile;

// A sequence lock: the reader takes a word's figures and gains again when a
// change began or ended meanwhile. The run loop's gains need none, as they
// only grow between two changes.
CProfileCounters::SFigures CProfileCounters::Figures(int word) const {
    const size_t index = Index(word);
    for (;;) {
        const uint32_t before = m_changes.load(std::memory_order_acquire);
        const uint64_t passes = m_passes[index];
        const uint64_t second = m_secondCycles[index];
        const SFigures figures{m_figures[index].count, m_figures[index].cycles};
        std::atomic_thread_fence(std::memory_order_acquire);
        if ((before & 1) == 0 && m_changes.load(std::memory_order_relaxed) == before)
            return {figures.count + passes, figures.cycles + passes + second};
    }
}

void CProfileCounters::BeginChange() {
    m_changes.store(m_changes.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
    std::atomic_thread_fence(std::memory_order_release);
}

void CProfileCounters::EndChange() {
    m_changes.store(m_changes.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

void CProfileCounters::Clear() {
    BeginChange();
    for (int word = 0; word < kWords; ++word) {
        m_passes[word] = 0;
        m_secondCycles[word] = 0;
        m_figures[word].count = 0;
        m_figures[word].cycles = 0;
    }
    EndChange();
    m_baseCount.fill(0);
    m_baseCycles.fill(0);
    m_unmarked = false;
}

void CProfileCounters::Fold(std::vector<SProfileStep>* step) {
    BeginChange();
    // Most words never run: eight at a time pass with one test.
    constexpr int kBlock = 8;
    for (int first = 0; first < kWords; first += kBlock) {
        uint64_t any = 0;
        // A word with a second cycle has passes too.
        for (int word = first; word < first + kBlock; ++word) any |= m_passes[word];
        if (any == 0) continue;
        for (int word = first; word < first + kBlock; ++word) {
            const uint64_t passes = m_passes[word];
            if (passes == 0) continue;
            const uint64_t cycles = passes + m_secondCycles[word];
            if (step) {
                step->push_back({static_cast<uint16_t>(word), static_cast<uint32_t>(passes),
                                 static_cast<uint32_t>(cycles)});
            }
            m_figures[word].count += passes;
            m_figures[word].cycles += cycles;
            m_passes[word] = 0;
            m_secondCycles[word] = 0;
        }
    }
    EndChange();
}

std::vector<SProfileStep> CProfileCounters::TakeStep() {
    std::vector<SProfileStep> step;
    if (!m_unmarked) return step;
    Fold(&step);
    // Stays set while slices count; the first keyframe after they stop
    // takes their tail.
    m_unmarked = on;
    return step;
}

void CProfileCounters::Mark() {
    // Nothing gains while no slice has counted since the last step.
    if (m_unmarked) Fold(nullptr);
}

void CProfileCounters::Forget(const std::vector<SProfileStep>& step) {
    for (const SProfileStep& gained : step) {
        m_baseCount[gained.word] += gained.count;
        m_baseCycles[gained.word] += gained.cycles;
    }
}

void CProfileCounters::RestoreBase() {
    BeginChange();
    for (int word = 0; word < kWords; ++word) {
        m_passes[word] = 0;
        m_secondCycles[word] = 0;
        m_figures[word].count = m_baseCount[word];
        m_figures[word].cycles = m_baseCycles[word];
    }
    EndChange();
}

void CProfileCounters::Apply(const std::vector<SProfileStep>& step) {
    BeginChange();
    for (const SProfileStep& gained : step) {
        m_figures[gained.word].count += gained.count;
        m_figures[gained.word].cycles += gained.cycles;
    }
    EndChange();
}

}  // namespace core
