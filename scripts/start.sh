#!/usr/bin/env bash
# Set up, build and start the workbench. Builds with the preset "start" in build-start/, apart
# from the test command's folders; the preset names every option, so neither command inherits the
# other's cached settings.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Lets ccache also keep the compiles that use a precompiled header.
  export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros}"
fi
cmake --preset start "${launcher[@]}"
cmake --build --preset start -j "$(nproc)"
exec ./build-start/quadrix "$@"
