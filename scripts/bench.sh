#!/usr/bin/env bash
# Builds the benchmarks (in build, optimised) and runs them all, then prints one table of
# their figures. Each benchmark's own output is kept in build/bench-logs/. The window
# benchmarks run offscreen and, for what the X server costs, in Xvfb with a session bus.
#   scripts/bench.sh [folder for the benchmark files, default /tmp]
set -euo pipefail
cd "$(dirname "$0")/.."

folder=${1:-/tmp}
# name of the run -> its command line, and which runs need an X server
dir=build/bench
benches=(bench_document bench_bigfiles bench_places bench_fonts bench_mainwin bench_mainwin_x bench_startup)
declare -A command=([bench_document]="$dir/bench_document $folder" [bench_bigfiles]="$dir/bench_bigfiles $folder"
    [bench_places]="$dir/bench_places $folder"
    [bench_fonts]="$dir/bench_fonts" [bench_mainwin]="$dir/bench_mainwin" [bench_mainwin_x]="$dir/bench_mainwin"
    [bench_startup]="$dir/bench_startup build/src/qt/app/vantorel $dir/bare_window")
declare -A display=([bench_mainwin_x]=x [bench_startup]=x)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(--target vantorel)
for t in bench_document bench_bigfiles bench_places bench_fonts bench_mainwin bench_startup bare_window; do
    if grep -q "add_executable($t " bench/CMakeLists.txt; then targets+=(--target "$t"); fi
done
cmake --build build --parallel "$(nproc)" "${targets[@]}" >/dev/null

logs=build/bench-logs
mkdir -p "$logs"
results=$logs/results.tsv
: >"$results"
status=0
for b in "${benches[@]}"; do
    read -r -a cmd <<<"${command[$b]}"
    if [ ! -x "${cmd[0]}" ]; then
        printf 'RESULT\t%s\t(not built yet)\t-\t\n' "${b#bench_}" >>"$results"
        continue
    fi
    echo "running $b ..." >&2
    if [ "${display[$b]:-}" = x ]; then
        # An X server of its own (Xvfb picks a free display) and a session bus, as on a desktop.
        run=(env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp"
            dbus-run-session -- "${cmd[@]}")
    else
        run=(env QT_QPA_PLATFORM=offscreen "${cmd[@]}")
    fi
    if ! "${run[@]}" >"$logs/$b.log" 2>&1; then
        echo "$b failed; see $logs/$b.log" >&2
        status=1
    fi
    grep '^RESULT' "$logs/$b.log" >>"$results" || true
done

awk -F'\t' '
    BEGIN { printf "%-12s %-60s %12s %s\n", "benchmark", "measure", "value", "unit"
            printf "%-12s %-60s %12s %s\n", "---------", "-------", "-----", "----" }
    { printf "%-12s %-60s %12s %s\n", $2, $3, $4, $5 }
' "$results"
exit "$status"
