#!/usr/bin/env bash
# Writes pictures to look at by eye (coordinate-system variants, main and help window) into
# build-bilder/bilder/ or the folder given as the first argument. Builds with the preset
# "pictures" in build-bilder/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
ordner="$(realpath -m "${1:-build-bilder/bilder}")"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Lets ccache also keep the compiles that use a precompiled header.
  export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros}"
fi
cmake --preset pictures "${launcher[@]}"
cmake --build --preset pictures -j "$(nproc)"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" ./build-bilder/tests/quadrix_bilder "$ordner"
