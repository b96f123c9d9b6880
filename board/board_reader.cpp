#include "board/board_reader.h"

#include <yaml-cpp/yaml.h>

#include <array>
#include <cctype>
#include <cmath>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <set>
#include <sstream>
#include <vector>

#include "board/board_pins.h"
#include "core/texts/translate.h"

namespace board {

namespace {
// A board is a few dozen lines; this bounds what a wrong file costs.
constexpr std::streamsize kMaxBoardBytes = 1 << 20;

std::string Lower(std::string text) {
    for (char& ch : text) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return text;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool NamesMclr(const std::string& text) {
    return Lower(text) == "mclr";
}

bool ParseNumber(const std::string& text, double* value) {
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) return false;
    int dots = 0;
    for (char ch : text) {
        if (ch == '.')
            ++dots;
        else if (!std::isdigit(static_cast<unsigned char>(ch)))
            return false;
    }
    if (dots > 1 || text.back() == '.') return false;
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    in >> *value;
    return static_cast<bool>(in) && std::isfinite(*value);
}

bool ValidName(const std::string& name) {
    if (name.empty() || name.size() > 32) return false;
    if (!std::isalpha(static_cast<unsigned char>(name[0])) && name[0] != '_') return false;
    for (char ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '_') return false;
    }
    return true;
}

// A message quotes what the file holds (and yaml-cpp the character it
// stumbled on) as it is, line breaks and control characters too; written
// as \xNN they keep the message on one line.
std::string Printable(const std::string& message) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (char ch : message) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F) {
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 0xF];
        } else {
            text += ch;
        }
    }
    return text;
}

// The pins one part names, with the place of each, for the check across
// parts.
struct SPinUse {
    PinMask pins = 0;
    std::array<YAML::Mark, kPinCount> marks;
};

class CReader {
public:
    CReader(const std::string& file, SBoard* board) : m_file(file), m_board(board) {}

    bool Document(const YAML::Node& root);
    const std::string& Error() const { return m_error; }

private:
    bool Fail(const YAML::Mark& mark, const std::string& message) {
        m_error = m_file + ":" + std::to_string(mark.line + 1) + ":" +
                  std::to_string(mark.column + 1) + ": " + Printable(message);
        return false;
    }
    // An empty value has no place of its own (yaml-cpp puts it where the
    // next token starts); the key last looked at stands in for it.
    bool Fail(const YAML::Node& node, const std::string& message) {
        YAML::Mark mark = node.Mark();
        if (mark.is_null() || node.IsNull()) mark = m_lastMark;
        return Fail(mark, message);
    }
    bool Scalar(const YAML::Node& node, const std::string& what, std::string* text) {
        if (!node.Mark().is_null()) m_lastMark = node.Mark();
        if (!node.IsScalar())
            return Fail(node, core::Fill(core::Tr("%1: ocekuje se jedna vrednost"), {what}));
        *text = Trim(node.Scalar());
        return true;
    }
    bool Number(const YAML::Node& node, const std::string& what, double low, double high,
                double* value);
    bool Whole(const YAML::Node& node, const std::string& what, int low, int high, int* value);
    bool Level(const YAML::Node& node, const std::string& what, bool* level);
    bool Pin(const YAML::Node& node, const std::string& what, int* pin);
    bool Pins(const YAML::Node& node, const std::string& what, size_t fewest, size_t most,
              std::vector<int>* pins);
    bool Settings(const YAML::Node& node, const std::string& type,
                  const std::vector<std::string>& known);

    bool Part(const YAML::Node& node, int index);
    bool Lcd(const YAML::Node& node, SPart* part);
    bool SevenSegment(const YAML::Node& node, SPart* part);
    bool Keypad(const YAML::Node& node, SPart* part);
    bool Button(const YAML::Node& node, int index, SPart* part);
    bool Led(const YAML::Node& node, SPart* part);
    bool Switch(const YAML::Node& node, SPart* part);
    bool Serial(const YAML::Node& node, SPart* part);
    bool CheckDrives(const SPart& part);

    std::string m_file;
    SBoard* m_board;
    std::string m_error;
    YAML::Mark m_lastMark;
    SPinUse m_use;                          // of the part being read
    std::array<int, kPinCount> m_driver{};  // part index + 1 that drives each pin
    std::array<YAML::Mark, kPinCount> m_driverMark;
};

