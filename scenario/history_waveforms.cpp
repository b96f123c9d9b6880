#include "scenario/history_waveforms.h"

#include <cstdint>

#include "core/history.h"
#include "core/instruction_set.h"
#include "core/state.h"
#include "scenario/vcd_writer.h"

namespace scenario {

bool WriteHistoryWaveforms(const std::string& path, double clockHz, std::string* error) {
    struct CSampler : core::CReplayWatcher {
        explicit CSampler(CVcdWriter& writer) : vcd(writer) {}
        void Seen() override { vcd.Sample(core::CycleCount); }
        CVcdWriter& vcd;
    };
    CInstructionSet cpu;
    const uint64_t now = InstructionCount;
    core::History.GoTo(core::History.Earliest(), cpu);
    CVcdWriter vcd;
    CSampler sampler(vcd);
    bool written = vcd.Open(path, clockHz, error);
    if (written) sampler.Seen();
    for (uint64_t pass = InstructionCount + 1; written && pass <= now; ++pass) {
        core::History.GoTo(pass, cpu, &sampler);
        // A pass that a keyframe holds is reached by copying it, without a
        // pass for the sampler to see.
        sampler.Seen();
    }
    core::History.GoTo(now, cpu);
    return written && vcd.Close(core::CycleCount, error);
}

}  // namespace scenario
