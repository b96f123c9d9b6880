#pragma once
// Starts a program of the build and collects what it printed and its exit
// status.
#include <string>
#include <vector>

struct SProcessResult {
    int exitStatus = -1;  // -1 when it did not end normally
    std::string out;
    std::string err;
};

// With an environment, the program sees only its NAME=VALUE settings.
SProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                          const std::vector<std::string>* environment = nullptr);

// The path of a program built into the build's bin folder.
std::string BinPath(const std::string& name);
