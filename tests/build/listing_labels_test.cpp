// Naming the place PC stands on from the listing of the last assemble.
#include "build/listing_labels.h"

#include <gtest/gtest.h>

#include "build_test_support.h"

namespace {
TEST(ListingLabels, DefinitionsOnlyWithAndWithoutAnInstructionWord) {
    CScratchFolder folder;
    const std::string kListing =
        "   1                       ; LOOP: is where the counting happens\r\n"
        "   2        =000C          COUNT equ 0x0C\r\n"
        "   3   0000 2805                   goto    start\r\n"
        "   4   0005                start:\r\n"
        "   5   0005 3005           again:  movlw   5\r\n"
        "   6   0006 008C           LOOP:   movwf   0x0C ; next: the jump\r\n"
        "   7   0007 2806                   goto    LOOP\r\n"
        "   8   0008 0008           2nd:    return\r\n"
        "   9   03FF 0008           last_one: return\n"
        "Number of errors = 0\r\n";
    const std::map<int, std::string> expected = {{5, "start"}, {6, "LOOP"}, {0x3FF, "last_one"}};
    EXPECT_EQ(build::ReadListingLabels(folder.Write("prog.lst", kListing).string()), expected);
    EXPECT_TRUE(build::ReadListingLabels((folder.Path() / "missing.lst").string()).empty());
}
}  // namespace
