#pragma once
// The assemble command without its window: reset, run the assembler on the
// saved source, load what it produced. Reports to the user through
// AfxMessageBox only.
#include <functional>
#include <string>
#include <vector>

namespace build {

// How the assembler is started: the program, its arguments and the folder it
// runs in. An empty program means there is nothing it could be started on.
struct SAssemblerCommand {
    std::string program;
    std::vector<std::string> arguments;
    std::string folder;
};

// The command for the current source (see RunAssembler), for a caller that
// runs it without waiting. Removes the output files an earlier run left, so
// that they cannot pass for this run's.
SAssemblerCommand PrepareAssemblerCommand();

// From now on the tasm installed beside this program is started even where
// the source folder holds one: a grader must not run what a submission
// brought along.
void UseOnlyOwnAssembler();

// After the assembler ended: when it wrote no listing, or a clean listing
// but no object file, which file is missing, in words for the user; empty
// when both are there.
std::string MissingAssemblerOutput();

// LoadAssemblerOutput, and the load in the event log when it loaded.
bool LoadAssembledProgram();

}  // namespace build

// Starts SourceFolder + "tasm" (or, where that file does not exist, the tasm
// installed beside this program) with "-1684" and SourceFileName, in
// SourceFolder, and waits for it. What it printed lands in *output when
// given. Returns false when the process could not be started.
bool RunAssembler(std::string* output = nullptr);

// Checks the listing's verdict and loads the object file into the program
// image; sets ListingFileName and ProgramEnd. Returns whether a program was
// loaded; every failure has been shown to the user.
bool LoadAssemblerOutput();

// The whole command: ResetForLoad, RunAssembler, LoadAssembledProgram, with
// "GRESKA: Proces nije dobro kreiran" when the assembler cannot be started.
// What the assembler printed lands in *output when given. assembled, when
// given, runs once the assembler has ended and before the listing is read,
// so whatever it shows of the output comes before the verdict's message.
// Returns whether a program was loaded.
bool OnAssemble(std::string* output = nullptr, const std::function<void()>& assembled = {});
