// Starting the assembler: an argument vector in the source's folder, the
// bundled assembler where the folder has none, and the refusals.
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "../core/core_test_support.h"
#include "build/assemble_command.h"
#include "build/source_file.h"
#include "build/source_map.h"
#include "build_test_support.h"

namespace fs = std::filesystem;

namespace {
// Names a shell would split or run something from.
const char kHostileFolder[] = "lumo dir $(touch pwned) ; `touch pwned2` & 'q' \"x\" -";
const char kHostileSource[] = "my prog;touch pwned3|x $HOME.asm";

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class RunAssemblerTest : public testing::Test {
protected:
    void SetUp() override { ResetForLoad(); }
    void TearDown() override {
        SourceFolder.clear();
        SourceFileName.clear();
    }

    // A stand-in assembler that records its arguments and folder, one per
    // line, and prints a line to each output.
    static void FakeAssembler(const fs::path& folder) {
        const fs::path script = folder / "tasm";
        std::ofstream(script)
            << "#!/bin/sh\n"
               "for a in \"$0\" \"$@\"; do printf '%s\\n' \"$a\"; done > args.txt\n"
               "pwd >> args.txt\n"
               "echo 'to stdout'\n"
               "echo 'to stderr' >&2\n";
        fs::permissions(script, fs::perms::owner_all);
    }
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream stream(text);
        for (std::string line; std::getline(stream, line);) lines.push_back(line);
        return lines;
    }

    CScratchFolder m_parent;
    CRecordingMessageBox m_messages;
};

TEST_F(RunAssemblerTest, NamesWithBlanksAndShellCharactersArePassedWhole) {
    const fs::path folder = m_parent.Path() / kHostileFolder;
    fs::create_directory(folder);
    FakeAssembler(folder);
    SourceFolder = folder.string() + "/";
    SourceFileName = kHostileSource;
    std::string output;
    ASSERT_TRUE(RunAssembler(&output));
    EXPECT_EQ(Lines(ReadText(folder / "args.txt")),
              (std::vector<std::string>{SourceFolder + "tasm", "-1684", kHostileSource,
                                        folder.string()}));
    EXPECT_NE(output.find("to stdout\n"), std::string::npos);
    EXPECT_NE(output.find("to stderr\n"), std::string::npos);
    for (const char* name : {"pwned", "pwned2", "pwned3"}) {
        EXPECT_FALSE(fs::exists(folder / name)) << name;
        EXPECT_FALSE(fs::exists(m_parent.Path() / name)) << name;
    }
}

TEST_F(RunAssemblerTest, TheFoldersOwnAssemblerWinsAndOldOutputIsRemoved) {
    FakeAssembler(m_parent.Path());
    m_parent.Write("prog.lst", "old");
    m_parent.Write("prog.obj", "old");
    SourceFolder = m_parent.Folder();
    SourceFileName = "prog.asm";
    ASSERT_TRUE(RunAssembler());
    EXPECT_TRUE(fs::exists(m_parent.Path() / "args.txt"));
    EXPECT_FALSE(fs::exists(m_parent.Path() / "prog.lst"));
    EXPECT_FALSE(fs::exists(m_parent.Path() / "prog.obj"));
}

