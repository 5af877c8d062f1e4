#!/usr/bin/env bash
# Set up, build and start the workbench. Builds in build-start/, apart from the test command's
# folders, and names every option, so neither command inherits the other's cached settings.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-start -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQDX_TESTS=OFF \
  -DQDX_BENCH=OFF -DQDX_GUI=ON -DQDX_SANITIZE=OFF -DQDX_FUZZ=OFF -DQDX_WERROR=OFF
cmake --build build-start --target quadrix -j "$(nproc)"
exec ./build-start/quadrix
