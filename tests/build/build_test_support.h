#pragma once
// Object records and scratch folders for the loading tests.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// One Intel HEX record with its checksum and CR LF.
inline std::string HexRecord(int address, const std::string& data, int type = 0) {
    const int count = static_cast<int>(data.size() / 2);
    int sum = count + (address >> 8) + (address & 0xFF) + type;
    for (size_t i = 0; i + 1 < data.size(); i += 2)
        sum += std::stoi(data.substr(i, 2), nullptr, 16);
    char head[16];
    std::snprintf(head, sizeof head, ":%02X%04X%02X", count & 0xFF, address & 0xFFFF, type);
    char tail[8];
    std::snprintf(tail, sizeof tail, "%02X\r\n", (-sum) & 0xFF);
    return head + data + tail;
}

inline std::string EndRecord() {
    return ":00000001FF\r\n";
}

// A fresh folder under the system's temporary folder, removed afterwards.
class CScratchFolder {
public:
    explicit CScratchFolder(const std::string& prefix = "lumo-test-") {
        std::string pattern =
            (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        m_path = pattern;
    }
    ~CScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The folder with its trailing separator, as the file commands record it.
    std::string Folder() const { return m_path.string() + "/"; }

    std::filesystem::path Write(const std::string& name, const std::string& content) const {
        const auto file = m_path / name;
        std::ofstream(file, std::ios::binary) << content;
        return file;
    }

private:
    std::filesystem::path m_path;
};
