#!/usr/bin/env bash
# Installs the missing Debian packages, then configures and builds into build/.
#   tools/setup.sh run    what building and running the program needs
#   tools/setup.sh test   that and what the tests need (the default)
# Shared by ./run and ./test; quick when everything is already in place.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MICR_BUILD_DIR:-$root/build}"
mode="${1:-test}"

lists=("$root/tools/debian-packages.txt")
[ "$mode" = run ] || lists+=("$root/tools/debian-test-packages.txt")
mapfile -t wanted < <(cat "${lists[@]}" | grep -v -E '^\s*(#|$)')
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

# Tests are built for ./test; ./run leaves a build that has them as it is
# and makes a new one without them.
testing=ON
if [ "$mode" = run ]; then
    testing=OFF
    grep -q '^BUILD_TESTING:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null && testing=ON
fi
configuration=(-G Ninja -DCMAKE_BUILD_TYPE="${MICR_BUILD_TYPE:-RelWithDebInfo}" -DCMAKE_INSTALL_PREFIX=/usr
               -DBUILD_TESTING="$testing" ${MICR_CMAKE_OPTIONS:-})
# Configured again whenever the build type or options differ from last time.
stamp="$build/.micr-configuration"
if [ ! -f "$build/build.ninja" ] || [ "$(cat "$stamp" 2>/dev/null)" != "${configuration[*]}" ]; then
    cmake -S "$root" -B "$build" "${configuration[@]}" >/dev/null
    printf '%s' "${configuration[*]}" > "$stamp"
fi
cmake --build "$build"
