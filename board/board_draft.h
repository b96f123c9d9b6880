#pragma once
// A board file as an editor changes it: the list of parts, each its type
// and its settings as the file's YAML holds them, so settings the editor
// offers no field for (a button's bounce, a keypad's keys) stay as written.
// The text it gives back is made by the YAML emitter and read by the board
// reader before it is written anywhere, so what an editor saves always
// reads. Comments of the file are not kept.
#include <string>
#include <vector>

#include <yaml-cpp/yaml.h>

namespace board {

// What an editor offers for one setting of a part (the window names it).
struct SFieldInfo {
    enum class EKind { Text, Pin, Pins, Choice };
    const char* key;
    EKind kind;
    // Pins: the pins offered (the trailing empty ones are left out);
    // Choice: the values offered.
    int count = 1;
    std::vector<const char*> choices = {};
    bool optional = false;  // a Pin or Choice that may be left out
};

struct SPartKindInfo {
    const char* type;  // as the file writes it: "lcd", "seven_segment", ...
    std::vector<SFieldInfo> fields;
};

// Every type of part, in the order an editor lists them.
const std::vector<SPartKindInfo>& PartKinds();
const SPartKindInfo* PartKind(const std::string& type);

class CBoardDraft {
public:
    // The board in the file at path; a file that does not exist yet is an
    // empty board. False, with "FILE:LINE:COLUMN: what", for a file whose
    // YAML does not read or is no list of parts.
    bool Load(const std::string& path, std::string* error);

    size_t Count() const { return m_parts.size(); }
    std::string Type(size_t part) const;
    // Adds a part of the type with settings that read on their own (the
    // pins of the board file's example), at the end.
    void Add(const std::string& type);
    void Remove(size_t part);

    // A setting's values: one for a scalar, each item of a list, none when
    // the setting is absent.
    std::vector<std::string> Get(size_t part, const std::string& key) const;
    // Sets a scalar (list false) or a list; no values, or an empty scalar,
    // removes the setting.
    void Set(size_t part, const std::string& key, const std::vector<std::string>& values,
             bool list);

    // The board file's text.
    std::string Text() const;
    // Whether the text reads as a board; why not, as the reader says it,
    // with file naming the text.
    bool Check(const std::string& file, std::string* error) const;

private:
    YAML::Node Settings(size_t part) const;

    std::vector<YAML::Node> m_parts;  // each a map of one key, the type
};

}  // namespace board
