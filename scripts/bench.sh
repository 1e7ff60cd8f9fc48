#!/usr/bin/env bash
# Builds the benchmarks (in build, optimised) and runs them all, then prints one table of
# their figures. Each benchmark's own output is kept in build/bench-logs/. The window
# benchmarks run offscreen and, for what the X server costs, in Xvfb with a session bus.
# The Windows front end's run under Wine in its virtual desktop (scripts/wine-desktop.sh),
# from the Windows build in build-windows, in a Wine prefix of their own (build/wine-bench-prefix).
#   scripts/bench.sh [folder for the benchmark files, default /tmp]
set -euo pipefail
cd "$(dirname "$0")/.."

folder=${1:-/tmp}
# name of the run -> its command line, and which runs need an X server
dir=build/bench
win=build-windows/bench/win32
editor_exe=build-windows/src/win32/app/vantorel.exe
benches=(bench_document bench_bigfiles bench_places bench_fonts bench_mainwin bench_mainwin_x bench_startup
    bench_win32_startup bench_win32_mainwin)
declare -A command=([bench_document]="$dir/bench_document $folder" [bench_bigfiles]="$dir/bench_bigfiles $folder"
    [bench_places]="$dir/bench_places $folder"
    [bench_fonts]="$dir/bench_fonts" [bench_mainwin]="$dir/bench_mainwin" [bench_mainwin_x]="$dir/bench_mainwin"
    [bench_startup]="$dir/bench_startup build/src/qt/app/vantorel $dir/bare_window"
    [bench_win32_startup]="$win/bench_startup.exe $editor_exe $win/bare_window.exe"
    [bench_win32_mainwin]="$win/bench_mainwin.exe $editor_exe resources/templ.ate")
declare -A display=([bench_mainwin_x]=x [bench_startup]=x [bench_win32_startup]=wine [bench_win32_mainwin]=wine)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(--target vantorel)
for t in bench_document bench_bigfiles bench_places bench_fonts bench_mainwin bench_startup bare_window; do
    if grep -q "add_executable($t " bench/CMakeLists.txt; then targets+=(--target "$t"); fi
done
cmake --build build --parallel "$(nproc)" "${targets[@]}" >/dev/null

wine=/usr/lib/wine/wine64
if command -v x86_64-w64-mingw32-g++-posix >/dev/null && [ -x "$wine" ]; then
    bash scripts/build-windows.sh build-windows >/dev/null
    export WINEPREFIX=$PWD/build/wine-bench-prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe,mscoree,mshtml=d"
    if [ ! -f "$WINEPREFIX/user.reg" ]; then
        bash scripts/wine-prefix.sh "$wine"
        /usr/lib/wine/wineserver -w
    fi
fi

logs=build/bench-logs
mkdir -p "$logs"
results=$logs/results.tsv
: >"$results"
status=0
for b in "${benches[@]}"; do
    read -r -a cmd <<<"${command[$b]}"
    built=yes
    for part in "${cmd[@]}"; do
        case "$part" in
        *.exe) [ -f "$part" ] || built=no ;;
        esac
    done
    if [ ! -x "${cmd[0]}" ] || [ $built = no ]; then
        printf 'RESULT\t%s\t(not built yet)\t-\t\n' "${b#bench_}" >>"$results"
        continue
    fi
    echo "running $b ..." >&2
    if [ "${display[$b]:-}" = wine ]; then
        run=(bash scripts/wine-desktop.sh --timeout 900 "${cmd[@]}")
    elif [ "${display[$b]:-}" = x ]; then
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
