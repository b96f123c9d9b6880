// The one loader: a source assembled as F7 does, the object file it made and
// a HEX file of the same words all give one program image; what went wrong
// comes back as text.
#include "build/program_loader.h"

#include <filesystem>

#include "../core/core_test_support.h"
#include "build/source_file.h"
#include "build_test_support.h"

namespace {
std::string Image() {
    std::string image;
    for (int i = 0; i < core::kProgramImageSize; ++i) image += ProgramImage[i].load();
    return image;
}

TEST(ProgramLoader, TheThreeKindsLoadOneImageAndSayWhyNot) {
    CScratchFolder folder;
    CRecordingMessageBox boxes;
    const std::string source = "\torg\t5\n\tmovlw\t0x81\n\tmovwf\t0x20\nloop\tgoto\tloop\n\tend\n";
    folder.Write("prog.asm", source);
    folder.Write("wrong.asm", "\torg\t5\n\tmovlw\n\tend\n");
    folder.Write("SAME.HEX", HexRecord(10, "8130A0000728") + EndRecord());
    folder.Write("bad.hex", ":0600\r\n");
    folder.Write("prog.txt", source);
    std::string error;
    std::string assembled;
    const auto keepOutput = [&](const std::string& output) { assembled += output + "|"; };
    ASSERT_TRUE(build::LoadProgram(folder.Folder() + "prog.asm", &error, keepOutput)) << error;
    const std::string image = Image();
    EXPECT_EQ(image.substr(20, 12), "308100A02807");
    std::filesystem::create_directory(folder.Path() / "copy");
    std::filesystem::copy_file(folder.Path() / "prog.obj", folder.Path() / "copy" / "prog.Obj");

    struct SCase {
        const char* file;
        bool loaded;
        const char* error;  // how the error begins; "" for none
        const char* box;    // the message box shown, "" for none
    } cases[] = {
        {"copy/prog.Obj", true, "", ""},
        {"SAME.HEX", true, "", ""},
        {"bad.hex", false, "bad.hex: ", ""},
        {"wrong.asm", false, "", "GRESKA: Greske ispravljati u editoru."},
        {"missing.obj", false, "missing.obj", ""},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = folder.Folder() + c.file;
        boxes.Clear();
        assembled.clear();
        EXPECT_EQ(build::LoadProgram(path, &error, keepOutput), c.loaded);
        if (*c.error) {
            EXPECT_EQ(error.rfind(folder.Folder() + c.error, 0), 0u) << error;
        } else {
            EXPECT_EQ(error, "");
        }
        EXPECT_EQ(boxes.Messages(),
                  *c.box ? std::vector<std::string>{c.box} : std::vector<std::string>{});
        EXPECT_EQ(!assembled.empty(), std::string(c.file).ends_with(".asm"));
        // The object file's filler below the first record is its own.
        if (c.loaded) {
            EXPECT_EQ(Image().substr(20), image.substr(20));
        }
        EXPECT_EQ(SourceFolder + SourceFileName, path);
        EXPECT_EQ(ListingFileName, SourceFileName.substr(0, SourceFileName.size() - 3) + "lst");
    }
    std::string why;
    EXPECT_FALSE(build::CheckProgramReadable(folder.Folder() + "missing.obj", &why));
    EXPECT_NE(why.find("missing.obj"), std::string::npos);
    EXPECT_TRUE(build::CheckProgramReadable(folder.Folder() + "prog.txt", &why));
    EXPECT_FALSE(build::IsLoadableProgram(folder.Folder() + "prog.txt"));
    SourceFolder.clear();
    SourceFileName.clear();
}
}  // namespace