bool CReader::Number(const YAML::Node& node, const std::string& what, double low, double high,
                     double* value) {
    std::string text;
    if (!Scalar(node, what, &text)) return false;
    if (!ParseNumber(text, value) || *value < low || *value > high) {
        std::ostringstream range;
        range.imbue(std::locale::classic());
        range << std::setprecision(10) << low << ' ' << high;
        const std::string bounds = range.str();
        const size_t gap = bounds.find(' ');
        return Fail(node, core::Fill(core::Tr("%1: ocekuje se broj od %2 do %3, a ne '%4'"),
                                     {what, bounds.substr(0, gap), bounds.substr(gap + 1), text}));
    }
    return true;
}

bool CReader::Whole(const YAML::Node& node, const std::string& what, int low, int high,
                    int* value) {
    std::string text;
    if (!Scalar(node, what, &text)) return false;
    double number = 0;
    if (!ParseNumber(text, &number) || text.find('.') != std::string::npos || number < low ||
        number > high) {
        return Fail(node, core::Fill(core::Tr("%1: ocekuje se ceo broj od %2 do %3, a ne '%4'"),
                                     {what, std::to_string(low), std::to_string(high), text}));
    }
    *value = static_cast<int>(number);
    return true;
}

bool CReader::Level(const YAML::Node& node, const std::string& what, bool* level) {
    std::string text;
    if (!Scalar(node, what, &text)) return false;
    const std::string word = Lower(text);
    if (word == "1" || word == "true") {
        *level = true;
    } else if (word == "0" || word == "false") {
        *level = false;
    } else {
        return Fail(node, core::Fill(core::Tr("%1: ocekuje se 0 ili 1, a ne '%2'"), {what, text}));
    }
    return true;
}

bool CReader::Pin(const YAML::Node& node, const std::string& what, int* pin) {
    std::string text;
    if (!Scalar(node, what, &text)) return false;
    *pin = PinNamed(text);
    if (*pin == kNoPin) {
        return Fail(node, core::Fill(core::Tr("%1: nepoznat pin '%2' (poznati: RA0-RA4, RB0-RB7)"),
                                     {what, text}));
    }
    if (m_use.pins & PinBit(*pin)) {
        return Fail(node, core::Fill(core::Tr("%1: pin %2 je u ovom delu vec upotrebljen"),
                                     {what, PinName(*pin)}));
    }
    m_use.pins |= PinBit(*pin);
    m_use.marks[*pin] = node.Mark();
    return true;
}

bool CReader::Pins(const YAML::Node& node, const std::string& what, size_t fewest, size_t most,
                   std::vector<int>* pins) {
    if (!node.Mark().is_null()) m_lastMark = node.Mark();
    if (!node.IsSequence() || node.size() < fewest || node.size() > most) {
        const std::string count =
            fewest == most
                ? std::to_string(fewest)
                : core::Fill(core::Tr("%1 do %2"), {std::to_string(fewest), std::to_string(most)});
        return Fail(node, core::Fill(core::Tr("%1: ocekuje se lista od %2 pinova"), {what, count}));
    }
    for (const auto& item : node) {
        int pin = kNoPin;
        if (!Pin(item, what, &pin)) return false;
        pins->push_back(pin);
    }
    return true;
}

// Every key of a part's settings must be one it knows, and only once.
bool CReader::Settings(const YAML::Node& node, const std::string& type,
                       const std::vector<std::string>& known) {
    if (!node.IsMap())
        return Fail(
            node,
            core::Fill(core::Tr("%1: ocekuje se mapa podesavanja, na primer {pin: RB0}"), {type}));
    std::set<std::string> seen;
    for (const auto& entry : node) {
        std::string key;
        if (!Scalar(entry.first, type, &key)) return false;
        bool isKnown = false;
        for (const std::string& k : known) isKnown = isKnown || k == key;
        if (!isKnown) {
            std::string list;
            for (const std::string& k : known) list += (list.empty() ? "" : ", ") + k;
            return Fail(entry.first, core::Fill(core::Tr("%1: nepoznat kljuc '%2' (poznati: %3)"),
                                                {type, key, list}));
        }
        if (!seen.insert(key).second) {
            return Fail(entry.first,
                        core::Fill(core::Tr("%1: kljuc '%2' je naveden dvaput"), {type, key}));
        }
    }
    return true;
}

