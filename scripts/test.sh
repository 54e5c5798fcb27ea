#!/usr/bin/env bash
# Sets up, builds and runs every test. With --sanitize the same suite runs
# under AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

dir=build
extra=()
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  extra=(-DVINTARA_SANITIZE=ON)
  export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
fi

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}" >/dev/null
cmake --build "$dir"
cd "$dir"
ctest --output-on-failure -j2
