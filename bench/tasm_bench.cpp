// Assembling a generated 1000-line program in memory, both passes, listing
// and object text included. Target: well under 20 ms.
#include <benchmark/benchmark.h>

#include <string>

#include "assembler.h"

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

void BM_AssembleThousandLines(benchmark::State& state) {
    const tasm::CSourceFile file{"bench.asm", "bench.asm", GeneratedProgram()};
    for (auto _ : state) {
        tasm::CAssemblyResult result = tasm::Assemble(file, nullptr);
        if (result.errors != 0) {
            state.SkipWithError("the generated program does not assemble");
            break;
        }
        benchmark::DoNotOptimize(result.object.data());
    }
}
BENCHMARK(BM_AssembleThousandLines)->Unit(benchmark::kMillisecond);

}  // namespace
