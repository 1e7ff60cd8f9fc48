#!/usr/bin/env bash
# Builds the editor vantorel.exe and the season tool vantorel-places.exe for 64-bit Windows with
# mingw-w64 and packs them, with the template and a README, into
# build-windows/vantorel-<version>-windows-x64.zip.
#   scripts/build-windows.sh [build folder, default build-windows]
# Needs g++-mingw-w64-x86-64-posix, cmake, python3 and zip (scripts/setup.sh installs them).
set -euo pipefail

cd "$(dirname "$0")/.."
build=${1:-build-windows}
triple=x86_64-w64-mingw32

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"

editor=$build/src/win32/app/vantorel.exe
tool=$build/src/places/vantorel-places.exe
# Self-contained: nothing but the DLLs that every Windows has.
for exe in "$editor" "$tool"; do
    imports=$("$triple-objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
    for dll in $imports; do
        case "$dll" in
        kernel32.dll | msvcrt.dll | advapi32.dll | user32.dll | gdi32.dll | comctl32.dll | comdlg32.dll | \
            shell32.dll | oleacc.dll | uxtheme.dll | api-ms-win-*) ;;
        *)
            echo "$exe needs $dll, which Windows does not have" >&2
            exit 1
            ;;
        esac
    done
done

version=$(sed -n 's/^project(Vantorel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=vantorel-$version-windows-x64
stage=$build/package/$name
rm -rf "$build/package"
mkdir -p "$stage"
"$triple-strip" -o "$stage/vantorel.exe" "$editor"
"$triple-strip" -o "$stage/vantorel-places.exe" "$tool"
cp resources/templ.ate "$stage/"
# Notepad of older Windows wants CR LF.
sed 's/$/\r/' resources/windows/README.txt >"$stage/README.txt"
zip_file=$(realpath "$build")/$name.zip
rm -f "$zip_file"
(cd "$build/package" && zip -q -X -r "$zip_file" "$name")
echo "$zip_file: vantorel.exe $(stat -c %s "$stage/vantorel.exe") bytes," \
    "vantorel-places.exe $(stat -c %s "$stage/vantorel-places.exe") bytes"
