#!/usr/bin/env bash
# Plants one-line bugs in the game, one at a time, and reports the ones no test notices.
#   tools/mutate.sh [LIST]        LIST defaults to tools/mutations.txt
# Each line of LIST is "FILE: FROM => TO": on the first line of FILE holding the text FROM,
# FROM becomes TO (an empty TO deletes it). Mutations go into a scratch copy of the tree
# (QUIRN_MUTATE_DIR, by default /tmp/quirn-mutate), never the working tree. Its build
# directory is kept between runs, so with ccache each mutation costs one file's compile
# and the links. A mutation that builds and passes the core and script tests SURVIVES.
# Exit status 1 when one survives, does not build, or no longer matches its file.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
list=$(realpath "${1:-$root/tools/mutations.txt}")
work=${QUIRN_MUTATE_DIR:-${TMPDIR:-/tmp}/quirn-mutate}
tree=$work/tree
build=$work/build
log=$work/last.log
jobs=$(nproc)
targets=(quirn_core_tests quirn_script_tests)

# The working tree as it is now, uncommitted changes included. Only files that differ are
# copied, so the build directory stays current and a file last built as a mutant is
# compiled again.
mkdir -p "$tree" "$build"
git -C "$root" ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do
        [ -f "$root/$file" ] && ! cmp -s "$root/$file" "$tree/$file" 2>/dev/null || continue
        mkdir -p "$tree/$(dirname "$file")"
        cp "$root/$file" "$tree/$file"
    done

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$tree" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIRN_BUILD_GUI=OFF \
    -DQUIRN_BUILD_BENCHMARKS=OFF -DQUIRN_WARNINGS_AS_ERRORS=OFF "${launcher[@]}" >"$log" 2>&1 ||
    { cat "$log"; exit 2; }

build_and_test() {
    cmake --build "$build" -j"$jobs" --target "${targets[@]}" >"$log" 2>&1 || return 2
    local program
    for program in "${targets[@]}"; do
        timeout 600 "$build/tests/$program" --gtest_brief=1 --gtest_fail_fast >>"$log" 2>&1 ||
            return 1
    done
}

echo "building and testing the unchanged tree in $work"
status=0
build_and_test || status=$?
if [ "$status" -ne 0 ]; then
    cat "$log"
    echo "the unchanged tree must build and pass its tests first" >&2
    exit 2
fi

# Replaces FROM by TO on the first line of FILE holding FROM; fails when none does.
mutate() {
    FROM=$2 TO=$3 awk '
        !done && (at = index($0, ENVIRON["FROM"])) {
            $0 = substr($0, 1, at - 1) ENVIRON["TO"] substr($0, at + length(ENVIRON["FROM"]))
            done = 1
        }
        { print }
        END { exit !done }' "$tree/$1" >"$work/mutant" && cp "$work/mutant" "$tree/$1"
}

trim() {
    local text=$1
    text=${text#"${text%%[![:space:]]*}"}
    printf '%s' "${text%"${text##*[![:space:]]}"}"
}

killed=0
problems=()
while IFS= read -r line || [ -n "$line" ]; do
    [[ -z $(trim "$line") || $(trim "$line") == \#* ]] && continue
    file=$(trim "${line%%: *}")
    rest=${line#*: }
    from=$(trim "${rest%%=>*}")
    to=$(trim "${rest#*=>}")
    [[ $rest != "$line" && $rest == *"=>"* && -n $from ]] || { problems+=("malformed: $line"); continue; }
    label="$file: $from -> $to"
    cp "$tree/$file" "$work/original" 2>/dev/null || { problems+=("no such file: $label"); continue; }
    if ! mutate "$file" "$from" "$to"; then
        problems+=("stale (text not found): $label")
        continue
    fi
    status=0
    build_and_test || status=$?
    # A fresh copy, newer than the mutant's object, so the next build compiles it again.
    cp "$work/original" "$tree/$file"
    case $status in
    0) problems+=("SURVIVED: $label"); echo "survived  $label" ;;
    1) killed=$((killed + 1)); echo "killed    $label" ;;
    *) problems+=("did not build: $label"); echo "no build  $label" ;;
    esac
done <"$list"

echo "$killed killed, ${#problems[@]} not"
for problem in "${problems[@]}"; do echo "  $problem"; done
[ "${#problems[@]}" -eq 0 ]
