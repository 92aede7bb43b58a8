#!/usr/bin/env bash
# Runs every benchmark of a Release build folder (default build-bench).
# Start-up is measured on a real X server (Xvfb when there is no display),
# where "first exposed frame" means what it means on a desktop, with the
# program as a user starts it and the probe loaded from outside; PAIRS sets
# how many alternating pairs (at least 15). The other benchmarks run on the
# offscreen platform.
set -euo pipefail
build=${1:-build-bench}
runtime=$(mktemp -d); chmod 700 "$runtime"; export XDG_RUNTIME_DIR=$runtime
startup=("$build"/bench/bench_startup "$build"/bench/libpallado_probe.so "$build"/pallado
         "$build"/bench/bench_startup_bare "${PAIRS:-21}")
if [[ -n "${DISPLAY:-}" ]]; then
    QT_QPA_PLATFORM=xcb "${startup[@]}"
elif command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "${startup[@]}"
else
    echo "(no X server: start-up measured on the offscreen platform)"
    QT_QPA_PLATFORM=offscreen "${startup[@]}"
fi
export QT_QPA_PLATFORM=offscreen
for b in "$build"/bench/bench_*; do
    [[ -f "$b" && -x "$b" ]] || continue
    case "$(basename "$b")" in
        bench_startup*) ;;
        bench_learning|bench_class|bench_classview) echo; echo "== $(basename "$b")"; "$b" || true ;;
        *) echo; echo "== $(basename "$b")"; "$b" 2>&1 | grep -E 'RESULT|msecs' | paste - - | sed -E 's/ +/ /g' ;;
    esac
done
