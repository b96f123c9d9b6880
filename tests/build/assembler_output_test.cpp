// The listing verdict, the file names and the 5000-byte read of the object file.
#include "build/assembler_output.h"

#include "../core/core_test_support.h"
#include "build/assemble_command.h"
#include "build/source_file.h"
#include "build_test_support.h"

namespace {
struct VerdictCase {
    const char* ending;
    bool passes;
};

void PrintTo(const VerdictCase& c, std::ostream* os) {
    *os << testing::PrintToString(std::string(c.ending));
}

class ListingVerdict : public testing::TestWithParam<VerdictCase> {};

TEST_P(ListingVerdict, OnlyAWholeCountOfZeroPasses) {
    EXPECT_EQ(build::ListingReportsNoErrors(std::string("Number of errors = ") + GetParam().ending),
              GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(Endings, ListingVerdict,
                         testing::Values(VerdictCase{"0\r\n", true}, VerdictCase{"00\r\n", true},
                                         VerdictCase{"3\r\n", false}, VerdictCase{"10\r\n", false},
                                         VerdictCase{"100\r\n", false},
                                         VerdictCase{"0\r\n\r\n", false},
                                         VerdictCase{"0\r\n\x1a", false}, VerdictCase{"0\n", false},
                                         VerdictCase{"0", false}, VerdictCase{"\r\n", false}));

TEST(OutputFileNameTest, DropsTheLastThreeCharactersOfLongerNames) {
    EXPECT_EQ(build::OutputFileName("prog.asm", "lst"), "prog.lst");
    EXPECT_EQ(build::OutputFileName("x.s", "obj"), "obj");
    EXPECT_EQ(build::OutputFileName("ab", "lst"), "ablst");
    EXPECT_EQ(build::OutputFileName("my prog.ASM", "obj"), "my prog.obj");
}

class AssemblerOutputTest : public testing::Test {
protected:
    void SetUp() override {
        ResetForLoad();
        ProgramEnd = 0;
        SourceFolder = m_folder.Folder();
        SourceFileName = "prog.asm";
    }
    void TearDown() override {
        SourceFolder.clear();
        SourceFileName.clear();
    }
    void WriteListing(const std::string& errors) const {
        m_folder.Write(
            "prog.lst",
            "0001  0005  2805  start: goto start\r\n\r\nNumber of errors = " + errors + "\r\n");
    }
    static bool ImageIsEmpty() {
        for (int i = 0; i < core::kProgramImageSize; ++i) {
            if (ProgramImage[i] != '\0') return false;
        }
        return true;
    }

    CScratchFolder m_folder;
    CRecordingMessageBox m_messages;
};

TEST_F(AssemblerOutputTest, CleanListingLoadsTheObjectFile) {
    WriteListing("0");
    m_folder.Write("prog.obj", HexRecord(0x000A, "2805") + EndRecord());
    LoadAssemblerOutput();
    EXPECT_TRUE(m_messages.Messages().empty());
    EXPECT_EQ(ListingFileName, "prog.lst");
    EXPECT_EQ(ProgramEnd, core::kProgramImageSize);
    EXPECT_EQ(ProgramImage[20], '2');
    EXPECT_EQ(ProgramImage[23], '5');
}

TEST_F(AssemblerOutputTest, TenErrorsDoNotPass) {
    WriteListing("10");
    m_folder.Write("prog.obj", HexRecord(0x000A, "2805") + EndRecord());
    LoadAssemblerOutput();
    EXPECT_EQ(m_messages.Messages(),
              std::vector<std::string>{"GRESKA: Greske ispravljati u editoru."});
    EXPECT_TRUE(ImageIsEmpty());
    EXPECT_EQ(ProgramEnd, 0);
    EXPECT_EQ(ListingFileName, "prog.lst");
}

struct FileFault {
    const char* name;
    bool listingPresent;  // else missing
    const char* listing;  // content, when present
    bool objectPresent;
    const char* fileInMessage;
};

void PrintTo(const FileFault& c, std::ostream* os) {
    *os << c.name;
}

class FileFaults : public AssemblerOutputTest, public testing::WithParamInterface<FileFault> {};

TEST_P(FileFaults, NameTheFileAndLoadNothing) {
    const FileFault& c = GetParam();
    if (c.listingPresent) m_folder.Write("prog.lst", c.listing);
    if (c.objectPresent) m_folder.Write("prog.obj", HexRecord(0, "2805") + EndRecord());
    LoadAssemblerOutput();
    const auto messages = m_messages.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(m_folder.Folder() + c.fileInMessage), std::string::npos)
        << messages[0];
    EXPECT_EQ(messages[0].rfind("GRESKA: ", 0), std::string::npos);
    EXPECT_TRUE(ImageIsEmpty());
    EXPECT_EQ(ProgramEnd, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileFaults,
    testing::Values(FileFault{"missing_listing", false, "", true, "prog.lst"},
                    FileFault{"short_listing", true, "0\r\n", true, "prog.lst"},
                    FileFault{"missing_object", true, "Number of errors = 0\r\n", false,
                              "prog.obj"}),
    [](const testing::TestParamInfo<FileFault>& info) { return std::string(info.param.name); });

TEST_F(AssemblerOutputTest, FoldersInPlaceOfTheFilesAreRefused) {
    std::filesystem::create_directory(m_folder.Path() / "prog.lst");
    LoadAssemblerOutput();
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_NE(m_messages.Messages()[0].find("folder"), std::string::npos);

    m_messages.Clear();
    std::filesystem::remove(m_folder.Path() / "prog.lst");
    WriteListing("0");
    std::filesystem::create_directory(m_folder.Path() / "prog.obj");
    LoadAssemblerOutput();
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_NE(m_messages.Messages()[0].find("prog.obj"), std::string::npos);
    EXPECT_TRUE(ImageIsEmpty());
}

TEST_F(AssemblerOutputTest, UnreadableListingIsReported) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    WriteListing("0");
    std::filesystem::permissions(m_folder.Path() / "prog.lst", std::filesystem::perms::none);
    LoadAssemblerOutput();
    ASSERT_EQ(m_messages.Messages().size(), 1u);
    EXPECT_NE(m_messages.Messages()[0].find("prog.lst"), std::string::npos);
}

// 109 records of 16 bytes (45 characters each) and one of 41 bytes (95
// characters) make exactly 5000 bytes.
std::string FiveThousandBytes() {
    std::string text;
    int address = 0;
    for (int i = 0; i < 109; ++i, address += 16) text += HexRecord(address, std::string(32, '1'));
    text += HexRecord(address, std::string(82, '2'));
    return text;
}

TEST_F(AssemblerOutputTest, ObjectFileOfExactly5000BytesLoadsWhole) {
    const std::string text = FiveThousandBytes();
    ASSERT_EQ(text.size(), 5000u);
    WriteListing("0");
    m_folder.Write("prog.obj", text);
    LoadAssemblerOutput();
    const int lastChar = 2 * (109 * 16) + 82 - 1;
    EXPECT_EQ(ProgramImage[lastChar], '2');
    EXPECT_EQ(ProgramImage[lastChar + 1], '\0');
}

TEST_F(AssemblerOutputTest, BytesAfterTheFirst5000AreNotRead) {
    std::string text = FiveThousandBytes();
    text += HexRecord(1785, "3333") + EndRecord();
    WriteListing("0");
    m_folder.Write("prog.obj", text);
    LoadAssemblerOutput();
    EXPECT_EQ(ProgramImage[2 * 1785], '\0');
    EXPECT_EQ(ProgramEnd, core::kProgramImageSize);
}

TEST_F(AssemblerOutputTest, ARecordCutByTheLimitKeepsOnlyWhatWasRead) {
    // 110 records of 45 characters end at 4950; the next one starts there
    // and is cut at 5000, after 41 of its data characters.
    std::string text;
    for (int i = 0; i < 110; ++i) text += HexRecord(16 * i, std::string(32, '1'));
    text += HexRecord(16 * 110, std::string(64, '4'));
    text += std::string(20000, 'x');
    WriteListing("0");
    m_folder.Write("prog.obj", text);
    LoadAssemblerOutput();
    const int start = 2 * 16 * 110;
    EXPECT_EQ(ProgramImage[start + 40], '4');
    EXPECT_EQ(ProgramImage[start + 41], '\0');
}
}  // namespace
