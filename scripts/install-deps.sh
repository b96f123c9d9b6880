#!/usr/bin/env bash
# Installs every Debian package the project needs. Safe to run again: it
# installs only what is missing, and uses sudo only when not root.
set -euo pipefail

packages=(
  build-essential cmake g++ pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libqscintilla2-qt6-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-dejavu-core
  libyaml-cpp-dev
  clang libclang-rt-14-dev
  xvfb xauth
  dpkg-dev file lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
