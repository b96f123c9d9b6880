// Breakpoints by label, looked up in the listing of the last assemble command.
#include "build/break_labels.h"

#include <array>

#include "../core/core_test_support.h"
#include "build/source_file.h"
#include "build_test_support.h"
#include "core/run_driver.h"

namespace {
using Fields = std::array<std::string, core::kBreakpointsUsed>;

// Address at positions 7-10, as the assembler lays out a listing line.
const std::string kListing =
    "   1                       ; LOOP: is where the counting happens\r\n"
    "   2   0000 2805           start:  goto    main\r\n"
    "   3   0005 3005           main:   movlw   5\r\n"
    "   4   0006 008C           LOOP:   movwf   0x0C\r\n"
    "   5   0007 2806                   goto    LOOP\r\n"
    "   6   0008 0008           wait:   return\r\n"
    "   7   0009 0008           wait2:  return\r\n"
    "\r\n"
    "Number of errors = 0\r\n";

class BreakLabelsTest : public testing::Test {
protected:
    void SetUp() override {
        ResetForRun();
        BreakLabelCount = 0;
        SourceFolder = m_folder.Folder();
        ListingFileName = "prog.lst";
        m_folder.Write("prog.lst", kListing);
    }
    void TearDown() override {
        SourceFolder.clear();
        ListingFileName.clear();
    }
    static std::vector<std::pair<std::string, int>> Breakpoints() {
        std::vector<std::pair<std::string, int>> list;
        for (int i = 0; i < BreakLabelCount; ++i)
            list.emplace_back(BreakLabels.Get(i), BreakAddresses[i]);
        for (int i = BreakLabelCount; i < core::kBreakpointsUsed; ++i)
            EXPECT_EQ(BreakAddresses[i], 0) << i;
        return list;
    }
    using List = std::vector<std::pair<std::string, int>>;

    CScratchFolder m_folder;
};

TEST_F(BreakLabelsTest, FilledFieldsMoveToTheFront) {
    Fields fields;
    fields[2] = "main";
    fields[5] = "wait";
    build::SetBreakLabelsFromFields(fields);
    EXPECT_EQ(Breakpoints(), (List{{"main", 5}, {"wait", 8}}));
}

TEST_F(BreakLabelsTest, LabelsAreCaseSensitiveAndNeedTheirColon) {
    build::SetBreakLabelsFromFields(Fields{"loop", "LOOP", "goto", "wait2", "", "", "", ""});
    EXPECT_EQ(Breakpoints(), (List{{"LOOP", 6}, {"wait2", 9}}));
}

TEST_F(BreakLabelsTest, AnEarlierMentionWithoutAddressDoesNotHideTheDefinition) {
    build::SetBreakLabelsFromFields(Fields{"LOOP"});
    EXPECT_EQ(Breakpoints(), (List{{"LOOP", 6}}));
}

// A mention in a comment on a line with code comes before the definition;
// the definition still gives the address. Without any defining line, a
// mention at a nonzero address is all there is.
TEST_F(BreakLabelsTest, TheDefiningLineWinsOverAnEarlierMentionWithAddress) {
    m_folder.Write("prog.lst",
                   "   3   0005 2807           main:   goto x ; back to LOOP: later\r\n"
                   "   4   0006 0000           ; ONLY: in a comment\r\n"
                   "   5   0007 0000   =0007   LOOP:   nop\r\n"
                   "   6   0008 2807                   goto LOOP ; LOOP: again\r\n"
                   "   7   0000                ZERO:\r\n"
                   "   8   0009 2809                   goto $ ; ZERO: is at 0\r\n"
                   "Number of errors = 0\r\n");
    build::SetBreakLabelsFromFields(Fields{"LOOP", "ONLY", "ZERO"});
    EXPECT_EQ(Breakpoints(), (List{{"LOOP", 7}, {"ONLY", 6}}));
}

TEST_F(BreakLabelsTest, ALabelAtWordZeroIsDropped) {
    build::SetBreakLabelsFromFields(Fields{"start", "main"});
    EXPECT_EQ(Breakpoints(), (List{{"main", 5}}));
}

TEST_F(BreakLabelsTest, TheSameLabelTwiceKeepsBoth) {
    build::SetBreakLabelsFromFields(Fields{"wait", "", "wait"});
    EXPECT_EQ(Breakpoints(), (List{{"wait", 8}, {"wait", 8}}));
}

TEST_F(BreakLabelsTest, WithoutAListingEveryLabelIsDropped) {
    ListingFileName.clear();
    build::SetBreakLabelsFromFields(Fields{"main", "wait"});
    EXPECT_EQ(Breakpoints(), List{});
    ListingFileName = "other.lst";
    build::SetBreakLabelsFromFields(Fields{"main"});
    EXPECT_EQ(Breakpoints(), List{});
}

TEST_F(BreakLabelsTest, RemovingALabelClearsItsAddress) {
    build::SetBreakLabelsFromFields(Fields{"main", "wait"});
    build::SetBreakLabelsFromFields(Fields{"main"});
    EXPECT_EQ(Breakpoints(), (List{{"main", 5}}));
}

TEST_F(BreakLabelsTest, EmptyLabelsLeftByARestartMatchNothing) {
    build::SetBreakLabelsFromFields(Fields{"main", "wait"});
    ResetForRun();  // clears the texts, keeps the count
    ASSERT_EQ(BreakLabelCount, 2);
    m_folder.Write("prog.lst", "   1   0003 0000 x :\r\n");
    ResolveBreakLabels();
    EXPECT_EQ(Breakpoints(), List{});
}

TEST_F(BreakLabelsTest, LongLinesAreSearchedInPiecesOf99Characters) {
    // The second piece starts at character 99 and carries its own address
    // digits at its positions 7-10.
    const std::string first = "   1   0001 " + std::string(87, ' ');
    ASSERT_EQ(first.size(), 99u);
    const std::string second = "       0042 late:";
    // A pattern cut by the piece boundary is not found.
    const std::string cut = "   2   0003 " + std::string(85, ' ') + " cut:";
    m_folder.Write("prog.lst", first + second + "\r\n" + cut + "\r\n");
    build::SetBreakLabelsFromFields(Fields{"late", "cut"});
    EXPECT_EQ(Breakpoints(), (List{{"late", 0x42}}));
}

TEST_F(BreakLabelsTest, AddressDigitsAreUpperCaseHex) {
    m_folder.Write("prog.lst",
                   "   1   03FF x upper:\r\n   2   00ab x lower:\r\n   3   00 x short:\r\n");
    build::SetBreakLabelsFromFields(Fields{"upper", "lower", "short"});
    // Lower-case letters count as 0, so "00ab" is address 0; "00 x" gives 0
    // as well. Both labels are dropped.
    EXPECT_EQ(Breakpoints(), (List{{"upper", 0x3FF}}));
}
}  // namespace
