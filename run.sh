#!/usr/bin/env bash
# Installs what is missing, builds the programs and the demo course into
# build/app/, and starts the study window.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPOKEN_WERROR=OFF >/dev/null
cmake --build build
if [ -x build/app/spoken ]; then
    exec build/app/spoken
else
    echo "Built into build/app/."
fi
