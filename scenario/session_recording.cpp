#include "session_recording.h"

#include <yaml-cpp/yaml.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "event_log.h"
#include "scenario_names.h"
#include "state.h"

namespace scenario {

namespace fs = std::filesystem;

namespace {
constexpr const char* kMclr = "MCLR";

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::string ProgramFromScenario(const std::string& scenarioPath, const std::string& program) {
    std::error_code error;
    const fs::path folder = fs::absolute(scenarioPath, error).parent_path();
    const fs::path relative = fs::absolute(program, error).lexically_relative(folder);
    return relative.empty() ? fs::absolute(program, error).string() : relative.string();
}

// Registers by the chip's names where they have one, else by address; every
// special register and every other one that holds anything but zero, so the
// expect pins the whole machine down without listing 140 lines of zeros.
void EmitRegisters(YAML::Emitter& out) {
    for (int address = 0; address < kRegisterFileSize; ++address) {
        const uint8_t value = RegisterFile[address];
        const char* name = RegisterNameAt(address);
        if (name == nullptr && value == 0) continue;
        out << YAML::Key << (name ? std::string(name) : Hex(static_cast<unsigned>(address), 2))
            << YAML::Value << Hex(value, 2);
    }
}

void EmitEeprom(YAML::Emitter& out) {
    for (int address = 0; address < kEepromSize; ++address) {
        const uint8_t value = Chip.datasheet.eeprom[address];
        if (value == ProgramEeprom[address]) continue;
        out << YAML::Key << EepromByteName(address) << YAML::Value << Hex(value, 2);
    }
}

void InputStep(YAML::Emitter& out, const SRecordedInput& input) {
    out << YAML::BeginMap;
    if (input.name == kMclr) {
        out << YAML::Key << "reset" << YAML::Value << kMclr;
    } else if (input.value) {
        out << YAML::Key << "set" << YAML::Value << YAML::Flow << YAML::BeginMap << YAML::Key
            << input.name << YAML::Value << Hex(*input.value, 2) << YAML::EndMap;
    } else {
        out << YAML::Key << "click" << YAML::Value << input.name;
    }
    out << YAML::EndMap;
}

void RunStep(YAML::Emitter& out, uint64_t cycles) {
    if (cycles == 0) return;
    out << YAML::BeginMap << YAML::Key << "run" << YAML::Value << YAML::Flow << YAML::BeginMap
        << YAML::Key << "cycles" << YAML::Value << cycles << YAML::EndMap << YAML::EndMap;
}
}  // namespace

SRecordedInput RecordedInputOf(const SEvent& event) {
    SRecordedInput input{event.cycle, event.text, std::nullopt};
    if (event.kind == EEventKind::Mclr) input.name = kMclr;
    if (event.kind != EEventKind::Edit) return input;
    input.value = static_cast<uint8_t>(event.value);
    if (event.text.rfind("0x", 0) == 0) {
        const char* name =
            RegisterNameAt(static_cast<int>(std::strtoul(event.text.c_str(), nullptr, 16)));
        if (name) input.name = name;
    }
    return input;
}

std::string RecordedScenario(const std::string& scenarioPath, const std::string& program,
                             double clockHz, const std::vector<SRecordedInput>& inputs) {
    const uint64_t end = CycleCount;
    char clock[32];
    std::snprintf(clock, sizeof clock, "%.9g Hz", clockHz);
    YAML::Emitter out;
    out << YAML::BeginMap;
    out << YAML::Key << "name" << YAML::Value << "snimljena sesija";
    out << YAML::Key << "program" << YAML::Value << ProgramFromScenario(scenarioPath, program);
    out << YAML::Key << "clock" << YAML::Value << clock;
    const bool datasheet = Chip.profile == EChipProfile::Datasheet;
    if (datasheet) out << YAML::Key << "chip" << YAML::Value << "datasheet";
    // A recording may well run longer than the default limit.
    out << YAML::Key << "limit" << YAML::Value << std::max<uint64_t>(end, 1);
    out << YAML::Key << "steps" << YAML::Value << YAML::BeginSeq;
    uint64_t at = 0;
    for (const SRecordedInput& input : inputs) {
        RunStep(out, input.cycle - at);
        at = input.cycle;
        InputStep(out, input);
    }
    RunStep(out, end - at);
    out << YAML::BeginMap << YAML::Key << "expect" << YAML::Value << YAML::BeginMap;
    out << YAML::Key << "W" << YAML::Value << Hex(W, 2);
    EmitRegisters(out);
    if (datasheet) EmitEeprom(out);
    out << YAML::Key << "PC" << YAML::Value << Hex(PC, 4);
    out << YAML::Key << "stack" << YAML::Value << ReturnStack->Count();
    out << YAML::Key << "cycles" << YAML::Value << end;
    out << YAML::Key << "instructions" << YAML::Value << InstructionCount.load();
    out << YAML::EndMap << YAML::EndMap;
    out << YAML::EndSeq << YAML::EndMap;
    return std::string(out.c_str()) + "\n";
}

}  // namespace scenario
