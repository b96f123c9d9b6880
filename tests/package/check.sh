#!/usr/bin/env bash
# Builds the Debian package from the build folder BUILD, unpacks it into a
# scratch root and runs the unpacked programs there, far from the build and
# source folders, so that a file the package lacks or a path into the build
# tree shows. Usage: check.sh BUILD SOURCE
set -euo pipefail
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$scratch/deb" >"$scratch/cpack.log" ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/deb/lumo_*.deb)

# apt pulls in what Depends names: the window's and the scenarios' libraries.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqscintilla2-qt6 libyaml-cpp; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

root=$scratch/root
dpkg -x "$deb" "$root"
for file in usr/bin/lumo usr/bin/lumo-run usr/bin/lumo-grade usr/bin/tasm \
  usr/share/lumo/examples/counter.asm usr/share/lumo/examples/grading/counter.yaml \
  usr/share/applications/lumo.desktop usr/share/mime/packages/lumo.xml \
  usr/share/icons/hicolor/32x32/apps/lumo.png usr/share/icons/hicolor/scalable/apps/lumo.svg \
  usr/share/man/man1/lumo-run.1.gz \
  usr/share/man/man1/lumo-grade.1.gz usr/share/man/man1/tasm.1.gz usr/share/doc/lumo/copyright; do
  [ -e "$root/$file" ] || fail "the package lacks /$file"
done

# The programs find what they need beside themselves, never in the folders
# they were built from.
for program in "$root"/usr/bin/*; do
  if grep -q -a -e "$(realpath "$build")" -e "$(realpath "$source")" "$program"; then
    fail "$(basename "$program") names the build or source folder"
  fi
done

# A source in a folder of its own: no tasm beside it, so lumo-run must start
# the one installed beside itself.
work=$scratch/work
mkdir "$work"
cp "$root/usr/share/lumo/examples/counter.asm" "$work/"
cd "$work"
"$root/usr/bin/tasm" -1684 counter.asm >/dev/null || fail "the installed tasm"
[ -s counter.obj ] || fail "the installed tasm wrote no counter.obj"
rm counter.obj counter.lst counter.map
installed=$("$root/usr/bin/lumo-run" --steps 60 counter.asm) || fail "the installed lumo-run"
built=$("$build/bin/lumo-run" --steps 60 "$source/examples/counter.asm")
[ "$installed" = "$built" ] || fail "the installed lumo-run printed another state:
$installed"

# The window: its libraries and the platform plugin load, and it stays up on
# an example until it is ended.
export QT_QPA_PLATFORM=offscreen
version=$("$root/usr/bin/lumo" --version) || fail "lumo --version"
[ "$version" = "lumo $(dpkg-deb -f "$deb" Version)" ] || fail "lumo --version printed '$version'"
status=0
timeout 4 "$root/usr/bin/lumo" counter.asm || status=$?
[ "$status" -eq 124 ] || fail "the installed window ended by itself with status $status"

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fail "lintian reports errors"
fi
echo "package ok: $(basename "$deb")"
