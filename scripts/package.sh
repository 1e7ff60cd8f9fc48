#!/usr/bin/env bash
# Builds the Debian package of Vantorel (build-package/vantorel_<version>_<arch>.deb), for
# /usr, stripped, with its library dependencies worked out by dpkg-shlibdeps, and checks it
# with lintian when that is installed. Installs the Debian packages it needs when missing,
# with sudo when not root.
#   scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ make cmake pkg-config qt6-base-dev libfontconfig-dev libcli11-dev nlohmann-json3-dev dpkg-dev file)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -ne 0 ]; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVANTOREL_BENCHMARKS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-package --parallel "$(nproc)"
(cd build-package && cpack -G DEB >/dev/null)
deb=$(ls -t build-package/vantorel_*.deb | head -n 1)
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
dpkg-deb --contents "$deb" | awk '{ print $6 }'
echo "$deb"
# Debian's own package checker, where it is installed: no error and no warning may remain.
if command -v lintian >/dev/null; then
    if lintian --fail-on error,warning "$deb"; then echo "lintian: no errors, no warnings"; else exit 1; fi
fi
