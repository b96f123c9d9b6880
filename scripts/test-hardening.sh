#!/usr/bin/env bash
# The hardening stage of the test run. Exits non-zero on any failure.
#   asan: every test, the window's off-screen among them, built with
#         AddressSanitizer and UndefinedBehaviorSanitizer (out-asan). Any
#         sanitizer report fails, also one from a program a test starts
#         (tasm, lumo-run), which the test itself might not notice: reports
#         go to files that are checked after the run. Nothing is suppressed.
#   fuzz: each libFuzzer target (out-fuzz) for LUMO_FUZZ_SECONDS seconds
#         (default 60) on a copy of its seed corpus, two at a time. A crash,
#         a hang or a sanitizer report fails; the input that caused it stays
#         in out-fuzz/runs/<target>/artifacts/.
# With arguments, only the named stages run: scripts/test-hardening.sh fuzz
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=2
fuzz_seconds="${LUMO_FUZZ_SECONDS:-60}"
stages=("$@")
[ ${#stages[@]} -eq 0 ] && stages=(asan fuzz)

# LeakSanitizer stops the world with ptrace, which some containers forbid;
# there it would fail every program, so leaks are checked only where it works.
leak_detection_works() {
  local dir=out-asan/leak-probe
  mkdir -p "$dir"
  printf 'int main() { return 0; }\n' >"$dir/probe.cpp"
  c++ -fsanitize=address "$dir/probe.cpp" -o "$dir/probe" 2>/dev/null &&
    ASAN_OPTIONS=detect_leaks=1 "$dir/probe" >/dev/null 2>&1
}

asan_stage() {
  echo "== AddressSanitizer + UndefinedBehaviorSanitizer build and tests"
  cmake -S . -B out-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMO_SANITIZE=address,undefined \
    -DLUMO_WITH_UI=ON -DLUMO_WITH_BENCH=OFF >/dev/null
  cmake --build out-asan -j"$jobs"

  local leaks=0
  if leak_detection_works; then leaks=1; else echo "LeakSanitizer unavailable here: leaks not checked"; fi
  local logs="$PWD/out-asan/sanitizer-logs"
  rm -rf "$logs"
  mkdir -p "$logs"
  # exitcode 86: a program that some test expects to fail with status 1
  # must not hide a report behind that status.
  export ASAN_OPTIONS="halt_on_error=1:detect_leaks=$leaks:exitcode=86:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:log_path=$logs/asan"
  # UndefinedBehaviorSanitizer's runtime is a library of its own beside
  # AddressSanitizer's and writes its reports to stderr whatever log_path
  # says: they are looked for in the tests' output below.
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:exitcode=86"
  local status=0
  ctest --test-dir out-asan --output-on-failure -j"$jobs" --timeout 600 || status=$?
  if grep -q "runtime error:" out-asan/Testing/Temporary/LastTest.log; then
    echo "UndefinedBehaviorSanitizer reports:"
    grep -A 12 "runtime error:" out-asan/Testing/Temporary/LastTest.log
    status=1
  fi
  if compgen -G "$logs/*" >/dev/null; then
    echo "Sanitizer reports:"
    for f in "$logs"/*; do
      echo "--- $f"
      cat "$f"
    done
    status=1
  fi
  unset ASAN_OPTIONS UBSAN_OPTIONS
  return "$status"
}

# Prints "<target>: N exec/s, cov: C ft: F" from a libFuzzer log.
fuzz_summary() {
  local target=$1 log=$2
  local execs cov
  execs=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n1)
  cov=$(grep -Eo 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -n1)
  echo "$target: ${execs:-?} exec/s, ${cov:-no coverage figures}"
}

# Runs one target; its output goes to out-fuzz/runs/<target>/log.
fuzz_one() {
  local target=$1
  local run="out-fuzz/runs/$target"
  rm -rf "$run"
  mkdir -p "$run/corpus" "$run/artifacts"
  if [ -d "tests/fuzz/corpus/$target" ]; then
    cp -R "tests/fuzz/corpus/$target/." "$run/corpus/"
  fi
  # The example programs seed the assembler straight from examples/, so the
  # seeds follow the examples as they change.
  if [ "$target" = assembler ]; then
    cp examples/*.asm "$run/corpus/"
  fi
  # Per target: libFuzzer flags, one a line, in tests/fuzz/<target>.options;
  # a dictionary in tests/fuzz/<target>.dict.
  local flags=() inputs=("$run/corpus")
  if [ -f "tests/fuzz/$target.options" ]; then
    mapfile -t flags <"tests/fuzz/$target.options"
  fi
  if [ -f "tests/fuzz/$target.dict" ]; then
    flags+=("-dict=tests/fuzz/$target.dict")
  fi
  if [ -d "tests/fuzz/regressions/$target" ]; then
    cp -R "tests/fuzz/regressions/$target" "$run/regressions"
    inputs+=("$run/regressions")
  fi
  "out-fuzz/bin/fuzz_$target" -max_total_time="$fuzz_seconds" -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$run/artifacts/" "${flags[@]}" "${inputs[@]}" \
    >"$run/log" 2>&1
}

fuzz_stage() {
  echo "== libFuzzer targets, ${fuzz_seconds} s each"
  CC=clang CXX=clang++ cmake -S . -B out-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMO_WITH_FUZZ=ON -DLUMO_WITH_UI=OFF -DLUMO_WITH_BENCH=OFF \
    -DLUMO_SANITIZE=address,undefined -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
  cmake --build out-fuzz -j"$jobs" --target lumo_fuzz_targets

  local targets
  mapfile -t targets <out-fuzz/fuzz-targets.txt
  if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz targets built"
    return 1
  fi

  mkdir -p out-fuzz/runs
  : >out-fuzz/runs/summary.txt
  local -A pid_of=()
  local failed=() target
  # Two at a time, one per core.
  for ((i = 0; i < ${#targets[@]}; i += jobs)); do
    for target in "${targets[@]:i:jobs}"; do
      fuzz_one "$target" &
      pid_of[$target]=$!
    done
    for target in "${targets[@]:i:jobs}"; do
      if ! wait "${pid_of[$target]}"; then failed+=("$target"); fi
    done
  done

  for target in "${targets[@]}"; do
    fuzz_summary "$target" "out-fuzz/runs/$target/log" | tee -a out-fuzz/runs/summary.txt
  done
  if [ ${#failed[@]} -ne 0 ]; then
    for target in "${failed[@]}"; do
      echo "--- $target failed; input kept in out-fuzz/runs/$target/artifacts/:"
      ls -l "out-fuzz/runs/$target/artifacts/"
      tail -n 60 "out-fuzz/runs/$target/log"
    done
    return 1
  fi
}

for stage in "${stages[@]}"; do
  case "$stage" in
    asan) asan_stage ;;
    fuzz) fuzz_stage ;;
    *)
      echo "unknown stage: $stage (asan, fuzz)" >&2
      exit 2
      ;;
  esac
done
