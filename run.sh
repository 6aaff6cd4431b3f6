#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program's main job.
# Today the libraries and the test suite are what exist: this builds them and
# lists what was built.  The editor and the batch front end join as they land.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build -j "$(nproc)"

echo
echo "Built:"
find build -maxdepth 3 \( -name 'libkeldra.so*' -o -name 'keldra_tests' -o -name 'vireo-cli' -o -name 'vireo' \) -type f \
    | sort | sed 's/^/  /'
