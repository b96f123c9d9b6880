// The program tasm as the simulator starts it: "tasm -1684 FILE" in FILE's
// folder, files beside the source, exit status.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tasm_test_support.h"

namespace fs = std::filesystem;

namespace {

class TasmProgram : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("tasm test $(x) & co " + std::to_string(getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    void Write(const std::string& name, const std::string& text) {
        std::ofstream(m_folder / name, std::ios::binary) << text;
    }
    std::string Read(const std::string& name) {
        std::ifstream in(m_folder / name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Exists(const std::string& name) { return fs::exists(m_folder / name); }

    // Runs tasm in the test folder; returns its exit status, stdout in *out.
    int Run(const std::string& arguments, std::string* out = nullptr) {
        return tasm_test::RunCommand(
            "cd '" + m_folder.string() + "' && '" LUMO_BIN_DIR "/tasm' " + arguments + " 2>&1",
            out);
    }

    fs::path m_folder;
};

TEST_F(TasmProgram, WrongCommandLinesGetTheUsageAndStatus2) {
    for (const char* arguments : {"", "-1684", "-16 prog.asm", "prog.asm", "-1684 a.asm b.asm"}) {
        std::string out;
        EXPECT_EQ(Run(arguments, &out), 2) << arguments;
        EXPECT_EQ(out.rfind("usage: tasm -1684 FILE", 0), 0u) << arguments;
    }
}

TEST_F(TasmProgram, CleanSourceWritesListingAndObjectBesideIt) {
    const std::string source = "#include \"defs.inc\"\n org 5\nstart movlw VALUE\n goto start\n";
    Write("my prog.asm", source);
    Write("defs.inc", "VALUE equ 7\n");
    std::string out;
    EXPECT_EQ(Run("-1684 'my prog.asm'", &out), 0) << out;
    tasm_test::CMemoryIncludes includes;
    includes.files["defs.inc"] = "VALUE equ 7\n";
    auto expected = tasm::Assemble(tasm::CSourceFile{"my prog.asm", "", source}, &includes);
    EXPECT_EQ(Read("my prog.lst"), expected.listing);
    EXPECT_EQ(Read("my prog.obj"), expected.object);
    EXPECT_EQ(Read("my prog.map"),
              "LUMOMAP 2\nF 0 my prog.asm\nF 1 defs.inc\nW 0005 0 3\nW 0006 0 4\n"
              "S C 7 VALUE\nS L 5 start\n");
}

TEST_F(TasmProgram, ErrorsAreReportedAndAnOlderObjectIsRemoved) {
    Write("p.asm", " nop\n nop\n goto nowhere\n");
    Write("p.obj", ":00000001FF\r\n");
    Write("p.map", "LUMOMAP 1\n");
    std::string out;
    EXPECT_EQ(Run("-1684 p.asm", &out), 1);
    EXPECT_NE(out.find("p.asm:3: error: undefined symbol 'nowhere'\n"), std::string::npos) << out;
    EXPECT_FALSE(Exists("p.obj"));
    EXPECT_FALSE(Exists("p.map"));
    std::string listing = Read("p.lst");
    EXPECT_EQ(listing.substr(listing.size() - 3), "1\r\n");
}

TEST_F(TasmProgram, AnUnreadableSourceStillLeavesAFailingListing) {
    Write("gone.obj", ":00000001FF\r\n");
    Write("gone.lst", "Number of errors = 0\r\n");
    EXPECT_EQ(Run("-1684 gone.asm"), 1);
    EXPECT_FALSE(Exists("gone.obj"));
    std::string listing = Read("gone.lst");
    EXPECT_EQ(listing.substr(listing.size() - 3), "1\r\n");
}

TEST_F(TasmProgram, APathArgumentFindsIncludesBesideTheSource) {
    fs::create_directories(m_folder / "sub");
    Write("sub/main.asm", "#include \"part.inc\"\n");
    Write("sub/part.inc", " nop\n");
    EXPECT_EQ(Run("-1684 sub/main.asm"), 0);
    EXPECT_TRUE(Exists("sub/main.obj"));
    EXPECT_TRUE(Exists("sub/main.lst"));
}

}  // namespace
