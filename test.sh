#!/usr/bin/env bash
# Builds everything and runs every test.
#   ./test.sh             normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

dir=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-asan
    # The benchmarks are built (and run by hand) in the normal build only.
    options+=(-DVIREO_SANITIZE=ON -DVIREO_BENCH=OFF)
fi

cmake -S . -B "$dir" -G Ninja "${options[@]}"
cmake --build "$dir" -j "$(nproc)"
cd "$dir"
ctest --output-on-failure -j "$(nproc)"