bool CReader::Document(const YAML::Node& root) {
    if (root.IsNull()) return true;
    if (!root.IsMap()) return Fail(root, core::Tr("ploca mora biti mapa sa kljucem 'parts'"));
    for (const auto& entry : root) {
        std::string key;
        if (!Scalar(entry.first, core::Tr("kljuc"), &key)) return false;
        if (key != "parts")
            return Fail(entry.first,
                        core::Fill(core::Tr("nepoznat kljuc '%1' (poznat: parts)"), {key}));
        const YAML::Node& parts = entry.second;
        if (parts.IsNull()) continue;
        if (!parts.IsSequence()) return Fail(parts, core::Tr("parts: ocekuje se lista delova"));
        int index = 0;
        for (const auto& part : parts) {
            if (!Part(part, index++)) return false;
        }
    }
    return true;
}

bool CReader::Part(const YAML::Node& node, int index) {
    if (!node.IsMap() || node.size() != 1) {
        return Fail(node,
                    core::Tr("deo: ocekuje se tacno jedan kljuc, vrsta dela (lcd, seven_segment, "
                             "keypad, button, led, switch, serial)"));
    }
    // Copies: the iterator's pair is a proxy that ends with the statement.
    const auto entry = node.begin();
    const YAML::Node key = entry->first;
    const YAML::Node settings = entry->second;
    std::string type;
    if (!Scalar(key, core::Tr("deo"), &type)) return false;
    m_use = SPinUse{};
    // Each type's reader puts its part here; an LED on no pin stands in
    // until then, the variant having no empty state.
    SPart value{CLed(kNoPin, true)};
    SPart* made = &value;
    bool ok = false;
    if (type == "lcd") {
        ok = Lcd(settings, made);
    } else if (type == "seven_segment") {
        ok = SevenSegment(settings, made);
    } else if (type == "keypad") {
        ok = Keypad(settings, made);
    } else if (type == "button") {
        ok = Button(settings, index, made);
    } else if (type == "led") {
        ok = Led(settings, made);
    } else if (type == "switch") {
        ok = Switch(settings, made);
    } else if (type == "serial") {
        ok = Serial(settings, made);
    } else {
        return Fail(key,
                    core::Fill(core::Tr("nepoznata vrsta dela '%1' (poznate: lcd, seven_segment, "
                                        "keypad, button, led, switch, serial)"),
                               {type}));
    }
    if (!ok) return false;

    SBoardPart boardPart{"", value, node.Mark().line + 1, node.Mark().column + 1};
    if (const YAML::Node name = settings["name"]; name) {
        if (!Scalar(name, type + ": name", &boardPart.name)) return false;
        if (!ValidName(boardPart.name) || PinNamed(boardPart.name) != kNoPin) {
            return Fail(
                name,
                core::Fill(core::Tr("%1: ime '%2' nije dobro (slova, cifre i '_', ne ime pina)"),
                           {type, boardPart.name}));
        }
    } else {
        int sameType = 1;
        for (const SBoardPart& other : m_board->parts) {
            if (PartTypeName(other.part) == type) ++sameType;
        }
        boardPart.name = type + std::to_string(sameType);
    }
    for (const SBoardPart& other : m_board->parts) {
        if (Lower(other.name) == Lower(boardPart.name)) {
            return Fail(settings["name"] ? settings["name"] : node,
                        core::Fill(core::Tr("ime '%1' vec nosi drugi deo"), {boardPart.name}));
        }
    }
    if (!CheckDrives(value)) return false;
    m_board->parts.push_back(std::move(boardPart));
    return true;
}

