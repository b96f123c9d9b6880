#!/usr/bin/env bash
# Builds the Debian package lumo_VERSION_ARCH.deb into out/package/ and prints
# its path. Install it with: apt install ./out/package/lumo_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B out -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build out -j2
cpack --config out/CPackConfig.cmake -B out/package >/dev/null
ls out/package/lumo_*.deb
