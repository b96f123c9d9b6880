#pragma once
// The fixture of the tests that start lumo-run and lumo-grade as a user
// does: a scratch folder for their files, skipped where the assembler the
// programs need was not built.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "../build/build_test_support.h"
#include "process_runner.h"

class ProgramTest : public testing::Test {
protected:
    explicit ProgramTest(const std::string& folderPrefix) : m_folder(folderPrefix) {}

    void SetUp() override {
        if (!std::filesystem::exists(BinPath("tasm"))) GTEST_SKIP() << "tasm not built";
    }

    static SProcessResult LumoRun(std::vector<std::string> args) {
        return RunProgram(BinPath("lumo-run"), std::move(args));
    }
    static SProcessResult LumoGrade(std::vector<std::string> args) {
        return RunProgram(BinPath("lumo-grade"), std::move(args));
    }

    // Writes a file into the scratch folder, with the folders on its way.
    std::string Write(const std::string& name, const std::string& text) const {
        std::filesystem::create_directories((m_folder.Path() / name).parent_path());
        return m_folder.Write(name, text).string();
    }

    CScratchFolder m_folder;
};
