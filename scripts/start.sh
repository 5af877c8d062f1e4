#!/usr/bin/env bash
# Set up, build and start the workbench.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQDX_TESTS=OFF -DQDX_BENCH=OFF
cmake --build build --target quadrix -j "$(nproc)"
exec ./build/quadrix
