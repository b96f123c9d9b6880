// The assembler on arbitrary source text. Lines "#### NAME" split the input
// into the main source and files it may include by that name; without them
// the assembler gets no include source at all. Whatever the text, the
// listing ends with the error count, every line of it ends in CR LF, and
// either there are errors and no object text, or the object text is valid
// Intel HEX that the simulator's loader puts where the records say.
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "build/object_loader.h"
#include "core/state.h"
#include "fuzz_support.h"
#include "tasm/assembler.h"
#include "tasm/program_image.h"

namespace {

constexpr const char* kSectionMark = "#### ";
constexpr size_t kLoaderReadLimit = 5000;

class CFuzzIncludes : public tasm::CIncludeSource {
public:
    std::optional<tasm::CSourceFile> Open(const std::string& name) override {
        const auto found = m_files.find(name);
        if (found == m_files.end()) return std::nullopt;
        return tasm::CSourceFile{name, name, found->second};
    }
    std::map<std::string, std::string> m_files;
};

// Splits the input at lines that start with the section mark.
std::string Split(const std::string& input, CFuzzIncludes* includes) {
    std::string main;
    std::string* current = &main;
    size_t pos = 0;
    while (pos < input.size()) {
        size_t end = input.find('\n', pos);
        end = end == std::string::npos ? input.size() : end + 1;
        const std::string line = input.substr(pos, end - pos);
        if (line.rfind(kSectionMark, 0) == 0) {
            std::string name = line.substr(5);
            while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
            current = &includes->m_files[name];
        } else {
            *current += line;
        }
        pos = end;
    }
    return main;
}

int HexValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;  // lower case is not allowed either
}

struct Record {
    int count;
    int address;
    int type;
    std::string data;  // 2 x count upper-case hex digits
};

// Every line is ':' + upper-case hex pairs + CR LF, its count matches its
// length and its checksum is right; the last record, and only it, is the
// end-of-file record.
std::vector<Record> CheckIntelHex(const std::string& object) {
    std::vector<Record> records;
    size_t pos = 0;
    while (pos < object.size()) {
        const size_t end = object.find("\r\n", pos);
        FUZZ_REQUIRE(end != std::string::npos, "object line without CR LF");
        const std::string line = object.substr(pos, end - pos);
        FUZZ_REQUIRE(line.size() >= 11 && line[0] == ':' && line.size() % 2 == 1, line);
        unsigned sum = 0;
        std::vector<int> bytes;
        for (size_t i = 1; i < line.size(); i += 2) {
            const int high = HexValue(line[i]);
            const int low = HexValue(line[i + 1]);
            FUZZ_REQUIRE(high >= 0 && low >= 0, "not an upper-case hex digit: " + line);
            bytes.push_back(high * 16 + low);
            sum += static_cast<unsigned>(bytes.back());
        }
        FUZZ_REQUIRE(bytes[0] + 5 == static_cast<int>(bytes.size()), "count mismatch: " + line);
        FUZZ_REQUIRE((sum & 0xFF) == 0, "checksum: " + line);
        records.push_back({bytes[0], bytes[1] * 256 + bytes[2], bytes[3],
                           line.substr(9, static_cast<size_t>(2 * bytes[0]))});
        pos = end + 2;
    }
    FUZZ_REQUIRE(!records.empty(), "no end-of-file record");
    for (size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        const bool last = i + 1 == records.size();
        FUZZ_REQUIRE(r.type == (last ? 1 : 0), "record type " + std::to_string(r.type));
        if (last) FUZZ_REQUIRE(r.count == 0 && r.address == 0, "end-of-file record");
        FUZZ_REQUIRE(r.address % 2 == 0 && r.count % 2 == 0, "records hold whole words");
    }
    return records;
}

// The loader must find each word where its record puts it, high byte first.
void CheckLoads(const std::string& object, const std::vector<Record>& records) {
    ResetForLoad();
    LoadObjectRecords(object.data(), static_cast<int>(object.size()));
    for (const Record& r : records) {
        for (int i = 0; i < r.count * 2; ++i) {
            const int at = 2 * r.address + i;
            if (at >= core::kProgramImageSize) break;  // the configuration and ID words
            FUZZ_REQUIRE(ProgramImage[at] == r.data[static_cast<size_t>(i)],
                         "loaded image differs at character " + std::to_string(at));
        }
    }
}

