#!/usr/bin/env bash
# Builds everything and runs every test; exits non-zero on any failure.
#   1. the release build with all tests (the window's tests off-screen),
#   2. the core and worker tests under ThreadSanitizer,
#   3. the hardening stage: sanitizers and fuzzers (scripts/test-hardening.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
jobs=2

echo "== release build and tests"
cmake -S . -B out -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build out -j"$jobs"
ctest --test-dir out --output-on-failure -j"$jobs" --timeout 300

# Only the core and worker programs are built here; the label filter keeps
# the other folders' unbuilt test programs out of the run.
echo "== core and worker tests under ThreadSanitizer"
cmake -S . -B out-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMO_SANITIZE=thread \
  -DLUMO_WITH_UI=OFF -DLUMO_WITH_BENCH=OFF >/dev/null
cmake --build out-tsan -j"$jobs" --target lumo_core_tests lumo_worker_tests
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir out-tsan --output-on-failure -j"$jobs" --timeout 300 \
  --no-tests=error -L '^lumo_(core|worker)_tests$'

if [ -f scripts/test-hardening.sh ]; then
  echo "== hardening"
  bash scripts/test-hardening.sh
fi
echo "All tests passed."
