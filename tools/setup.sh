#!/usr/bin/env bash
# Installs the missing Debian packages, then configures and builds into build/.
# Shared by ./run and ./test; quick when everything is already in place.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MICR_BUILD_DIR:-$root/build}"

mapfile -t wanted < <(grep -v -E '^\s*(#|$)' "$root/tools/debian-packages.txt")
missing=()
for pkg in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done

if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${MICR_BUILD_TYPE:-RelWithDebInfo}" \
        -DCMAKE_INSTALL_PREFIX=/usr ${MICR_CMAKE_OPTIONS:-} >/dev/null
fi
cmake --build "$build"