// Two parts that each put a level of their own on one pin would fight over
// it; parts that only look (an LED, a display) or only join wires (a
// keypad) may share pins with anything.
bool CReader::CheckDrives(const SPart& part) {
    const PinMask drives = PartDrivenPins(part);
    for (int pin = 0; pin < kPinCount; ++pin) {
        if (!(drives & PinBit(pin))) continue;
        if (m_driver[pin] != 0) {
            const SBoardPart& other = m_board->parts[m_driver[pin] - 1];
            return Fail(
                m_use.marks[pin],
                core::Fill(core::Tr("pin %1 vec pokrece deo '%2' (red %3); dva dela ne mogu "
                                    "pokretati isti pin"),
                           {PinName(pin), other.name, std::to_string(m_driverMark[pin].line + 1)}));
        }
    }
    for (int pin = 0; pin < kPinCount; ++pin) {
        if (!(drives & PinBit(pin))) continue;
        m_driver[pin] = static_cast<int>(m_board->parts.size()) + 1;
        m_driverMark[pin] = m_use.marks[pin];
    }
    return true;
}

bool CReader::Lcd(const YAML::Node& node, SPart* part) {
    if (!Settings(node, "lcd", {"name", "size", "data", "rs", "e", "rw"})) return false;
    SLcdWiring wiring;
    if (const YAML::Node size = node["size"]; size) {
        std::string text;
        if (!Scalar(size, "lcd: size", &text)) return false;
        const std::string s = Lower(text);
        if (s == "16x1") {
            wiring.columns = 16, wiring.rows = 1;
        } else if (s == "16x2") {
            wiring.columns = 16, wiring.rows = 2;
        } else if (s == "20x2") {
            wiring.columns = 20, wiring.rows = 2;
        } else if (s == "20x4") {
            wiring.columns = 20, wiring.rows = 4;
        } else {
            return Fail(
                size,
                core::Fill(core::Tr("lcd: size: ocekuje se 16x1, 16x2, 20x2 ili 20x4, a ne '%1'"),
                           {text}));
        }
    }
    if (!node["data"])
        return Fail(node, core::Tr("lcd: nedostaje 'data' (4 pina D4-D7 ili 8 pinova D0-D7)"));
    std::vector<int> data;
    if (!Pins(node["data"], "lcd: data", 4, 8, &data)) return false;
    if (data.size() != 4 && data.size() != 8) {
        return Fail(node["data"],
                    core::Tr("lcd: data: ocekuje se 4 pina (D4-D7) ili 8 pinova (D0-D7)"));
    }
    const size_t first = 8 - data.size();
    for (size_t i = 0; i < data.size(); ++i) wiring.data[first + i] = data[i];
    for (const char* key : {"rs", "e"}) {
        if (!node[key]) return Fail(node, core::Fill(core::Tr("%1: nedostaje '%2'"), {"lcd", key}));
    }
    if (!Pin(node["rs"], "lcd: rs", &wiring.rs) || !Pin(node["e"], "lcd: e", &wiring.e)) {
        return false;
    }
    if (node["rw"] && !Pin(node["rw"], "lcd: rw", &wiring.rw)) return false;
    *part = CLcd(wiring);
    return true;
}

bool CReader::SevenSegment(const YAML::Node& node, SPart* part) {
    if (!Settings(node, "seven_segment",
                  {"name", "segments", "digits", "common", "digit_active"})) {
        return false;
    }
    SSevenSegmentWiring wiring;
    if (!node["segments"]) {
        return Fail(node, core::Tr("seven_segment: nedostaje 'segments' (a-g i po zelji dp)"));
    }
    std::vector<int> segments;
    if (!Pins(node["segments"], "seven_segment: segments", 7, 8, &segments)) return false;
    for (size_t i = 0; i < segments.size(); ++i) wiring.segments[i] = segments[i];
    if (node["digits"]) {
        std::vector<int> digits;
        if (!Pins(node["digits"], "seven_segment: digits", 1, CSevenSegment::kMaxDigits, &digits)) {
            return false;
        }
        for (size_t i = 0; i < digits.size(); ++i) wiring.digits[i] = digits[i];
        wiring.digitCount = static_cast<int>(digits.size());
    }
    if (const YAML::Node common = node["common"]; common) {
        std::string text;
        if (!Scalar(common, "seven_segment: common", &text)) return false;
        if (Lower(text) == "anode") {
            wiring.commonAnode = true;
        } else if (Lower(text) != "cathode") {
            return Fail(
                common,
                core::Fill(
                    core::Tr("seven_segment: common: ocekuje se cathode ili anode, a ne '%1'"),
                    {text}));
        }
    }
    wiring.digitActiveHigh = wiring.commonAnode;
    if (node["digit_active"] &&
        !Level(node["digit_active"], "seven_segment: digit_active", &wiring.digitActiveHigh)) {
        return false;
    }
    *part = CSevenSegment(wiring);
    return true;
}

