#pragma once
// What the last step (an instruction, a pin click, an edit, a load) changed,
// worked out from the states a pane has shown: each look at a new state
// makes the state shown before it the one to compare with.
#include <cstdint>

#include "register_layout.h"

class CStepChanges {
public:
    // Takes the state now shown; returns the state of the step before it, or
    // nullptr while there has been no step yet.
    const RegisterSnapshot* Look(const RegisterSnapshot& now);

private:
    RegisterSnapshot m_shown;
    RegisterSnapshot m_before;
    uint64_t m_nShownInstructions = 0;
    bool m_bLooked = false;
    bool m_bHaveBefore = false;
};
