// The example programs assemble cleanly and keep the layout the simulator
// and a real chip both need: a GOTO to word 5 at word 0, the interrupt
// vector at word 4, the program from word 5.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tasm_test_support.h"

namespace fs = std::filesystem;

namespace {

const char* const kExamples[] = {"counter.asm",     "running_light.asm", "buttons.asm",
                                 "timer_blink.asm", "rb0_counter.asm",   "table.asm"};

std::string ReadExample(const std::string& name) {
    std::ifstream in(fs::path(LUMO_SOURCE_DIR) / "examples" / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Examples, AssembleCleanlyWithTheResetLayout) {
    for (const char* name : kExamples) {
        std::string source = ReadExample(name);
        ASSERT_FALSE(source.empty()) << name;
        auto result = tasm::Assemble(tasm::CSourceFile{name, name, source}, nullptr);
        ASSERT_EQ(result.errors, 0) << name << "\n" << result.listing;
        auto words = tasm_test::ObjectWords(result.object);
        EXPECT_EQ(words[0], 0x2805u) << name << ": word 0 jumps to word 5";
        unsigned vector = words[4];
        EXPECT_TRUE(vector == 0x0009u || (vector & 0x3800u) == 0x2800u)
            << name << ": word 4 is RETFIE or a GOTO to the interrupt routine";
        EXPECT_TRUE(words.count(5)) << name;
        EXPECT_LT(result.object.size(), 5000u);
        EXPECT_EQ(source.rfind("; ", 0), 0u) << name << " starts with its header comment";
    }
}

}  // namespace
