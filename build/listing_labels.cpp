#include "build/listing_labels.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace build {

namespace {
constexpr size_t kAddressAt = 7;
constexpr size_t kAddressDigits = 4;

bool IsHexWord(const std::string& text) {
    if (text.size() != kAddressDigits) return false;
    for (char ch : text) {
        if (!std::isxdigit(static_cast<unsigned char>(ch))) return false;
    }
    return true;
}

bool IsIdentifier(const std::string& text) {
    if (text.empty() || std::isdigit(static_cast<unsigned char>(text[0]))) return false;
    for (char ch : text) {
        if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '_') return false;
    }
    return true;
}
}  // namespace

std::map<int, std::string> ReadListingLabels(const std::string& path) {
    std::map<int, std::string> labels;
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        if (line.size() <= kAddressAt + kAddressDigits) continue;
        const std::string address = line.substr(kAddressAt, kAddressDigits);
        if (!IsHexWord(address)) continue;
        std::istringstream rest(line.substr(kAddressAt + kAddressDigits));
        std::string token;
        rest >> token;
        if (IsHexWord(token)) rest >> token;  // the instruction word
        if (token.size() < 2 || token.back() != ':') continue;
        token.pop_back();
        if (IsIdentifier(token)) labels.emplace(std::stoi(address, nullptr, 16), token);
    }
    return labels;
}

}  // namespace build
