#!/usr/bin/env bash
# Builds the simulator and starts it on an example program. Where no display
# is available, runs the example headless and prints its trace instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B out -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build out -j2

example="${1:-examples/counter.asm}"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x out/bin/lumo ]; then
  exec out/bin/lumo "$example"
fi
echo "No display available: running $example headless with lumo-run."
exec out/bin/lumo-run --steps 60 --trace "$example"
