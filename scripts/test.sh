#!/usr/bin/env bash
# Set up, build and run the whole test suite: formatting check, normal build, sanitizer build, a
# bounded fuzz run. Ends with the count of the CTest entries (one per GoogleTest suite) that
# actually ran, "suites: N passed, M failed"; the exit status is non-zero if a build, a test, the
# formatting or the fuzz run failed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs="$(nproc)"
bestanden=0
gescheitert=0
einzeln_ok=0
einzeln_aus=0
einzeln_fehl=0
maengel=()

zeiten=()
stufe_name=""
stufe_start=$SECONDS
# Closes the running stage's clock and opens the next one.
stufe() {
  [ -z "$stufe_name" ] || zeiten+=("$((SECONDS - stufe_start)) s  $stufe_name")
  stufe_name="$1"
  stufe_start=$SECONDS
  [ -z "$1" ] || echo "== $1 =="
}
# The closing lines, also when a build stops the command half-way.
abschluss() {
  local status=$?
  local laufend="$stufe_name"
  stufe ""
  echo "== Result =="
  printf 'stage time: %s\n' "${zeiten[@]}"
  echo "single tests (GoogleTest): ${einzeln_ok} passed, ${einzeln_aus} skipped, ${einzeln_fehl} failed"
  if [ "$status" -ne 0 ] && [ ${#maengel[@]} -eq 0 ]; then
    maengel+=("${laufend} (stopped here)")
  fi
  if [ ${#maengel[@]} -gt 0 ]; then
    echo "failed: $(IFS=';'; echo "${maengel[*]}")"
  else
    echo "formatting, both test runs and the fuzz run passed"
  fi
  echo "suites: ${bestanden} passed, ${gescheitert} failed"
  [ ${#maengel[@]} -eq 0 ] || exit 1
}
trap abschluss EXIT

# Every configure names every option, so nothing cached by an earlier or another command (such
# as start.sh, which builds in build-start/) changes what is built here.
launcher=""
command -v ccache >/dev/null && launcher=ccache
optionen=(-G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" -DQDX_WERROR=ON -DQDX_TESTS=ON
          -DQDX_GUI=ON -DQDX_FUZZ=OFF -DQDX_TEST_EINZELN=OFF)

# Runs CTest in one build folder and adds its own summary line to the counts.
ctest_lauf() {
  local ordner="$1" protokoll="$1/ctest-ausgabe.txt" status=0
  ctest --test-dir "$ordner" --output-on-failure --no-tests=error -j "$jobs" 2>&1 |
    tee "$protokoll" || status=$?
  local zeile
  zeile="$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$protokoll" | tail -1)"
  if [[ "$zeile" =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
    gescheitert=$((gescheitert + BASH_REMATCH[1]))
    bestanden=$((bestanden + BASH_REMATCH[2] - BASH_REMATCH[1]))
  else
    status=1
  fi
  # GoogleTest's own lines in CTest's log: the single tests inside the suites.
  local log="$ordner/Testing/Temporary/LastTest.log"
  if [ -f "$log" ]; then
    einzeln_ok=$((einzeln_ok + $(grep -cE '^\[ +OK \] ' "$log" || true)))
    einzeln_aus=$((einzeln_aus + $(grep -cE '^\[ +SKIPPED \] .*\([0-9]+ ms\)$' "$log" || true)))
    einzeln_fehl=$((einzeln_fehl + $(grep -cE '^\[ +FAILED +\] .*\([0-9]+ ms\)$' "$log" || true)))
    echo "slowest single tests in $ordner:"
    grep -ohE '^\[ +OK \] [^ ]+ \([0-9]+ ms\)' "$log" |
      sed -E 's/^\[ +OK \] ([^ ]+) \(([0-9]+) ms\)/\2 ms  \1/' | sort -rn | head -5 || true
  fi
  [ "$status" -eq 0 ] || maengel+=("tests in $ordner")
}

stufe "Formatting (.clang-format)"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t dateien < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
else
  mapfile -t dateien < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
abweichend=0
for datei in "${dateien[@]}"; do
  [ -f "$datei" ] || continue
  if ! clang-format --dry-run -Werror "$datei" >/dev/null 2>&1; then
    echo "not formatted: $datei (clang-format -i $datei)"
    abweichend=$((abweichend + 1))
  fi
done
echo "${#dateien[@]} files checked, ${abweichend} not formatted"
[ "$abweichend" -eq 0 ] || maengel+=("formatting of ${abweichend} files")

# The test that number text ignores a German locale needs one; without root it is made here.
if ! locale -a 2>/dev/null | grep -qiE '^de_DE\.utf-?8$'; then
  mkdir -p build/locale
  [ -d build/locale/de_DE.UTF-8 ] || localedef -i de_DE -f UTF-8 build/locale/de_DE.UTF-8 || true
  export LOCPATH="$PWD/build/locale"
fi

stufe "Build and test (RelWithDebInfo, build/)"
cmake -S . -B build "${optionen[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQDX_BENCH=ON \
  -DQDX_SANITIZE=OFF
cmake --build build -j "$jobs"
ctest_lauf build

# The real program read and driven through the accessibility bus, as a screen reader does.
stufe "Accessibility (AT-SPI client on the real window)"
bash scripts/barrierefreiheit.sh build/quadrix || maengel+=("accessibility script")

stufe "Build and test (AddressSanitizer + UndefinedBehaviorSanitizer, build-asan/)"
cmake -S . -B build-asan "${optionen[@]}" -DCMAKE_BUILD_TYPE=Debug -DQDX_BENCH=OFF \
  -DQDX_SANITIZE=ON
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest_lauf build-asan
unset ASAN_OPTIONS UBSAN_OPTIONS

if [ -f fuzz/fuzz_engine.cpp ]; then
  stufe "Fuzzing the engine (clang, ${QDX_FUZZ_SECONDS:-60} s, build-fuzz/)"
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQDX_FUZZ=ON \
    -DQDX_WERROR=ON -DQDX_SANITIZE=OFF
  cmake --build build-fuzz -j "$jobs"
  mkdir -p build-fuzz/corpus
  cp -n fuzz/corpus/* build-fuzz/corpus/ 2>/dev/null || true
  ./build-fuzz/fuzz/fuzz_engine -max_total_time="${QDX_FUZZ_SECONDS:-60}" -timeout=5 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build-fuzz/ build-fuzz/corpus ||
    maengel+=("fuzzing")
  # The worksheet reader: every file a user may open.
  mkdir -p build-fuzz/corpus_arbeitsblatt
  cp -n fuzz/corpus_arbeitsblatt/* build-fuzz/corpus_arbeitsblatt/ 2>/dev/null || true
  ./build-fuzz/fuzz/fuzz_arbeitsblatt -max_total_time="${QDX_FUZZ_BLATT_SECONDS:-20}" -timeout=5 \
    -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 -artifact_prefix=build-fuzz/blatt- \
    build-fuzz/corpus_arbeitsblatt || maengel+=("fuzzing (Arbeitsblatt)")
fi

# ---- installation and Debian package (scripts/paket_pruefen.sh) --------------------------------
stufe "Install files and Debian package (build/)"
bash scripts/paket_pruefen.sh build || maengel+=("install files and Debian package")
