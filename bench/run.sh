#!/usr/bin/env bash
# Runs every benchmark of a Release build folder (default build-bench).
set -euo pipefail
build=${1:-build-bench}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
runtime=$(mktemp -d); chmod 700 "$runtime"; export XDG_RUNTIME_DIR=$runtime
"$build"/bench/bench_startup "$build"/bench/bench_startup_full "$build"/bench/bench_startup_bare "${ROUNDS:-21}"
for b in "$build"/bench/bench_*; do
    case "$(basename "$b")" in
        bench_startup*) ;;
        *) echo; echo "== $(basename "$b")"; "$b" -silent ;;
    esac
done
