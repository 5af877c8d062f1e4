#!/usr/bin/env bash
# Writes pictures to look at by eye (coordinate-system variants, main and help window) into
# build-bilder/bilder/ or the folder given as the first argument.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
ordner="$(realpath -m "${1:-build-bilder/bilder}")"
cmake -S . -B build-bilder -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQDX_TESTS=ON \
  -DQDX_BENCH=OFF -DQDX_GUI=ON -DQDX_SANITIZE=OFF -DQDX_FUZZ=OFF -DQDX_WERROR=OFF
cmake --build build-bilder --target quadrix_bilder -j "$(nproc)"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" ./build-bilder/tests/quadrix_bilder "$ordner"
