#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz) and runs each for a while, starting from
# the checked-in corpus. An input that makes a target fail is copied to
# tests/corpus/fuzz-<target>/, where the corpus test replays it from then on, and the script
# fails; commit the file together with the fix.
#   scripts/fuzz.sh [seconds per target, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! command -v clang++ >/dev/null; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends clang cmake make
fi

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DVANTOREL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --parallel "$(nproc)"

# target name -> seed folder
declare -A seeds=([configbuffer]=tests/corpus/eurocfg [registryfile]=tests/corpus/registry)
# the corpus test's folder for each target's findings
declare -A findings=([configbuffer]=tests/corpus/fuzz-configbuffer [registryfile]=tests/corpus/fuzz-registry)

failed=0
for target in configbuffer registryfile; do
    work=build-fuzz/work/$target
    mkdir -p "$work/corpus" "$work/crashes" "${findings[$target]}"
    rm -f "$work/crashes/"*
    echo "== fuzz_$target for ${seconds}s"
    if ! build-fuzz/fuzz/fuzz_$target "$work/corpus" "${seeds[$target]}" "${findings[$target]}" \
        -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$work/crashes/" -print_final_stats=1 2>"$work/log"; then
        failed=1
    fi
    tail -n 12 "$work/log"
    shopt -s nullglob
    for crash in "$work/crashes/"*; do
        mkdir -p "${findings[$target]}"
        cp "$crash" "${findings[$target]}/$(basename "$crash")"
        echo "finding kept as ${findings[$target]}/$(basename "$crash")"
        failed=1
    done
    shopt -u nullglob
done
exit "$failed"
