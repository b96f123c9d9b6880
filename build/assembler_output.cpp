#include "build/assembler_output.h"

#include <sys/stat.h>

#include "build/assemble_command.h"
#include "build/chip_data_records.h"
#include "build/file_read.h"
#include "build/object_loader.h"
#include "build/source_file.h"
#include "core/platform/message_box.h"
#include "core/state.h"
#include "core/texts/translate.h"

namespace build {

namespace {
// Enough of the listing's end for any error count.
constexpr int kListingTailBytes = 64;
constexpr int kShortestListing = 5;
}  // namespace

bool ListingReportsNoErrors(const std::string& tail) {
    const size_t size = tail.size();
    if (size < 3 || tail[size - 2] != '\r' || tail[size - 1] != '\n') return false;
    size_t digits = 0;
    for (size_t i = size - 2; i > 0 && tail[i - 1] >= '0' && tail[i - 1] <= '9'; --i) {
        if (tail[i - 1] != '0') return false;
        ++digits;
    }
    return digits > 0;
}

std::string OutputFileName(const std::string& sourceFileName, const char* extension) {
    // A name shorter than three characters is kept whole.
    const size_t size = sourceFileName.size();
    return (size < 3 ? sourceFileName : sourceFileName.substr(0, size - 3)) + extension;
}

std::string MissingAssemblerOutput() {
    const auto exists = [](const std::string& path) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0;
    };
    const std::string listing = OutputFileName(SourceFileName, "lst");
    if (!exists(SourceFolder + listing))
        return core::Fill(core::Tr("Prevodilac nije napravio listing %1."), {listing});
    std::string tail;
    long long length = 0;
    std::string error;
    const std::string object = OutputFileName(SourceFileName, "obj");
    if (ReadFileTail(SourceFolder + listing, kListingTailBytes, &tail, &length, &error) &&
        ListingReportsNoErrors(tail) && !exists(SourceFolder + object)) {
        return core::Fill(core::Tr("Prevodilac nije napravio objektni fajl %1."), {object});
    }
    return {};
}

}  // namespace build

bool LoadAssemblerOutput() {
    ListingFileName = build::OutputFileName(SourceFileName, "lst");
    const std::string listingPath = SourceFolder + ListingFileName;
    std::string tail;
    long long length = 0;
    std::string error;
    if (!build::ReadFileTail(listingPath, build::kListingTailBytes, &tail, &length, &error)) {
        AfxMessageBox(error);
        return false;
    }
    if (length < build::kShortestListing) {
        AfxMessageBox(listingPath + " is too short to be a listing (" + std::to_string(length) +
                      " bytes).");
        return false;
    }
    if (!build::ListingReportsNoErrors(tail)) {
        AfxMessageBox(core::Tr("GRESKA: Greske ispravljati u editoru."));
        return false;
    }

    const std::string objectPath = SourceFolder + build::OutputFileName(SourceFileName, "obj");
    std::string object;
    if (!build::ReadFileHead(objectPath, build::kObjectReadLimit, &object, &error)) {
        AfxMessageBox(error);
        return false;
    }
    LoadObjectRecords(object.data(), static_cast<int>(object.size()));
    build::LoadChipDataRecords(object, build::EWordBytes::HighFirst);
    ProgramEnd = core::kProgramImageSize;
    return true;
}
