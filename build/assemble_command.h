#pragma once
// The assemble command without its window: reset, run the assembler on the
// saved source, load what it produced. Reports to the user through
// AfxMessageBox only.
#include <functional>
#include <string>

// Starts SourceFolder + "tasm" (or, where that file does not exist, the tasm
// installed beside this program) with "-1684" and SourceFileName, in
// SourceFolder, and waits for it. What it printed lands in *output when
// given. Returns false when the process could not be started.
bool RunAssembler(std::string* output = nullptr);

// From now on the tasm installed beside this program is started even where
// the source folder holds one: a grader must not run what a submission
// brought along.
void UseOnlyOwnAssembler();

// Checks the listing's verdict and loads the object file into the program
// image; sets ListingFileName and ProgramEnd. Returns whether a program was
// loaded; every failure has been shown to the user.
bool LoadAssemblerOutput();

// The whole command: ResetForLoad, RunAssembler, LoadAssemblerOutput, with
// "GRESKA: Proces nije dobro kreiran" when the assembler cannot be started.
// What the assembler printed lands in *output when given. assembled, when
// given, runs once the assembler has ended and before the listing is read,
// so whatever it shows of the output comes before the verdict's message.
// Returns whether a program was loaded.
bool OnAssemble(std::string* output = nullptr, const std::function<void()>& assembled = {});
