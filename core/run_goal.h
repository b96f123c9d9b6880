#pragma once
// A goal toward which a driver outside the instruction loop steers a run: a
// replayed scenario that must click at its cycles and look at the machine
// after its runs. The thread that runs the program asks the goal before
// every slice of passes how many it may run, so no slice goes past a point
// the goal wants to see, and the loop itself knows nothing of goals.
#include <cstdint>

namespace core {

class CRunGoal {
public:
    virtual ~CRunGoal() = default;

    // Asked between passes by the thread that runs them, which owns the
    // machine then. maxPasses is what that thread would run without a goal.
    // Returns how many passes may run before the next question, from 1 to
    // maxPasses, or 0 when the run should pause here.
    virtual int64_t PassesBeforeLook(int64_t maxPasses) = 0;
    // Whether the goal has nothing more to steer: the run goes on without it.
    virtual bool Over() const = 0;
};

}  // namespace core
