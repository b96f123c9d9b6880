#!/usr/bin/env bash
# The window at full speed (bench/window/window_speed_bench.cpp) on a display
# of its own: a virtual X server unless DISPLAY names one.
#   bench/window-speed.sh [benchmark options]
set -euo pipefail
bench=$(dirname "$0")/../out/bin/lumo_window_bench
if [ -z "${DISPLAY:-}" ]; then
  display=:$((90 + RANDOM % 100))
  Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb' EXIT
  sleep 1
  export DISPLAY=$display
fi
QT_QPA_PLATFORM=xcb "$bench" "$@"
