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

# The option sets are the presets of CMakePresets.json: each names every option and has its own
# folder, so nothing cached by an earlier or another command (such as start.sh, which builds in
# build-start/) changes what is built here. The compiler cache is only added when present.
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Lets ccache also keep the compiles that use a precompiled header.
  export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros}"
fi

# Runs CTest with a test preset in its build folder (further arguments go to CTest) and adds its
# own summary line to the counts.
ctest_lauf() {
  local preset="$1" ordner="$2" protokoll="$2/ctest-ausgabe.txt" status=0
  shift 2
  ctest --preset "$preset" -j "$jobs" "$@" 2>&1 | tee "$protokoll" || status=$?
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
  [ "$status" -eq 0 ] || maengel+=("tests in $ordner${*:+ ($*)}")
}

stufe "Formatting (.clang-format)"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t dateien < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
else
  mapfile -t dateien < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
# One clang-format process per core, each over its share of the files. It names each file that is
# off ("FILE:LINE:COL: error: code should be clang-formatted"); a failure that names no file
# (clang-format missing or broken) counts as one.
vorhanden=()
for datei in "${dateien[@]}"; do
  if [ -f "$datei" ]; then vorhanden+=("$datei"); fi
done
format_status=0
format_ausgabe="$(printf '%s\0' "${vorhanden[@]}" |
  xargs -0 -r -P "$jobs" -n $(((${#vorhanden[@]} + jobs - 1) / jobs + 1)) \
    clang-format --dry-run -Werror 2>&1)" || format_status=$?
mapfile -t abweichende < <(printf '%s\n' "$format_ausgabe" |
  sed -nE 's/^(.+):[0-9]+:[0-9]+: error: code should be clang-formatted.*/\1/p' | sort -u)
for datei in "${abweichende[@]}"; do
  echo "not formatted: $datei (clang-format -i $datei)"
done
abweichend=${#abweichende[@]}
if [ "$format_status" -ne 0 ] && [ "$abweichend" -eq 0 ]; then
  printf '%s\n' "$format_ausgabe" | tail -5
  abweichend=1
fi
echo "${#dateien[@]} files checked, ${abweichend} not formatted"
[ "$abweichend" -eq 0 ] || maengel+=("formatting of ${abweichend} files")

# The test that number text ignores a German locale needs one; without root it is made here.
if ! locale -a 2>/dev/null | grep -qiE '^de_DE\.utf-?8$'; then
  mkdir -p build/locale
  [ -d build/locale/de_DE.UTF-8 ] || localedef -i de_DE -f UTF-8 build/locale/de_DE.UTF-8 || true
  export LOCPATH="$PWD/build/locale"
fi

stufe "Build and test (preset test: -O1, no debug information, build/)"
cmake --preset test "${launcher[@]}"
cmake --build --preset test -j "$jobs"
ctest_lauf test build
# The window and workbench suites once more under a German locale: what they read and write must
# not change with it.
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 ctest_lauf test build -R '^(gui_tests|workbench_tests)\.'

# The real program read and driven through the accessibility bus, as a screen reader does.
stufe "Accessibility (AT-SPI client on the real window)"
bash scripts/barrierefreiheit.sh build/quadrix || maengel+=("accessibility script")

stufe "Build and test (preset sanitizer: AddressSanitizer + UndefinedBehaviorSanitizer, build-asan/)"
cmake --preset sanitizer "${launcher[@]}"
cmake --build --preset sanitizer -j "$jobs"
ctest_lauf sanitizer build-asan

if [ -f fuzz/fuzz_engine.cpp ]; then
  stufe "Fuzzing the engine and the worksheet reader (preset fuzz: clang, build-fuzz/)"
  cmake --preset fuzz "${launcher[@]}"
  cmake --build --preset fuzz -j "$jobs"
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
