#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless.
#   ./test.sh             normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--sanitize" ]; then
    tools/setup.sh build-sanitize -DTORNAVEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    dir=build-sanitize
    export ASAN_OPTIONS=detect_leaks=0
    export UBSAN_OPTIONS=print_stacktrace=1
else
    tools/setup.sh build
    dir=build
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
