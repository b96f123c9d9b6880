#pragma once
// The explanations of the run-time checks, in Serbian: what happened and
// what to do, in one or two sentences.
#include <cstdint>
#include <string>

namespace core {

std::string BankText(const std::string& named, int namedBank, int selectedBank,
                     const std::string& reached);
std::string ClassicPclText();
std::string PclPageText(int page, int meant, int pclathPage, int reached);
std::string NinthCallText();
std::string FullStackInterruptText();
std::string EmptyReturnText(const char* mnemonic);
std::string IsrFlagText(uint8_t flags);
std::string IsrContextText(int retfieLine, bool usesW, uint8_t w, uint8_t entryW, uint8_t flags);
std::string RbifReadText();
std::string UninitialisedText(const std::string& name);
std::string EepromWithoutWrenText();
std::string EepromWithoutSequenceText();
// An input's latch matters only once the pin is made an output.
std::string RmwPortText(const char* mnemonic, const std::string& port, const std::string& pin,
                        int latch);
std::string WatchdogResetText();

}  // namespace core
