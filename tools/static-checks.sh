#!/usr/bin/env bash
# clang-tidy (the checks in .clang-tidy) and cppcheck over the project's own
# sources, using the compile commands of build/. Any finding fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MICR_BUILD_DIR:-$root/build}"
[ -f "$build/compile_commands.json" ] || "$root/tools/setup.sh"
cd "$root"
sources=$(git ls-files 'app/*.cpp' 'cli/*.cpp' 'standard/*.cpp' 'answers/*.cpp' 'store/*.cpp' 'wording/*.cpp' 'pages/*.cpp' 'session/*.cpp' 'chequefile/*.cpp' 'scan/*.cpp' 'scanclient/*.cpp' 'forms/*.cpp' 'i18n/*.cpp' 'platform/*.cpp' 'tools/*.cpp' 'bench/*.cpp')

echo "static-checks: clang-tidy"
printf '%s\n' $sources | xargs -P "$(nproc)" -n 1 clang-tidy -p "$build" --quiet 2> >(grep -v -E '^[0-9]+ warnings? generated|^Suppressed|^Use -header-filter|^$' >&2)

echo "static-checks: cppcheck"
# Qt's moc and uic output is not ours; Qt's macros are known through --library=qt.
cppcheck --quiet --error-exitcode=1 --inline-suppr --library=qt --std=c++17 --language=c++ \
    --enable=warning,performance,portability \
    --suppress=missingIncludeSystem --suppress=unknownMacro \
    -I . -I "$build/forms/forms_autogen/include" $sources
echo "static-checks: clean"
