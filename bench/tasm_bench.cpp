// Assembling a generated 1000-line program in memory, both passes, listing,
// object text and source map included. Target: well under 20 ms.
#include <benchmark/benchmark.h>

#include <iterator>
#include <string>

#include "tasm/assembler.h"

namespace {

// A program of the usual teaching kind: constants, labels, loops, calls,
// bit tests, comments; exactly 1000 lines, under 1024 words.
std::string GeneratedProgram() {
    std::string source =
        "; generated program\n"
        "        list    p=16c84, r=dec\n"
        "        #include <p16c84.inc>\n"
        "        __config _XT_OSC & _WDT_OFF\n"
        "        cblock  0x0C\n"
        "        counter, temp, value:2\n"
        "        endc\n"
        "LIMIT   equ     0x20\n"
        "        org     0\n"
        "        goto    start\n"
        "        org     4\n"
        "        retfie\n"
        "start   bsf     STATUS,RP0\n"
        "        clrf    TRISB\n"
        "        bcf     STATUS,RP0\n";
    int lines = 15;
    for (int block = 0; lines < 999; ++block) {
        std::string n = std::to_string(block);
        const std::string body[] = {
            "loop" + n + ":  movlw   LIMIT+" + n + " % 64  ; block " + n,
            "        movwf   counter",
            "inner" + n + "  decfsz  counter,F",
            "        goto    inner" + n,
            "        btfss   PORTA,RA" + std::to_string(block % 5),
            "        call    sub" + n,
            "        addwf   value+1,W",
            "        xorlw   0x5A",
            "        goto    next" + n,
            "sub" + n + "    rlf     temp,F",
            "        return",
            "next" + n,
        };
        for (const std::string& line : body) {
            if (lines == 999) break;
            source += line + "\n";
            ++lines;
        }
    }
    source += "        end\n";
    return source;
}

// The dialect of teaching material: macros with parameters and LOCAL
// labels invoked from nested conditionals, pseudo-instructions, BANKSEL;
// exactly 1000 lines, under 1024 words once expanded.
std::string GeneratedMacroProgram() {
    std::string source =
        "; generated program with macros\n"
        "        list    p=16f84\n"
        "        #include <p16f84.inc>\n"
        "        errorlevel -302\n"
        "#define FAST 1\n"
        "LEVEL   equ     2\n"
        "store   macro   value, reg\n"
        "        movlw   value\n"
        "        movwf   reg\n"
        "        endm\n"
        "wait    macro   n\n"
        "        local   again\n"
        "        movlw   n\n"
        "again   addlw   -1\n"
        "        skpz\n"
        "        goto    again\n"
        "        endm\n"
        "        org     0\n"
        "        goto    start\n"
        "        org     5\n"
        "start   banksel TRISB\n"
        "        clrf    TRISB\n"
        "        banksel PORTB\n";
    int lines = 23;
    for (int block = 0; lines < 999; ++block) {
        std::string n = std::to_string(block);
        const std::string body[] = {
            "        if FAST == 1 && LEVEL > 1",
            "loop" + n + "  store   0x" + std::to_string(10 + block % 80) + ", 0x20",
            "        ifdef   FAST",
            "        wait    3",
            "        else",
            "        wait    0x30",
            "        endif",
            "        else",
            "        nop",
            "        endif",
            "        movfw   0x20",
            "        bnz     loop" + n,
        };
        // Whole blocks only, or an IF would stay open; comments fill up.
        bool whole = 999 - lines >= static_cast<int>(std::size(body));
        for (const std::string& line : body) {
            if (lines == 999) break;
            source += whole ? line + "\n" : "; filler\n";
            ++lines;
        }
    }
    source += "        end\n";
    return source;
}

void Assemble(benchmark::State& state, const std::string& text) {
    const tasm::CSourceFile file{"bench.asm", "bench.asm", text};
    for (auto _ : state) {
        tasm::CAssemblyResult result = tasm::Assemble(file, nullptr);
        if (result.errors != 0) {
            state.SkipWithError("the generated program does not assemble");
            break;
        }
        benchmark::DoNotOptimize(result.object.data());
    }
}

void BM_AssembleThousandLines(benchmark::State& state) {
    Assemble(state, GeneratedProgram());
}
BENCHMARK(BM_AssembleThousandLines)->Unit(benchmark::kMillisecond);

void BM_AssembleThousandLinesWithMacros(benchmark::State& state) {
    Assemble(state, GeneratedMacroProgram());
}
BENCHMARK(BM_AssembleThousandLinesWithMacros)->Unit(benchmark::kMillisecond);

}  // namespace
