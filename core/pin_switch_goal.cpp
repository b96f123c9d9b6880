#include "core/pin_switch_goal.h"

#include <algorithm>

#include "core/pin_input.h"
#include "core/state.h"

namespace core {

int64_t CPinSwitchGoal::PassesBeforeLook(int64_t maxPasses) {
    const auto pass = static_cast<int64_t>(InstructionCount.load());
    // A switch whose pass a run has already gone beyond is not made late.
    while (m_next < m_switches.size() && m_switches[m_next].beforePass <= pass) {
        const SPinSwitchAt& pin = m_switches[m_next++];
        if (pin.beforePass == pass) ClickPin(pin.port, pin.mask);
    }
    if (Over()) return maxPasses;
    return std::min(maxPasses, m_switches[m_next].beforePass - pass);
}

}  // namespace core
