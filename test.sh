#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# Then builds the content library under AddressSanitizer and UBSan and runs its
# tests, and gives each fuzz target a short run (FUZZ_SECONDS, default 20).
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
(cd build && ctest --output-on-failure -j "$jobs") | tee -a "$log"

# The content library reads every file a user can hand us: run its tests
# under the sanitizers too.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSPOKEN_SANITIZE=ON \
    -DSPOKEN_CONTENT_ONLY=ON >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest --output-on-failure -j "$jobs") | tee -a "$log"

if [ "${FUZZ_SECONDS:-20}" != 0 ] && [ -d fuzz ]; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DSPOKEN_FUZZ=ON -DSPOKEN_CONTENT_ONLY=ON >/dev/null
    cmake --build build-fuzz -j "$jobs"
    bash fuzz/run_all.sh build-fuzz "${FUZZ_SECONDS:-20}"
fi

# One closing line over every ctest run above.
awk '/tests passed, [0-9]+ tests failed out of/ { total += $NF; failed += $4 }
     END { printf "%d passed, %d failed\n", total - failed, failed }' "$log"
