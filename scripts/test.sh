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
  # Every finding stops the program with an error, during the build (the
  # demo course is compiled by a sanitized vintara-author) and in the tests.
  export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
elif [ $# -gt 0 ]; then
  echo "usage: scripts/test.sh [--sanitize]" >&2
  exit 2
fi

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}" >/dev/null
cmake --build "$dir"
cd "$dir"
ctest --output-on-failure -j2
