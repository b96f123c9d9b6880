#!/usr/bin/env bash
# Fails when a text of the window has no translation: every .ts file, brought
# up to date with the sources in a scratch copy (so that a text added to the
# code but never put into the .ts shows too), must hold no unfinished entry.
# Usage: check.sh LUPDATE SOURCE
set -euo pipefail
lupdate=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$source"/res/translations/*.ts; do
  copy=$scratch/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h "$source/ui" -ts "$copy" >/dev/null
  unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
  if [ "$unfinished" -ne 0 ]; then
    echo "FAIL: $(basename "$ts") has $unfinished untranslated text(s):" >&2
    grep -B1 'type="unfinished"' "$copy" | grep '<source>' >&2
    status=1
  fi
done
exit $status
