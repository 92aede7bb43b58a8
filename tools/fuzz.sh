#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for the given seconds, starting from
# its committed seed corpus (copied, so the committed one stays as it is).
# Inputs that make a target fail are left in the build folder as crash-*.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-20}
status=0
for target in "$build"/fuzz/fuzz_*; do
    [[ -f "$target" && -x "$target" ]] || continue
    name=$(basename "$target")
    rule=${name#fuzz_}
    work="$build/fuzz-work/$rule"
    mkdir -p "$work/corpus" "$work/artifacts"
    cp -r fuzz/corpus/"$rule"/. "$work/corpus/" 2>/dev/null || true
    echo "== $name for ${seconds}s"
    if ! "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
        "$work/corpus" 2> "$work/log"; then
        status=1
        tail -n 40 "$work/log"
    fi
    grep -E '^stat::number_of_executed_units' "$work/log" | tail -n 1 || true
    echo "corpus now $(ls "$work/corpus" | wc -l) inputs"
done
exit $status
