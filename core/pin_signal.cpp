#include "core/pin_signal.h"

namespace core {

std::vector<SPinEdge> PinEdges(const std::vector<SPinChange>& changes, int pin) {
    std::vector<SPinEdge> edges;
    for (const SPinChange& change : changes) {
        const SPinEdge edge{change.cycle, PinLevelIn(change.word, pin),
                            PinInputIn(change.word, pin)};
        if (!edges.empty() && edges.back().level == edge.level && edges.back().input == edge.input)
            continue;
        // Several changes in one cycle leave the last one standing.
        if (!edges.empty() && edges.back().cycle == edge.cycle) {
            edges.back() = edge;
            if (edges.size() > 1 && edges[edges.size() - 2].level == edge.level &&
                edges[edges.size() - 2].input == edge.input)
                edges.pop_back();
            continue;
        }
        edges.push_back(edge);
    }
    return edges;
}

SPinPeriod LastPeriod(const std::vector<SPinChange>& changes, int pin, uint64_t endCycle) {
    const std::vector<SPinEdge> edges = PinEdges(changes, pin);
    SPinPeriod period;
    // From the end backwards: the last rising edge, the fall before it, the rise before that.
    uint64_t lastRise = 0;
    uint64_t fall = 0;
    bool haveRise = false;
    bool haveFall = false;
    for (size_t i = edges.size(); i-- > 1;) {
        const SPinEdge& edge = edges[i];
        if (edge.cycle > endCycle || edge.level == edges[i - 1].level) continue;
        if (edge.level) {
            if (haveRise && haveFall) {
                period = {true, edge.cycle, lastRise, fall - edge.cycle};
                return period;
            }
            lastRise = edge.cycle;
            haveRise = true;
            haveFall = false;
        } else if (haveRise) {
            fall = edge.cycle;
            haveFall = true;
        }
    }
    return period;
}

std::vector<SSignalStep> BoardSignalSteps(const SPinTraceCopy& copy, const SBoardSignal& signal) {
    std::vector<SSignalStep> steps;
    if (signal.pin < 0 &&
        (signal.value < 0 || static_cast<size_t>(signal.value) >= copy.boardWidth))
        return steps;
    for (size_t i = 0; i < copy.changes.size(); ++i) {
        const SSignalStep step{copy.changes[i].cycle, copy.BoardSignalAt(i, signal)};
        if (!steps.empty() && steps.back().value == step.value) continue;
        // Several changes in one cycle leave the last one standing.
        if (!steps.empty() && steps.back().cycle == step.cycle) {
            steps.back() = step;
            if (steps.size() > 1 && steps[steps.size() - 2].value == step.value) steps.pop_back();
            continue;
        }
        steps.push_back(step);
    }
    return steps;
}

}  // namespace core