TEST_F(RunAssemblerTest, RefusalsReturnFalse) {
    SourceFolder.clear();
    SourceFileName = "prog.asm";
    EXPECT_FALSE(RunAssembler());  // nothing opened yet

    SourceFolder = m_parent.Folder() + "gone/";
    EXPECT_FALSE(RunAssembler());  // no such folder

    // A tasm that cannot be started: it is there, so it is chosen, but it
    // may not be executed.
    SourceFolder = m_parent.Folder();
    m_parent.Write("tasm", "#!/bin/sh\ntouch ran\n");
    fs::permissions(m_parent.Path() / "tasm", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(RunAssembler());
    EXPECT_FALSE(fs::exists(m_parent.Path() / "ran"));
}

TEST_F(RunAssemblerTest, CommandLinesOver1023CharactersAreRefused) {
    // Nest folders until SourceFolder + "tasm -1684 " + the name is exactly
    // 1023 characters, then one more.
    fs::path folder = m_parent.Path();
    while (folder.string().size() < 800) {
        folder /= std::string(100, 'd');
        fs::create_directory(folder);
    }
    FakeAssembler(folder);
    SourceFolder = folder.string() + "/";
    const size_t fixed = SourceFolder.size() + std::string("tasm -1684 ").size();
    SourceFileName = std::string(1023 - fixed - 4, 'n') + ".asm";
    EXPECT_TRUE(RunAssembler());
    EXPECT_TRUE(fs::exists(folder / "args.txt"));
    fs::remove(folder / "args.txt");
    SourceFileName = "n" + SourceFileName;
    EXPECT_FALSE(RunAssembler());
    EXPECT_FALSE(fs::exists(folder / "args.txt"));
}

TEST_F(RunAssemblerTest, OnAssembleReportsAnAssemblerThatCannotStart) {
    ProgramImage[0] = '2';
    RegisterFile[STATUS] = 0x18;
    SourceFolder = m_parent.Folder() + "gone/";
    SourceFileName = "prog.asm";
    EXPECT_FALSE(OnAssemble());
    EXPECT_EQ(m_messages.Messages(), std::vector<std::string>{"GRESKA: Proces nije dobro kreiran"});
    EXPECT_EQ(ProgramImage[0], '\0');
    EXPECT_EQ(RegisterFile[STATUS], 0);
}

// The tasm built beside the test programs stands in for the one shipped
// beside the simulator.
class BundledAssemblerTest : public RunAssemblerTest {
protected:
    void SetUp() override {
        RunAssemblerTest::SetUp();
        if (!fs::exists(std::string(LUMO_BIN_DIR) + "/tasm")) GTEST_SKIP() << "tasm not built";
        SourceFolder = m_parent.Folder();
        SourceFileName = "blink.asm";
    }
};

TEST_F(BundledAssemblerTest, AssemblesAFolderWithoutItsOwnAssembler) {
    m_parent.Write("blink.asm",
                   "        org 0\n"
                   "        goto start\n"
                   "        org 5\n"
                   "start:  movlw 0x0F\n"
                   "loop:   movwf 0x0C\n"
                   "        goto loop\n"
                   "        end\n");
    std::string output;
    ASSERT_TRUE(OnAssemble(&output)) << output;
    EXPECT_TRUE(m_messages.Messages().empty());
    EXPECT_EQ(ProgramEnd, core::kProgramImageSize);
    std::string words;
    for (int i = 0; i < 4 * 8; ++i) words += ProgramImage[i].load();
    EXPECT_EQ(words, "2805" + std::string(16, '0') + "300F008C2806");
    EXPECT_EQ(ListingFileName, "blink.lst");
}

TEST_F(BundledAssemblerTest, SourceErrorsLoadNothing) {
    m_parent.Write("blink.asm",
                   "        org 5\nstart:  movlw 0x0F\n        bogus 3\n        end\n");
    std::string output;
    EXPECT_FALSE(OnAssemble(&output));
    EXPECT_NE(output.find("blink.asm:3"), std::string::npos) << output;
    EXPECT_EQ(m_messages.Messages(),
              std::vector<std::string>{"GRESKA: Greske ispravljati u editoru."});
    EXPECT_EQ(ProgramImage[20], '\0');
}
}  // namespace

// The map the bundled assembler writes, as the editor reads it after F7: a
// word made by a macro maps to the line that invoked it, a word from an
// included file to that file and line; without the map the listing gives
// the main file's lines.
TEST_F(BundledAssemblerTest, MapNamesMacroCallsAndIncludedLines) {
    m_parent.Write("my defs.inc", "; mine\nsub:    return\n");
    m_parent.Write("blink.asm",
                   "twice   macro\n"             // 1
                   "        nop\n"               // 2
                   "        nop\n"               // 3
                   "        endm\n"              // 4
                   "        org 5\n"             // 5
                   "start:  call sub\n"          // 6  word 5
                   "        twice\n"             // 7  words 6, 7
                   "        goto start\n"        // 8  word 8
                   "#include \"my defs.inc\"\n"  // word 9
                   "        end\n");
    std::string output;
    ASSERT_TRUE(OnAssemble(&output)) << output;
    const build::CSourceMap map = build::LoadSourceMap();
    ASSERT_EQ(map.files.size(), 2u);
    EXPECT_EQ(map.files[0], "blink.asm");
    EXPECT_EQ(map.files[1], "my defs.inc");
    EXPECT_EQ(map.words[5], (build::CSourceLine{0, 6}));
    EXPECT_EQ(map.words[6], (build::CSourceLine{0, 7}));
    EXPECT_EQ(map.words[7], (build::CSourceLine{0, 7}));
    EXPECT_EQ(map.words[8], (build::CSourceLine{0, 8}));
    EXPECT_EQ(map.words[9], (build::CSourceLine{1, 2}));
    EXPECT_EQ(map.FirstWordOf(0, 7), 6);

    // An assembler that writes no map: the listing's line numbers serve.
    fs::remove(m_parent.Path() / "blink.map");
    const build::CSourceMap fromListing = build::LoadSourceMap();
    EXPECT_EQ(fromListing.words[5], (build::CSourceLine{0, 6}));
    EXPECT_EQ(fromListing.words[8], (build::CSourceLine{0, 8}));
}
