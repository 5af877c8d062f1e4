#!/usr/bin/env bash
# Set up, build and run the whole test suite: normal build, sanitizer build, a bounded fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs="$(nproc)"

echo "== Build and test (RelWithDebInfo) =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure

echo "== Build and test (AddressSanitizer + UndefinedBehaviorSanitizer) =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQDX_SANITIZE=ON -DQDX_BENCH=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure

if [ -f fuzz/fuzz_engine.cpp ]; then
  echo "== Fuzzing the engine (bounded) =="
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQDX_FUZZ=ON
  cmake --build build-fuzz -j "$jobs"
  mkdir -p build-fuzz/corpus
  cp -n fuzz/corpus/* build-fuzz/corpus/ 2>/dev/null || true
  ./build-fuzz/fuzz/fuzz_engine -max_total_time="${QDX_FUZZ_SECONDS:-60}" -timeout=5 \
    -rss_limit_mb=2048 -print_final_stats=1 build-fuzz/corpus
fi
# Reaching this line means every suite in both builds and the fuzz run passed.
anzahl=$(( $(ctest --test-dir build -N | grep -c 'Test *#') + $(ctest --test-dir build-asan -N | grep -c 'Test *#') ))
echo "== All tests passed =="
echo "suites: ${anzahl} passed, 0 failed"
