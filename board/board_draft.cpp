#include "board/board_draft.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "board/board_reader.h"
#include "core/texts/translate.h"

namespace board {

namespace {
using EKind = SFieldInfo::EKind;

const std::vector<const char*> kLevels = {"0", "1"};

// The settings a new part starts with: the board file's own example.
const char* DefaultSettings(const std::string& type) {
    if (type == "lcd")
        return "{name: LCD, size: 16x2, data: [RB4, RB5, RB6, RB7], rs: RA2, e: RA3}";
    if (type == "seven_segment") {
        return "{name: DISP, segments: [RB0, RB1, RB2, RB3, RB4, RB5, RB6], digits: [RA0, RA1], "
               "common: cathode}";
    }
    if (type == "keypad")
        return "{name: KEYS, rows: [RB0, RB1, RB2, RB3], columns: [RB4, RB5, RB6, RB7]}";
    if (type == "button") return "{name: TASTER, pin: RA4, pressed: 0}";
    if (type == "led") return "{pin: RA0, active: 1}";
    if (type == "switch") return "{pin: RA1, level: 0}";
    return "{name: TERM, tx: RB1, rx: RB2, baud: 9600}";
}

// Each part's settings as one line, as the board file's example writes them.
void FlowStyle(YAML::Node settings) {
    settings.SetStyle(YAML::EmitterStyle::Flow);
}
}  // namespace

const std::vector<SPartKindInfo>& PartKinds() {
    static const std::vector<SPartKindInfo> kinds = {
        {"lcd",
         {{"name", EKind::Text},
          {"size", EKind::Choice, 1, {"16x1", "16x2", "20x2", "20x4"}},
          {"data", EKind::Pins, 8},
          {"rs", EKind::Pin},
          {"e", EKind::Pin},
          {"rw", EKind::Pin, 1, {}, true}}},
        {"seven_segment",
         {{"name", EKind::Text},
          {"segments", EKind::Pins, 8},
          {"digits", EKind::Pins, 8},
          {"common", EKind::Choice, 1, {"cathode", "anode"}}}},
        {"keypad", {{"name", EKind::Text}, {"rows", EKind::Pins, 4}, {"columns", EKind::Pins, 4}}},
        {"button",
         {{"name", EKind::Text}, {"pin", EKind::Pin}, {"pressed", EKind::Choice, 1, kLevels}}},
        {"led",
         {{"name", EKind::Text}, {"pin", EKind::Pin}, {"active", EKind::Choice, 1, kLevels}}},
        {"switch",
         {{"name", EKind::Text}, {"pin", EKind::Pin}, {"level", EKind::Choice, 1, kLevels}}},
        {"serial",
         {{"name", EKind::Text},
          {"tx", EKind::Pin},
          {"rx", EKind::Pin, 1, {}, true},
          {"baud", EKind::Choice, 1, {"300", "1200", "2400", "4800", "9600", "19200"}},
          {"inverted", EKind::Choice, 1, kLevels, true}}},
    };
    return kinds;
}

const SPartKindInfo* PartKind(const std::string& type) {
    for (const SPartKindInfo& kind : PartKinds()) {
        if (type == kind.type) return &kind;
    }
    return nullptr;
}

bool CBoardDraft::Load(const std::string& path, std::string* error) {
    m_parts.clear();
    std::error_code missing;
    if (!std::filesystem::exists(path, missing)) return true;
    YAML::Node root;
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            *error = core::Fill(core::Tr("%1: datoteka ne moze da se otvori"), {path});
            return false;
        }
        root = YAML::Load(in);
    } catch (const YAML::Exception& e) {
        *error = path + ":" + std::to_string(e.mark.line + 1) + ":" +
                 std::to_string(e.mark.column + 1) + ": " + e.msg;
        return false;
    }
    const auto where = [&path](const YAML::Node& node) {
        return path + ":" + std::to_string(node.Mark().line + 1) + ":" +
               std::to_string(node.Mark().column + 1) + ": ";
    };
    if (root.IsNull()) return true;
    const YAML::Node parts = root.IsMap() ? root["parts"] : YAML::Node();
    if (!parts || (!parts.IsSequence() && !parts.IsNull())) {
        *error = where(root) + core::Tr("ocekuje se mapa sa listom delova (parts)");
        return false;
    }
    for (const YAML::Node& part : parts) {
        if (!part.IsMap() || part.size() != 1 || !part.begin()->second.IsMap()) {
            *error = where(part) + core::Tr("deo: ocekuje se vrsta dela i mapa podesavanja");
            m_parts.clear();
            return false;
        }
        FlowStyle(part.begin()->second);
        m_parts.push_back(part);
    }
    return true;
}

std::string CBoardDraft::Type(size_t part) const {
    return m_parts.at(part).begin()->first.as<std::string>();
}

YAML::Node CBoardDraft::Settings(size_t part) const {
    return m_parts.at(part).begin()->second;
}

void CBoardDraft::Add(const std::string& type) {
    YAML::Node part;
    YAML::Node settings = YAML::Load(DefaultSettings(type));
    FlowStyle(settings);
    part[type] = settings;
    m_parts.push_back(part);
}

void CBoardDraft::Remove(size_t part) {
    m_parts.erase(m_parts.begin() + static_cast<std::ptrdiff_t>(part));
}

std::vector<std::string> CBoardDraft::Get(size_t part, const std::string& key) const {
    const YAML::Node value = Settings(part)[key];
    std::vector<std::string> values;
    if (!value) return values;
    if (value.IsSequence()) {
        for (const YAML::Node& item : value)
            values.push_back(item.IsScalar() ? item.Scalar() : std::string());
    } else if (value.IsScalar()) {
        values.push_back(value.Scalar());
    }
    return values;
}

void CBoardDraft::Set(size_t part, const std::string& key, const std::vector<std::string>& values,
                      bool list) {
    YAML::Node settings = Settings(part);
    if (values.empty() || (!list && values.front().empty())) {
        settings.remove(key);
        return;
    }
    if (!list) {
        settings[key] = values.front();
        return;
    }
    YAML::Node items(YAML::NodeType::Sequence);
    for (const std::string& value : values) items.push_back(value);
    settings[key] = items;
}

std::string CBoardDraft::Text() const {
    YAML::Emitter out;
    out << YAML::BeginMap << YAML::Key << "parts" << YAML::Value << YAML::BeginSeq;
    for (const YAML::Node& part : m_parts) out << part;
    out << YAML::EndSeq << YAML::EndMap;
    return std::string(out.c_str()) + "\n";
}

bool CBoardDraft::Check(const std::string& file, std::string* error) const {
    SBoard board;
    return ReadBoardText(Text(), file, &board, error);
}

}  // namespace board
