#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs the whole test suite there: any report fails it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export MICR_BUILD_DIR="${MICR_SANITIZE_BUILD_DIR:-$root/build-sanitize}"
export MICR_BUILD_TYPE=Debug
export MICR_CMAKE_OPTIONS="-DMICR_SANITIZE=ON"
"$root/tools/setup.sh"
# Libraries stay loaded to the end, so that the leak checker can name each
# one (tests/sanitizers/keep_libraries.c); it comes before ASan's runtime.
export LD_PRELOAD="$MICR_BUILD_DIR/tests/libkeep_libraries.so${LD_PRELOAD:+:$LD_PRELOAD}"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:exitcode=23:detect_stack_use_after_return=1:verify_asan_link_order=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:exitcode=24"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
cd "$MICR_BUILD_DIR"
exec ctest --output-on-failure "$@"
