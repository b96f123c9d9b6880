// The assemble command when the world misbehaves: assemblers that crash or
// leave too little behind, output files that vanish or turn unreadable
// between the assembler's end and the load, and a source folder that is
// gone. Each time the user gets one clear message and no program is loaded;
// nothing crashes and nothing waits for ever.
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include "../core/core_test_support.h"
#include "build/assemble_command.h"
#include "build/break_labels.h"
#include "build/source_file.h"
#include "build_test_support.h"

namespace fs = std::filesystem;

namespace {

// A program that assembled cleanly: GOTO 5 at word 5.
const std::string kCleanListing = "0005  0005  2805  start: goto start\r\nNumber of errors = 0\r\n";
const std::string kObject = HexRecord(0x000A, "2805") + EndRecord();

// A hang here would hang the user interface; give it a generous bound and
// end the test program if it is exceeded, since nothing could stop it.
void FinishesWithin20Seconds(const std::function<void()>& action, const char* what) {
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    std::thread([action, done] {
        action();
        done->set_value();
    }).detach();
    if (finished.wait_for(std::chrono::seconds(20)) == std::future_status::timeout) {
        std::fprintf(stderr, "HANG: %s did not finish within 20 s\n", what);
        std::_Exit(1);
    }
}

class AssembleFaultTest : public testing::Test {
protected:
    void SetUp() override {
        ResetForLoad();
        ProgramEnd = 1234;  // what a previous load left
        SourceFolder = m_folder.Folder();
        SourceFileName = "prog.asm";
        m_folder.Write("prog.asm", "start: goto start\n");
    }
    void TearDown() override {
        SourceFolder.clear();
        SourceFileName.clear();
    }

    // An assembler of our own making, found in the source folder before the
    // bundled one.
    void FakeAssembler(const std::string& body) const {
        const fs::path script = m_folder.Write("tasm", "#!/bin/sh\n" + body + "\n");
        fs::permissions(script, fs::perms::owner_all | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
    }

    void Assemble() {
        FinishesWithin20Seconds([] { OnAssemble(); }, "the assemble command");
    }
    void Load() {
        FinishesWithin20Seconds([] { LoadAssemblerOutput(); }, "loading the assembler's output");
    }

    // One message that names the file and is not the verdict on the source.
    void ExpectOneFileMessage(const std::string& file) const {
        const auto messages = m_messages.Messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find(file), std::string::npos) << messages[0];
        EXPECT_EQ(messages[0].rfind("GRESKA: ", 0), std::string::npos) << messages[0];
    }
    static void ExpectNothingLoaded() {
        for (int i = 0; i < core::kProgramImageSize; ++i) {
            ASSERT_EQ(ProgramImage[i], '\0') << "image character " << i;
        }
        EXPECT_EQ(ProgramEnd, 1234);
    }

