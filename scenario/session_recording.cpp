#include "scenario/session_recording.h"

#include <yaml-cpp/yaml.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "core/event_log.h"
#include "core/state.h"
#include "scenario/scenario_names.h"

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
    for (int address = 0; address < core::kRegisterFileSize; ++address) {
        const uint8_t value = RegisterFile[address];
        const char* name = RegisterNameAt(address);
        if (name == nullptr && value == 0) continue;
        out << YAML::Key << (name ? std::string(name) : Hex(static_cast<unsigned>(address), 2))
            << YAML::Value << Hex(value, 2);
    }
}

void EmitEeprom(YAML::Emitter& out) {
    for (int address = 0; address < core::kEepromSize; ++address) {
        const uint8_t value = core::Chip.datasheet.eeprom[address];
        if (value == core::ProgramEeprom[address]) continue;
        out << YAML::Key << EepromByteName(address) << YAML::Value << Hex(value, 2);
    }
}

void InputStep(YAML::Emitter& out, const SRecordedInput& input) {
    using EKind = SRecordedInput::EKind;
    out << YAML::BeginMap;
    if (input.kind == EKind::Press || input.kind == EKind::Release) {
        out << YAML::Key << (input.kind == EKind::Press ? "press" : "release") << YAML::Value
            << (input.text.empty() ? input.name : input.name + "." + input.text);
    } else if (input.kind == EKind::Type) {
        out << YAML::Key << "type" << YAML::Value << YAML::Flow << YAML::BeginMap << YAML::Key
            << input.name << YAML::Value << YAML::DoubleQuoted << input.text << YAML::EndMap;
    } else if (input.name == kMclr) {
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

bool IsRecordedInput(const core::SEvent& event) {
    return core::IsUserInput(event);
}

SRecordedInput RecordedInputOf(const core::SEvent& event) {
    SRecordedInput input;
    input.cycle = event.cycle;
    input.name = event.text;
    if (event.kind == core::EEventKind::Board) {
        const auto what = static_cast<core::EBoardEvent>(event.cause);
        input.kind = what == core::EBoardEvent::Press     ? SRecordedInput::EKind::Press
                     : what == core::EBoardEvent::Release ? SRecordedInput::EKind::Release
                                                          : SRecordedInput::EKind::Type;
        if (event.value != 0 || input.kind == SRecordedInput::EKind::Type)
            input.text = std::string(1, static_cast<char>(event.value));
        return input;
    }
    if (event.kind == core::EEventKind::Mclr) input.name = kMclr;
    if (event.kind != core::EEventKind::Edit) return input;
    input.kind = SRecordedInput::EKind::Set;
    input.value = static_cast<uint8_t>(event.value);
    if (event.text.rfind("0x", 0) == 0) {
        const char* name =
            RegisterNameAt(static_cast<int>(std::strtoul(event.text.c_str(), nullptr, 16)));
        if (name) input.name = name;
    }
    return input;
}

std::string RecordedScenario(const std::string& scenarioPath, const std::string& program,
                             double clockHz, const std::vector<SRecordedInput>& inputs,
                             const std::string& board) {
    const uint64_t end = core::CycleCount;
    char clock[32];
    std::snprintf(clock, sizeof clock, "%.9g Hz", clockHz);
    YAML::Emitter out;
    out << YAML::BeginMap;
    out << YAML::Key << "name" << YAML::Value << "snimljena sesija";
    out << YAML::Key << "program" << YAML::Value << ProgramFromScenario(scenarioPath, program);
    if (!board.empty())
        out << YAML::Key << "board" << YAML::Value << ProgramFromScenario(scenarioPath, board);
    out << YAML::Key << "clock" << YAML::Value << clock;
    const bool datasheet = core::Chip.profile == core::EChipProfile::Datasheet;
    if (datasheet) out << YAML::Key << "chip" << YAML::Value << "datasheet";
    // A recording may well run longer than the default limit.
    out << YAML::Key << "limit" << YAML::Value << std::max<uint64_t>(end, 1);
    out << YAML::Key << "steps" << YAML::Value << YAML::BeginSeq;
    uint64_t at = 0;
    for (size_t i = 0; i < inputs.size(); ++i) {
        SRecordedInput input = inputs[i];
        // What was typed at one cycle went out as one line.
        while (input.kind == SRecordedInput::EKind::Type && i + 1 < inputs.size() &&
               inputs[i + 1].kind == input.kind && inputs[i + 1].cycle == input.cycle &&
               inputs[i + 1].name == input.name) {
            input.text += inputs[++i].text;
        }
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