// The map names each file once, from 0, and every program word the object
// holds in ascending order, each with a file it names and a line from 1.
void CheckMap(const std::string& map, const std::vector<Record>& records) {
    std::vector<bool> inObject(tasm::kProgramWords, false);
    for (const Record& r : records) {
        for (int i = 0; i < r.count / 2; ++i) {
            const int word = r.address / 2 + i;
            if (r.type == 0 && word < tasm::kProgramWords)
                inObject[static_cast<size_t>(word)] = true;
        }
    }
    std::istringstream in(map);
    std::string line;
    FUZZ_REQUIRE(std::getline(in, line) && (line == "LUMOMAP 1" || line == "LUMOMAP 2"),
                 "map header");
    int files = 0;
    int previous = -1;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string kind;
        fields >> kind;
        if (kind == "F") {
            int index = -1;
            fields >> index;
            FUZZ_REQUIRE(index == files && previous < 0, "file line out of order: " + line);
            ++files;
            continue;
        }
        if (kind == "S" || kind == "A") continue;  // names and registers, not words
        std::string address;
        int file = -1;
        int number = 0;
        fields >> address >> file >> number;
        FUZZ_REQUIRE(kind == "W" && address.size() == 4 && fields.eof(), "map line: " + line);
        const int word = std::stoi(address, nullptr, 16);
        FUZZ_REQUIRE(
            word > previous && word < tasm::kProgramWords && inObject[static_cast<size_t>(word)],
            "mapped word not in the object: " + line);
        FUZZ_REQUIRE(file >= 0 && file < files && number >= 1, "map names no line: " + line);
        previous = word;
    }
}

void CheckListingEnd(const tasm::CAssemblyResult& result) {
    const std::string end = "Number of errors = " + std::to_string(result.errors) + "\r\n";
    const std::string& listing = result.listing;
    FUZZ_REQUIRE(listing.size() >= end.size() &&
                     listing.compare(listing.size() - end.size(), end.size(), end) == 0,
                 "listing does not end with its error count");
    const size_t lineStart = listing.size() - end.size();
    FUZZ_REQUIRE(lineStart == 0 || listing[lineStart - 1] == '\n', "count not on its own line");
    for (size_t i = 0; i < listing.size(); ++i) {
        if (listing[i] == '\n') FUZZ_REQUIRE(i > 0 && listing[i - 1] == '\r', "bare LF");
        if (listing[i] == '\r') {
            FUZZ_REQUIRE(i + 1 < listing.size() && listing[i + 1] == '\n', "bare CR");
        }
    }
}

}  // namespace

LUMO_FUZZ_TARGET(assembler) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    CFuzzIncludes includes;
    const std::string main = Split(input, &includes);
    // The main file may be included too, which makes a cycle.
    includes.m_files.emplace("main.asm", main);
    const bool withIncludes = includes.m_files.size() > 1;
    const tasm::CSourceFile source{"main.asm", "main.asm", main};

    const tasm::CAssemblyResult result = tasm::Assemble(source, withIncludes ? &includes : nullptr);

    FUZZ_REQUIRE(result.errors >= 0 && result.warnings >= 0, "negative counts");
    CheckListingEnd(result);
    FUZZ_REQUIRE(result.messages.size() <= tasm::kMaxMessages, "too many messages");
    for (const std::string& message : result.messages) {
        FUZZ_REQUIRE(message.find(": error: ") != std::string::npos ||
                         message.find(": warning: ") != std::string::npos ||
                         message.find(": message: ") != std::string::npos,
                     message);
    }
    if (result.errors > 0) {
        FUZZ_REQUIRE(result.object.empty() && result.map.empty(), "object or map despite errors");
        FUZZ_REQUIRE(!result.messages.empty(), "errors without a message");
    } else {
        const std::vector<Record> records = CheckIntelHex(result.object);
        // Program words must lie within what the simulator reads; the
        // configuration, ID and data EEPROM records may follow beyond.
        size_t programEnd = 0;
        size_t at = 0;
        for (const Record& r : records) {
            at = result.object.find("\r\n", at) + 2;
            if (r.type == 0 && r.address < 2 * tasm::kProgramWords) programEnd = at;
        }
        FUZZ_REQUIRE(
            programEnd <= kLoaderReadLimit,
            "program words beyond what the simulator reads: " + std::to_string(programEnd));
        CheckLoads(result.object, records);
        CheckMap(result.map, records);
    }

    // No state may survive from one assembly to the next.
    const tasm::CAssemblyResult again = tasm::Assemble(source, withIncludes ? &includes : nullptr);
    FUZZ_REQUIRE(
        again.listing == result.listing && again.object == result.object && again.map == result.map,
        "the same source assembled twice differs");
    return 0;
}
