#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless.
#   ./test.sh             normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build with clang in build-sanitize/
# The tests run as many at a time as there are processors; CTEST_PARALLEL_LEVEL=N runs N
# at a time (and CMAKE_BUILD_PARALLEL_LEVEL=N builds with N jobs).
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--sanitize" ]; then
    # Built by clang, as the normal build is by GCC: the project stays buildable by both.
    tools/setup.sh build-sanitize -DTORNAVEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++
    dir=build-sanitize
    export ASAN_OPTIONS=detect_leaks=0
    export UBSAN_OPTIONS=print_stacktrace=1
else
    tools/setup.sh build
    dir=build
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j"${CTEST_PARALLEL_LEVEL:-$(nproc)}"
