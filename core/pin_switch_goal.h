#pragma once
// A run goal of pin switches at fixed passes, as lumo-run's --pin gives
// them: each switch is a click made right before the pass it names, and no
// slice runs past the next one.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/run_goal.h"

namespace core {

struct SPinSwitchAt {
    int64_t beforePass = 0;  // counting from the run's start, 0 first
    uint8_t port = 0;        // PORTA or PORTB
    uint8_t mask = 0;        // the pin's bit
};

class CPinSwitchGoal : public CRunGoal {
public:
    // switches in the order they take effect.
    explicit CPinSwitchGoal(std::vector<SPinSwitchAt> switches) : m_switches(std::move(switches)) {}

    int64_t PassesBeforeLook(int64_t maxPasses) override;
    bool Over() const override { return m_next == m_switches.size(); }

private:
    std::vector<SPinSwitchAt> m_switches;
    std::size_t m_next = 0;
};

}  // namespace core
