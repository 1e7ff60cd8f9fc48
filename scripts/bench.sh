#!/usr/bin/env bash
# Builds the benchmarks (in build, optimised) and runs them all, then prints one table of
# their figures. Each benchmark's own output is kept in build/bench-logs/.
#   scripts/bench.sh [folder for the benchmark files, default /tmp]
set -euo pipefail
cd "$(dirname "$0")/.."

folder=${1:-/tmp}
# name of the executable in build/bench -> arguments
benches=(bench_document bench_bigfiles bench_places bench_fonts bench_mainwin)
declare -A args=([bench_document]="$folder" [bench_bigfiles]="$folder" [bench_places]="$folder" [bench_fonts]="" [bench_mainwin]="")

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for b in "${benches[@]}"; do
    # bench_mainwin (start-up against a bare Qt window) comes with the main window.
    if grep -q "add_executable($b " bench/CMakeLists.txt; then targets+=(--target "$b"); fi
done
cmake --build build --parallel "$(nproc)" "${targets[@]}" >/dev/null

logs=build/bench-logs
mkdir -p "$logs"
results=$logs/results.tsv
: >"$results"
status=0
for b in "${benches[@]}"; do
    if [ ! -x "build/bench/$b" ]; then
        printf 'RESULT\t%s\t(not built yet)\t-\t\n' "${b#bench_}" >>"$results"
        continue
    fi
    echo "running $b ..." >&2
    # shellcheck disable=SC2086 # the arguments are words
    if ! QT_QPA_PLATFORM=offscreen "build/bench/$b" ${args[$b]} >"$logs/$b.log" 2>&1; then
        echo "$b failed; see $logs/$b.log" >&2
        status=1
    fi
    grep '^RESULT' "$logs/$b.log" >>"$results" || true
done

awk -F'\t' '
    BEGIN { printf "%-12s %-52s %12s %s\n", "benchmark", "measure", "value", "unit"
            printf "%-12s %-52s %12s %s\n", "---------", "-------", "-----", "----" }
    { printf "%-12s %-52s %12s %s\n", $2, $3, $4, $5 }
' "$results"
exit "$status"
