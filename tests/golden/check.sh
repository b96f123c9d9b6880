#!/usr/bin/env bash
# Runs lumo-run on every example in each of its output modes and compares
# what it writes with the checksums recorded here, so a change that should
# alter no result can show that it alters none.
#   check.sh BIN_DIR SOURCE_DIR            compare
#   check.sh BIN_DIR SOURCE_DIR --update   record the current outputs
# On a difference the outputs are kept and their folder is printed, so they
# can be compared with those of an older build (run with --update there).
set -uo pipefail
# Serbian whatever the caller's locale, also when recording by hand.
export LC_ALL=C.UTF-8
bin=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
mode=${3:-}
sums="$src/tests/golden/outputs.sha256"

work=$(mktemp -d)
cp -r "$src/examples" "$work/examples"
out="$work/out"
mkdir -p "$out"
cd "$work/examples"

run() {  # NAME ARGS...: stdout, stderr and the exit status of one run
  local name=$1
  shift
  "$bin/lumo-run" "$@" >"$out/$name.out" 2>"$out/$name.err"
  echo "$?" >"$out/$name.rc"
}

for program in *.asm; do
  n=${program%.asm}
  run "$n.state" "$program"
  run "$n.json" --json --steps 5000 "$program"
  run "$n.trace" --steps 300 --trace "$program"
  run "$n.files" --steps 3000 --events "$out/$n.events" --vcd "$out/$n.vcd" "$program"
  run "$n.pins" --json --steps 4000 --pin RB0@100 --pin RB0@101 --pin RA0@900 --pin RB7@2000 \
    --events "$out/$n.pin-events" "$program"
  run "$n.back" --json --steps 3000 --pin RB0@100 --back 1500 "$program"
  run "$n.record" --steps 2500 --pin RB0@50 --pin RB0@700 --record "$out/$n.record.yaml" "$program"
done
for scenario in grading/*.yaml; do
  n=$(basename "$scenario" .yaml)
  run "$n.scenario.text" --scenario "$scenario"
  run "$n.scenario.json" --json --scenario "$scenario" --vcd "$out/$n.scenario.vcd"
done
for wrong in grading/wrong/*.asm; do
  n=$(basename "$wrong" .asm)
  run "wrong.$n" --scenario grading/counter.yaml --scenario grading/buttons.yaml "$wrong"
done
# A recorded session plays back on its own program.
run "replay.rb0" --scenario "$out/rb0_counter.record.yaml" rb0_counter.asm

# The recordings and reports name the scratch folder; make them comparable.
sed -i "s|$work|WORK|g" "$out"/*
(cd "$out" && sha256sum * | sort -k2) >"$work/now.sha256"

if [ "$mode" = "--update" ]; then
  cp "$work/now.sha256" "$sums"
  rm -rf "$work"
  echo "recorded $(wc -l <"$sums") outputs"
  exit 0
fi
if diff -u "$sums" "$work/now.sha256"; then
  rm -rf "$work"
  echo "all $(wc -l <"$sums") outputs unchanged"
  exit 0
fi
echo "outputs differ; they are in $out"
exit 1
