#include "core/profile_counters.h"

namespace core {

CProfileCounters Profile;

void CProfileCounters::Clear() {
    for (int word = 0; word < kWords; ++word) {
        m_live[word].count = 0;
        m_live[word].cycles = 0;
    }
    m_markCount.fill(0);
    m_markCycles.fill(0);
    m_baseCount.fill(0);
    m_baseCycles.fill(0);
    m_unmarked = false;
}

std::vector<SProfileStep> CProfileCounters::TakeStep() {
    std::vector<SProfileStep> step;
    if (!m_unmarked) return step;
    for (int word = 0; word < kWords; ++word) {
        const uint64_t count = m_live[word].count;
        if (count == m_markCount[word]) continue;
        const uint64_t cycles = m_live[word].cycles;
        step.push_back({static_cast<uint16_t>(word),
                        static_cast<uint32_t>(count - m_markCount[word]),
                        static_cast<uint32_t>(cycles - m_markCycles[word])});
        m_markCount[word] = count;
        m_markCycles[word] = cycles;
    }
    // Stays set while slices count; the first keyframe after they stop
    // takes their tail.
    m_unmarked = on;
    return step;
}

void CProfileCounters::Mark() {
    for (int word = 0; word < kWords; ++word) {
        m_markCount[word] = m_live[word].count;
        m_markCycles[word] = m_live[word].cycles;
    }
}

void CProfileCounters::Forget(const std::vector<SProfileStep>& step) {
    for (const SProfileStep& gained : step) {
        m_baseCount[gained.word] += gained.count;
        m_baseCycles[gained.word] += gained.cycles;
    }
}

void CProfileCounters::RestoreBase() {
    for (int word = 0; word < kWords; ++word) {
        m_live[word].count = m_baseCount[word];
        m_live[word].cycles = m_baseCycles[word];
    }
}

void CProfileCounters::Apply(const std::vector<SProfileStep>& step) {
    for (const SProfileStep& gained : step) {
        m_live[gained.word].count += gained.count;
        m_live[gained.word].cycles += gained.cycles;
    }
}

}  // namespace core
