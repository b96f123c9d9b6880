#pragma once
// What the last step (an instruction, a pin click, an edit, a load) changed,
// worked out from the states a pane has shown: each look at a new state
// makes the state shown before it the one to compare with.
#include <cstdint>

#include "core/state.h"
#include "ui/register_layout.h"

// Snapshot: what the pane shows, comparable with ==.
template <class Snapshot>
class CStepChangesOf {
public:
    // Takes the state now shown; returns the state of the step before it, or
    // nullptr while there has been no step yet.
    const Snapshot* Look(const Snapshot& now) {
        const uint64_t instructions = core::Chip.instructionCount;
        // A new step: an instruction ran, or the values changed without one.
        if (m_bLooked && (instructions != m_nShownInstructions || !(now == m_shown))) {
            m_before = m_shown;
            m_bHaveBefore = true;
        }
        m_shown = now;
        m_nShownInstructions = instructions;
        m_bLooked = true;
        return m_bHaveBefore ? &m_before : nullptr;
    }

private:
    Snapshot m_shown{};
    Snapshot m_before{};
    uint64_t m_nShownInstructions = 0;
    bool m_bLooked = false;
    bool m_bHaveBefore = false;
};

using CStepChanges = CStepChangesOf<RegisterSnapshot>;
