#include "step_changes.h"

#include "state.h"

const RegisterSnapshot* CStepChanges::Look(const RegisterSnapshot& now) {
    const uint64_t instructions = Chip.instructionCount;
    // A new step: an instruction ran, or the values changed without one.
    if (m_bLooked && (instructions != m_nShownInstructions || now != m_shown)) {
        m_before = m_shown;
        m_bHaveBefore = true;
    }
    m_shown = now;
    m_nShownInstructions = instructions;
    m_bLooked = true;
    return m_bHaveBefore ? &m_before : nullptr;
}
