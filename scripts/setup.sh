#!/usr/bin/env bash
# Sets up a Debian 12 machine for Vantorel, builds it, then runs the editor or the tests.
#   scripts/setup.sh run    build the editor alone and start it
#   scripts/setup.sh test   build and run the whole test suite, then build it again with
#                           AddressSanitizer and UndefinedBehaviorSanitizer (build-asan) and run
#                           it there too; any sanitizer report fails the run. The suite also runs
#                           the Windows build of vantorel-places (build-windows) under Wine.
set -euo pipefail

cd "$(dirname "$0")/.."

PACKAGES=(g++ make cmake pkg-config qt6-base-dev libfontconfig-dev libcli11-dev nlohmann-json3-dev fonts-liberation
    fonts-dejavu-core xvfb xauth desktop-file-utils appstream man-db libxcb-damage0-dev dbus-daemon qt6-wayland mold)
# For the tests: the Windows build, its zip, Wine to run it with the fonts the windows name; the MIME
# database tool; a headless Wayland compositor to start the editor under.
TEST_PACKAGES=(g++-mingw-w64-x86-64-posix python3 wine64 fonts-wine zip shared-mime-info weston)

install_missing_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build [--target T] [cmake options]: everything, or only T and what it links.
build() {
    local target=()
    if [ "${1:-}" = --target ]; then
        target=(--target "$2")
        shift 2
    fi
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build build --parallel "$(nproc)" "${target[@]}"
}

run_tests() {
    (cd "$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)")
}

# The sanitizer options for the tests are set by CTest (cmake/VantorelTest.cmake).
build_sanitized() {
    # Line tables are enough for the sanitizers' stack traces; benchmarks are not run here.
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DVANTOREL_SANITIZE=ON \
        -DVANTOREL_BENCHMARKS=OFF >/dev/null
    cmake --build build-asan --parallel "$(nproc)"
}

mode=${1:-run}
[ "$mode" = test ] && PACKAGES+=("${TEST_PACKAGES[@]}")
install_missing_packages
case "$mode" in
run)
    build --target vantorel
    exec build/src/qt/app/vantorel
    ;;
test)
    # Each step's time, so that a slow run shows where it went.
    step() {
        local start=$SECONDS
        "$@"
        echo "setup.sh: $* took $((SECONDS - start)) s"
    }
    step bash scripts/build-windows.sh build-windows
    step build -DVANTOREL_WINDOWS_BUILD="$PWD/build-windows"
    step run_tests build
    step build_sanitized
    step run_tests build-asan
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
