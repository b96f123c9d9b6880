#include "scenario/scenario.h"

#include <cstdio>

namespace scenario {

const char* CompareText(ECompare compare) {
    switch (compare) {
        case ECompare::Equal:
            return "==";
        case ECompare::NotEqual:
            return "!=";
        case ECompare::Less:
            return "<";
        case ECompare::LessOrEqual:
            return "<=";
        case ECompare::Greater:
            return ">";
        case ECompare::GreaterOrEqual:
            return ">=";
    }
    return "";
}

const char* EdgeWord(EEdge edge) {
    switch (edge) {
        case EEdge::Rise:
            return "rise";
        case EEdge::Fall:
            return "fall";
        case EEdge::Any:
            return "edge";
        case EEdge::None:
            break;
    }
    return "";
}

std::string DescribeCondition(const SCondition& condition) {
    if (condition.edge != EEdge::None) return condition.target.name + " " + EdgeWord(condition.edge);
    std::string text = condition.target.name + " " + CompareText(condition.compare) + " ";
    if (!condition.label.empty()) return text + condition.label;
    if (condition.target.kind == ETargetKind::Part) return text + "\"" + condition.text + "\"";
    switch (condition.target.kind) {
        case ETargetKind::Register:
        case ETargetKind::W:
        case ETargetKind::Eeprom:
        case ETargetKind::PC: {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%02llX",
                          static_cast<unsigned long long>(condition.value));
            return text + hex;
        }
        default:
            return text + std::to_string(condition.value);
    }
}

std::string DescribeStep(const SStep& step) {
    switch (step.kind) {
        case EStepKind::RunCycles:
            return "run {cycles: " + std::to_string(step.count) + "}";
        case EStepKind::RunInstructions:
            return "run {instructions: " + std::to_string(step.count) + "}";
        case EStepKind::RunMicroseconds: {
            char text[64];
            std::snprintf(text, sizeof text, "run {us: %g}", step.microseconds);
            return text;
        }
        case EStepKind::RunUntil: {
            std::string text = "run {until: ";
            for (size_t i = 0; i < step.conditions.size(); ++i) {
                if (i) text += ", ";
                text += DescribeCondition(step.conditions[i]);
            }
            return text + "}";
        }
        case EStepKind::Click:
            return "click " + step.settings.front().target.name;
        case EStepKind::Set: {
            std::string text = "set {";
            for (size_t i = 0; i < step.settings.size(); ++i) {
                const SSetting& setting = step.settings[i];
                if (i) text += ", ";
                text += setting.target.name + ": ";
                if (setting.target.kind == ETargetKind::Pin) {
                    text += std::to_string(setting.value);
                } else {
                    char hex[8];
                    std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(setting.value));
                    text += hex;
                }
            }
            return text + "}";
        }
        case EStepKind::Expect:
            return "expect";
        case EStepKind::Press: {
            const std::string what = step.part + (step.key.empty() ? "" : "." + step.key);
            if (step.holdMicroseconds <= 0) return "press " + what;
            char hold[64];
            std::snprintf(hold, sizeof hold, "%g ms", step.holdMicroseconds / 1000);
            return "press {" + what + ": " + hold + "}";
        }
        case EStepKind::Release:
            return "release " + step.part + (step.key.empty() ? "" : "." + step.key);
        case EStepKind::Type:
            return "type {" + step.part + ": \"" + step.text + "\"}";
        case EStepKind::Mclr:
            return "reset MCLR";
    }
    return "";
}

}  // namespace scenario
