#!/usr/bin/env bash
# Makes the Wine prefix WINEPREFIX ready for the Windows programs' tests and benchmarks, with
# the fonts the windows name: Arial, Arial Black and Times New Roman as the Linux editor gets
# them (tests/win32/app/font-replacements.reg), and "MS Sans Serif", Tahoma and Marlett from
# fonts-wine, which this Wine does not find where the package puts them: they are copied into
# the prefix's font folder.
#   scripts/wine-prefix.sh [wine loader, default wine64 on the PATH or in /usr/lib/wine]
set -euo pipefail
cd "$(dirname "$0")/.."

wine=${1:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
: "${WINEPREFIX:?names the prefix to make}"
"$wine" wineboot --init
"$wine" regedit /S tests/win32/app/font-replacements.reg
fonts=/usr/share/wine/fonts
if [ -d "$fonts" ]; then
    for f in sserife.fon tahoma.ttf tahomabd.ttf marlett.ttf; do
        if [ -f "$fonts/$f" ]; then cp "$fonts/$f" "$WINEPREFIX/drive_c/windows/Fonts/"; fi
    done
fi
