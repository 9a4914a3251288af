#!/bin/bash
# generate-twice.sh TOOL WORKDIR: the same seed gives byte-identical level files.
set -eu
tool=$1
work=$2
rm -rf "$work"
for class in quick advanced; do
  "$tool" generate --size "$class" --count 6 --seed 4242 --out "$work/a/$class" > /dev/null
  "$tool" generate --size "$class" --count 6 --seed 4242 --out "$work/b/$class" > /dev/null
done
diff -r "$work/a" "$work/b"
[ "$(ls "$work/a/advanced" | wc -l)" -eq 6 ]
"$tool" check --size advanced "$work"/a/advanced/*.puz > /dev/null
"$tool" check --size quick "$work"/a/quick/*.puz > /dev/null
echo "reproducible"