bool CReader::Keypad(const YAML::Node& node, SPart* part) {
    if (!Settings(node, "keypad", {"name", "rows", "columns", "keys"})) return false;
    SKeypadWiring wiring;
    for (const char* key : {"rows", "columns"}) {
        if (!node[key])
            return Fail(node, core::Fill(core::Tr("%1: nedostaje '%2'"), {"keypad", key}));
    }
    std::vector<int> rows;
    std::vector<int> columns;
    if (!Pins(node["rows"], "keypad: rows", 4, 4, &rows) ||
        !Pins(node["columns"], "keypad: columns", 3, 4, &columns)) {
        return false;
    }
    for (size_t i = 0; i < rows.size(); ++i) wiring.rows[i] = rows[i];
    for (size_t i = 0; i < columns.size(); ++i) wiring.columns[i] = columns[i];
    wiring.rowCount = static_cast<int>(rows.size());
    wiring.columnCount = static_cast<int>(columns.size());
    std::vector<std::string> labels = columns.size() == 4
                                          ? std::vector<std::string>{"123A", "456B", "789C", "*0#D"}
                                          : std::vector<std::string>{"123", "456", "789", "*0#"};
    if (const YAML::Node keys = node["keys"]; keys) {
        if (!keys.IsSequence() || keys.size() != rows.size()) {
            return Fail(keys,
                        core::Fill(core::Tr("keypad: keys: ocekuje se lista od %1 reda, na primer "
                                            "[\"123A\", \"456B\", \"789C\", \"*0#D\"]"),
                                   {std::to_string(rows.size())}));
        }
        labels.clear();
        std::set<char> seen;
        for (const auto& row : keys) {
            std::string text;
            if (!Scalar(row, "keypad: keys", &text)) return false;
            if (text.size() != columns.size()) {
                return Fail(row,
                            core::Fill(core::Tr("keypad: keys: red '%1' treba da ima %2 tastera"),
                                       {text, std::to_string(columns.size())}));
            }
            for (char ch : text) {
                if (!std::isgraph(static_cast<unsigned char>(ch)) || ch == '.') {
                    return Fail(
                        row,
                        core::Tr("keypad: keys: taster mora biti jedan vidljiv znak osim '.'"));
                }
                if (!seen.insert(ch).second) {
                    return Fail(row,
                                core::Fill(core::Tr("keypad: keys: taster '%1' je naveden dvaput"),
                                           {std::string(1, ch)}));
                }
            }
            labels.push_back(text);
        }
    }
    for (size_t r = 0; r < labels.size(); ++r) {
        for (size_t c = 0; c < labels[r].size(); ++c) {
            wiring.labels[r * SKeypadWiring::kMaxLines + c] = labels[r][c];
        }
    }
    *part = CKeypad(wiring);
    return true;
}

