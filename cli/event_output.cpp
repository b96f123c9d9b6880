#include "cli/event_output.h"

#include <cstdio>

#include "cli/state_output.h"
#include "core/check_kinds.h"
#include "core/texts/translate.h"

namespace cli {

namespace {
std::string Causes(uint8_t cause) {
    std::string list = "[";
    const auto add = [&](uint8_t flag, const char* name) {
        if (!(cause & flag)) return;
        if (list.size() > 1) list += ',';
        list += std::string("\"") + name + "\"";
    };
    add(core::kCauseT0IF, "T0IF");
    add(core::kCauseINTF, "INTF");
    add(core::kCauseRBIF, "RBIF");
    return list + "]";
}
}  // namespace

std::string CheckEventText(const core::SEvent& event) {
    char word[8];
    std::snprintf(word, sizeof word, "0x%03X", static_cast<unsigned>(event.pc));
    return core::Fill(core::Tr("provera %1, linija %2 (rec %3): %4"),
                      {core::CheckKindName(static_cast<core::ECheckKind>(event.cause)),
                       std::to_string(event.value), word, event.text});
}

std::string EventJson(const core::SEvent& event) {
    std::string line = std::string("{\"event\":\"") + core::EventKindName(event.kind) +
                       "\",\"pass\":" + std::to_string(event.pass) +
                       ",\"cycle\":" + std::to_string(event.cycle) +
                       ",\"pc\":" + std::to_string(event.pc);
    switch (event.kind) {
        case core::EEventKind::Interrupt:
            line +=
                ",\"return\":" + std::to_string(event.value) + ",\"cause\":" + Causes(event.cause);
            break;
        case core::EEventKind::Accept:
            line += ",\"cause\":" + Causes(event.cause);
            break;
        case core::EEventKind::Message:
            line += ",\"text\":" + JsonString(event.text.c_str());
            break;
        case core::EEventKind::Breakpoint:
            line += ",\"address\":" + std::to_string(event.value);
            if (!event.text.empty()) line += ",\"label\":" + JsonString(event.text.c_str());
            break;
        case core::EEventKind::Pin:
            line += ",\"pin\":" + JsonString(event.text.c_str()) +
                    ",\"level\":" + std::to_string(event.value);
            break;
        case core::EEventKind::Load:
            line += ",\"file\":" + JsonString(event.text.c_str());
            break;
        case core::EEventKind::Edit:
            line += ",\"name\":" + JsonString(event.text.c_str()) +
                    ",\"value\":" + std::to_string(event.value);
            break;
        case core::EEventKind::Board:
            line += ",\"part\":" + JsonString(event.text.c_str()) + ",\"what\":\"" +
                    core::BoardEventName(static_cast<core::EBoardEvent>(event.cause)) +
                    "\",\"value\":" + std::to_string(event.value);
            break;
        case core::EEventKind::Check:
            line += ",\"kind\":\"" +
                    std::string(core::CheckKindName(static_cast<core::ECheckKind>(event.cause))) +
                    "\",\"line\":" + std::to_string(event.value) +
                    ",\"text\":" + JsonString(event.text.c_str());
            break;
        case core::EEventKind::Retfie:
        case core::EEventKind::Mclr:
        case core::EEventKind::RunStart:
        case core::EEventKind::RunEnd:
            break;
    }
    return line + "}";
}

}  // namespace cli
