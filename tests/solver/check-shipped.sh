#!/bin/bash
# check-shipped.sh TOOL PUZZLES_DIR: all 4 x 100 shipped levels pass `quirn-levels check`.
set -u
tool=$1
dir=$2
files=()
for class in quick normal hard advanced; do
  for i in $(seq 1 100); do files+=("$dir/$class/game$i.puz"); done
done
# Missing files are reported by the tool itself.
"$tool" check "${files[@]}" > check.log
status=$?
grep -v ': OK grade' check.log
[ "$status" -eq 0 ] || { echo "shipped levels fail the check"; exit 1; }
ok=$(grep -c ': OK grade' check.log)
[ "$ok" -eq 400 ] || { echo "only $ok of 400 levels OK"; exit 1; }
echo "400 shipped levels OK"