    CScratchFolder m_folder{"lumo fault "};
    CRecordingMessageBox m_messages;
};

TEST_F(AssembleFaultTest, AnAssemblerThatWritesNothingLoadsNothing) {
    FakeAssembler("exit 0");
    Assemble();
    ExpectOneFileMessage("prog.lst");
    ExpectNothingLoaded();
}

TEST_F(AssembleFaultTest, AnAssemblerThatCrashesLoadsNothing) {
    FakeAssembler("kill -SEGV $$");
    Assemble();
    ExpectOneFileMessage("prog.lst");
    ExpectNothingLoaded();
}

TEST_F(AssembleFaultTest, AListingWithoutAnObjectFileLoadsNothing) {
    FakeAssembler("printf '" + std::string("Number of errors = 0\\r\\n") + "' > prog.lst");
    Assemble();
    ExpectOneFileMessage("prog.obj");
    ExpectNothingLoaded();
}

// The files of an earlier, clean run must not pass for the output of an
// assembler that this time failed to write any.
TEST_F(AssembleFaultTest, AnAssemblerThatWritesNothingDoesNotLoadTheFilesOfAnEarlierRun) {
    m_folder.Write("prog.lst", kCleanListing);
    m_folder.Write("prog.obj", kObject);
    FakeAssembler("exit 1");
    Assemble();
    ExpectOneFileMessage("prog.lst");
    ExpectNothingLoaded();
}

struct Vanishing {
    const char* name;
    bool listing;
    bool object;
    const char* named;  // the file the message must name
};

void PrintTo(const Vanishing& c, std::ostream* os) {
    *os << c.name;
}

class VanishingOutput : public AssembleFaultTest, public testing::WithParamInterface<Vanishing> {};

// The assembler wrote both files; they are gone when the load begins.
TEST_P(VanishingOutput, IsReportedAndNothingLoads) {
    const Vanishing& c = GetParam();
    FakeAssembler("printf '" + std::string("Number of errors = 0\\r\\n") +
                  "' > prog.lst\nprintf ':020000002805D1\\r\\n:00000001FF\\r\\n' > prog.obj");
    ResetForLoad();
    ASSERT_TRUE(RunAssembler());
    ASSERT_TRUE(fs::exists(m_folder.Path() / "prog.lst") &&
                fs::exists(m_folder.Path() / "prog.obj"));
    if (c.listing) fs::remove(m_folder.Path() / "prog.lst");
    if (c.object) fs::remove(m_folder.Path() / "prog.obj");
    Load();
    ExpectOneFileMessage(c.named);
    ExpectNothingLoaded();
}

INSTANTIATE_TEST_SUITE_P(Files, VanishingOutput,
                         testing::Values(Vanishing{"listing", true, false, "prog.lst"},
                                         Vanishing{"object", false, true, "prog.obj"},
                                         Vanishing{"both", true, true, "prog.lst"}),
                         [](const testing::TestParamInfo<Vanishing>& info) {
                             return std::string(info.param.name);
                         });

// Ways for a file that exists to be unreadable. Permissions do not stop
// root, so that one variant is skipped there; the others fail for anyone.
enum class Blocker { NoPermission, Folder, Fifo, DanglingLink, LinkLoop };

struct Unreadable {
    const char* name;
    Blocker blocker;
    const char* file;  // prog.lst or prog.obj
};

void PrintTo(const Unreadable& c, std::ostream* os) {
    *os << c.name;
}

class UnreadableOutput : public AssembleFaultTest, public testing::WithParamInterface<Unreadable> {
protected:
    void Block(const fs::path& path, Blocker blocker) {
        fs::remove(path);
        switch (blocker) {
            case Blocker::NoPermission:
                m_folder.Write(path.filename().string(), "x");
                fs::permissions(path, fs::perms::none);
                break;
            case Blocker::Folder:
                fs::create_directory(path);
                break;
            case Blocker::Fifo:
                ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
                break;
            case Blocker::DanglingLink:
                fs::create_symlink(m_folder.Path() / "nowhere", path);
                break;
            case Blocker::LinkLoop:
                fs::create_symlink(path, path);
                break;
        }
    }
};

TEST_P(UnreadableOutput, IsReportedWithoutWaitingAndNothingLoads) {
    const Unreadable& c = GetParam();
    if (c.blocker == Blocker::NoPermission && ::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop root";
    }
    m_folder.Write("prog.lst", kCleanListing);
    m_folder.Write("prog.obj", kObject);
    Block(m_folder.Path() / c.file, c.blocker);
    Load();
    ExpectOneFileMessage(c.file);
    ExpectNothingLoaded();
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableOutput,
    testing::Values(Unreadable{"listing_without_permission", Blocker::NoPermission, "prog.lst"},
                    Unreadable{"listing_is_a_folder", Blocker::Folder, "prog.lst"},
                    Unreadable{"listing_is_a_fifo", Blocker::Fifo, "prog.lst"},
                    Unreadable{"listing_is_a_dangling_link", Blocker::DanglingLink, "prog.lst"},
                    Unreadable{"listing_is_a_link_loop", Blocker::LinkLoop, "prog.lst"},
                    Unreadable{"object_without_permission", Blocker::NoPermission, "prog.obj"},
                    Unreadable{"object_is_a_fifo", Blocker::Fifo, "prog.obj"},
                    Unreadable{"object_is_a_link_loop", Blocker::LinkLoop, "prog.obj"}),
    [](const testing::TestParamInfo<Unreadable>& info) { return std::string(info.param.name); });

// The user assembled a file, then its folder was deleted behind the
// program's back. The assembler cannot start there: the command says so and
// loads nothing. The labels dialog finds no listing and drops its labels
// without a word, as it does before the first assemble command.
TEST_F(AssembleFaultTest, ASourceFolderRemovedWhileOpenCannotBeAssembled) {
    FakeAssembler(
        "printf '" + std::string("0005  0005  2805  start: goto start\\r\\n") +
        "Number of errors = 0\\r\\n' > prog.lst\nprintf ':020000002805D1\\r\\n' > prog.obj");
    Assemble();
    ASSERT_TRUE(m_messages.Messages().empty());
    build::SetBreakLabelsFromFields({"start"});
    ASSERT_EQ(BreakLabelCount, 1);

    fs::remove_all(m_folder.Path());
    ProgramEnd = 1234;
    Assemble();
    EXPECT_EQ(m_messages.Messages(), std::vector<std::string>{"GRESKA: Proces nije dobro kreiran"});
    ExpectNothingLoaded();

    m_messages.Clear();
    build::SetBreakLabelsFromFields({"start"});
    EXPECT_EQ(BreakLabelCount, 0);
    EXPECT_EQ(BreakAddresses[0], 0);
    EXPECT_TRUE(m_messages.Messages().empty());
}

}  // namespace