bool CReader::Button(const YAML::Node& node, int index, SPart* part) {
    if (!Settings(node, "button", {"name", "pin", "pressed", "bounce", "seed"})) return false;
    if (!node["pin"])
        return Fail(node, core::Fill(core::Tr("%1: nedostaje '%2'"), {"button", "pin"}));
    int pin = kNoPin;
    if (node["pin"].IsScalar() && NamesMclr(Trim(node["pin"].Scalar()))) {
        // A reset button: MCLR is active low, and the reset is the user's
        // input at the press, which no bounce repeats.
        bool pressed = false;
        if (node["pressed"] && !Level(node["pressed"], "button: pressed", &pressed)) return false;
        if (pressed)
            return Fail(node["pressed"], "button: MCLR resetuje cip niskim nivoom (pressed: 0)");
        if (node["bounce"])
            return Fail(node["bounce"], "button: taster na MCLR ne odskace (bez 'bounce')");
        *part = CButton(kMclrPin, false, {}, 0);
        return true;
    }
    if (!Pin(node["pin"], "button: pin", &pin)) return false;
    bool pressed = false;
    if (node["pressed"] && !Level(node["pressed"], "button: pressed", &pressed)) return false;
    SBounce bounce;
    if (const YAML::Node b = node["bounce"]; b) {
        if (!Settings(b, "button: bounce", {"count", "ms"})) return false;
        if (!b["count"] || !b["ms"])
            return Fail(b, core::Tr("button: bounce: potrebni su 'count' i 'ms'"));
        double ms = 0;
        if (!Whole(b["count"], "button: bounce: count", 0, 100, &bounce.count) ||
            !Number(b["ms"], "button: bounce: ms", 0.001, 1000, &ms)) {
            return false;
        }
        bounce.seconds = ms / 1000;
    }
    int seed = index + 1;
    if (node["seed"] && !Whole(node["seed"], "button: seed", 0, 1'000'000'000, &seed)) return false;
    *part = CButton(pin, pressed, bounce, static_cast<uint64_t>(seed));
    return true;
}

bool CReader::Led(const YAML::Node& node, SPart* part) {
    if (!Settings(node, "led", {"name", "pin", "active"})) return false;
    if (!node["pin"]) return Fail(node, core::Fill(core::Tr("%1: nedostaje '%2'"), {"led", "pin"}));
    int pin = kNoPin;
    if (!Pin(node["pin"], "led: pin", &pin)) return false;
    bool active = true;
    if (node["active"] && !Level(node["active"], "led: active", &active)) return false;
    *part = CLed(pin, active);
    return true;
}

bool CReader::Switch(const YAML::Node& node, SPart* part) {
    if (!Settings(node, "switch", {"name", "pin", "level"})) return false;
    if (!node["pin"])
        return Fail(node, core::Fill(core::Tr("%1: nedostaje '%2'"), {"switch", "pin"}));
    int pin = kNoPin;
    if (!Pin(node["pin"], "switch: pin", &pin)) return false;
    bool level = false;
    if (node["level"] && !Level(node["level"], "switch: level", &level)) return false;
    *part = CSwitch(pin, level);
    return true;
}

bool CReader::Serial(const YAML::Node& node, SPart* part) {
    if (!Settings(node, "serial", {"name", "tx", "rx", "baud", "inverted"})) return false;
    if (!node["tx"]) return Fail(node, core::Tr("serial: nedostaje 'tx' (pin kojim cip salje)"));
    SSerialWiring wiring;
    if (!Pin(node["tx"], "serial: tx", &wiring.tx)) return false;
    if (node["rx"] && !Pin(node["rx"], "serial: rx", &wiring.rx)) return false;
    if (node["baud"] && !Number(node["baud"], "serial: baud", 50, 1'000'000, &wiring.baud)) {
        return false;
    }
    if (node["inverted"] && !Level(node["inverted"], "serial: inverted", &wiring.inverted)) {
        return false;
    }
    *part = CSerialTerminal(wiring);
    return true;
}

bool ReadYaml(const std::string& text, const std::string& file, SBoard* board, std::string* error) {
    SBoard read;
    try {
        const YAML::Node root = YAML::Load(text);
        CReader reader(file, &read);
        if (!reader.Document(root)) {
            *error = reader.Error();
            return false;
        }
    } catch (const YAML::Exception& e) {
        *error = file + ":" + std::to_string(e.mark.line + 1) + ":" +
                 std::to_string(e.mark.column + 1) + ": " + Printable(e.msg);
        return false;
    }
    *board = std::move(read);
    return true;
}
}  // namespace

bool ReadBoardText(const std::string& text, const std::string& file, SBoard* board,
                   std::string* error) {
    return ReadYaml(text, file, board, error);
}

bool ReadBoardFile(const std::string& path, SBoard* board, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = core::Fill(core::Tr("%1: datoteka ne moze da se otvori"), {path});
        return false;
    }
    std::string text;
    text.resize(static_cast<size_t>(kMaxBoardBytes) + 1);
    in.read(text.data(), kMaxBoardBytes + 1);
    text.resize(static_cast<size_t>(in.gcount()));
    if (static_cast<std::streamsize>(text.size()) > kMaxBoardBytes) {
        *error = core::Fill(core::Tr("%1: datoteka je veca od 1 MB"), {path});
        return false;
    }
    return ReadYaml(text, path, board, error);
}

}  // namespace board
