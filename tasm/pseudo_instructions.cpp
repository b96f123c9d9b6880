#include "tasm/pseudo_instructions.h"

#include <strings.h>

namespace tasm {

namespace {

constexpr int F = kFirstOperand;
constexpr int D = kSecondOperand;
constexpr int kStatus = 3;
constexpr int kC = 0;
constexpr int kDC = 1;
constexpr int kZ = 2;

constexpr CPseudoStep Step(std::string_view mnemonic, int a) {
    return {mnemonic, {a, 0}, 1};
}
constexpr CPseudoStep Step(std::string_view mnemonic, int a, int b) {
    return {mnemonic, {a, b}, 2};
}

constexpr CPseudoInstruction kPseudo[] = {
    {"MOVFW", 1, {Step("MOVF", F, 0)}, 1},
    {"TSTF", 1, {Step("MOVF", F, 1)}, 1},
    {"CLRC", 0, {Step("BCF", kStatus, kC)}, 1},
    {"SETC", 0, {Step("BSF", kStatus, kC)}, 1},
    {"CLRZ", 0, {Step("BCF", kStatus, kZ)}, 1},
    {"SETZ", 0, {Step("BSF", kStatus, kZ)}, 1},
    {"CLRDC", 0, {Step("BCF", kStatus, kDC)}, 1},
    {"SETDC", 0, {Step("BSF", kStatus, kDC)}, 1},
    {"SKPC", 0, {Step("BTFSS", kStatus, kC)}, 1},
    {"SKPNC", 0, {Step("BTFSC", kStatus, kC)}, 1},
    {"SKPZ", 0, {Step("BTFSS", kStatus, kZ)}, 1},
    {"SKPNZ", 0, {Step("BTFSC", kStatus, kZ)}, 1},
    {"SKPDC", 0, {Step("BTFSS", kStatus, kDC)}, 1},
    {"SKPNDC", 0, {Step("BTFSC", kStatus, kDC)}, 1},
    {"B", 1, {Step("GOTO", F)}, 1},
    {"LGOTO", 1, {Step("GOTO", F)}, 1},
    {"LCALL", 1, {Step("CALL", F)}, 1},
    {"BC", 1, {Step("BTFSC", kStatus, kC), Step("GOTO", F)}, 2},
    {"BNC", 1, {Step("BTFSS", kStatus, kC), Step("GOTO", F)}, 2},
    {"BZ", 1, {Step("BTFSC", kStatus, kZ), Step("GOTO", F)}, 2},
    {"BNZ", 1, {Step("BTFSS", kStatus, kZ), Step("GOTO", F)}, 2},
    {"BDC", 1, {Step("BTFSC", kStatus, kDC), Step("GOTO", F)}, 2},
    {"BNDC", 1, {Step("BTFSS", kStatus, kDC), Step("GOTO", F)}, 2},
    {"NEGF", 2, {Step("COMF", F, 1), Step("INCF", F, D)}, 2},
    {"ADDCF", 2, {Step("BTFSC", kStatus, kC), Step("INCF", F, D)}, 2},
    {"SUBCF", 2, {Step("BTFSC", kStatus, kC), Step("DECF", F, D)}, 2},
    {"ADDDCF", 2, {Step("BTFSC", kStatus, kDC), Step("INCF", F, D)}, 2},
    {"SUBDCF", 2, {Step("BTFSC", kStatus, kDC), Step("DECF", F, D)}, 2},
};

}  // namespace

const CPseudoInstruction* FindPseudoInstruction(std::string_view name) {
    for (const CPseudoInstruction& pseudo : kPseudo) {
        if (name.size() == pseudo.name.size() &&
            strncasecmp(name.data(), pseudo.name.data(), name.size()) == 0) {
            return &pseudo;
        }
    }
    return nullptr;
}

}  // namespace tasm
