// Reading the assembler's "FILE:LINE: error: TEXT" lines.
#include "build/assembler_messages.h"

#include <gtest/gtest.h>

namespace {

struct Read {
    bool ok;
    build::CAssemblerMessage message;
};

Read Parse(const std::string& line) {
    Read read{false, {"untouched", -1, false, "", "", 0}};
    read.ok = build::ParseAssemblerMessage(line, &read.message);
    return read;
}

TEST(AssemblerMessagesTest, ErrorsAndWarningsWithTheirFileAndLine) {
    Read r = Parse("prog.asm:12: error: unknown mnemonic 'movx'");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.message.file, "prog.asm");
    EXPECT_EQ(r.message.line, 12);
    EXPECT_TRUE(r.message.error);
    EXPECT_EQ(r.message.text, "unknown mnemonic 'movx'");

    r = Parse("sub dir/my: defs.inc:3: warning: value 0x1FF truncated: 0xFF");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.message.file, "sub dir/my: defs.inc") << "a colon in the name";
    EXPECT_EQ(r.message.line, 3);
    EXPECT_FALSE(r.message.error);
    EXPECT_EQ(r.message.text, "value 0x1FF truncated: 0xFF");

    r = Parse("prog.asm:0: error: cannot read the source file");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.message.line, 0);
}

// A message in an included file leads back to the main file's #include line.
TEST(AssemblerMessagesTest, AnIncludedFilesMessageNamesTheMainFilesIncludeLine) {
    struct CCase {
        const char* line;
        const char* text;
        const char* mainFile;
        int mainLine;
    } cases[] = {
        {"part.inc:3: error: bad (included from prog.asm:2)", "bad", "prog.asm", 2},
        {"deep.inc:2: warning: w (x) (included from my: prog.asm:17)", "w (x)", "my: prog.asm", 17},
        {"prog.asm:5: error: bad (in macro m at defs.inc:3)", "bad (in macro m at defs.inc:3)", "",
         0},
        {"part.inc:3: error: bad (included from prog.asm)", "bad (included from prog.asm)", "", 0},
    };
    for (const CCase& c : cases) {
        const Read r = Parse(c.line);
        ASSERT_TRUE(r.ok) << c.line;
        EXPECT_EQ(r.message.text, c.text) << c.line;
        EXPECT_EQ(r.message.mainFile, c.mainFile) << c.line;
        EXPECT_EQ(r.message.mainLine, c.mainLine) << c.line;
    }
}

TEST(AssemblerMessagesTest, OtherLinesAreNotMessages) {
    for (const char* line : {"prog.asm: 2 error(s), 0 warning(s)", "... 7 more errors in prog.lst",
                             "prog.asm:12: note: here", "prog.asm:x1: error: y", ":1: error: y",
                             "prog.asm:12 error: y", "prog.asm:99999999999: error: y", ""}) {
        const Read r = Parse(line);
        EXPECT_FALSE(r.ok) << line;
        EXPECT_EQ(r.message.file, "untouched") << line;
    }
}

TEST(AssemblerMessagesTest, OutputSplitsIntoLines) {
    EXPECT_EQ(build::OutputLines("a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(build::OutputLines("a\n"), std::vector<std::string>{"a"});
    EXPECT_TRUE(build::OutputLines("").empty());
}

}  // namespace
