#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once as it is, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; between the two, the settings-file fuzzer runs for a while.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh --test
export QT_QPA_PLATFORM=offscreen

build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  if ! cmake --build "$dir" >"$dir/build.log" 2>&1; then
    cat "$dir/build.log"
    exit 1
  fi
}

echo "== tests"
build build/debug -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir build/debug --output-on-failure

echo "== settings-file fuzzer"
mkdir -p build
if ! tests/fuzz/run_fuzz.sh build/fuzz >build/fuzz.log 2>&1; then
  tail -n 60 build/fuzz.log
  exit 1
fi
grep -E '^Done [0-9]+ runs' build/fuzz.log || true

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DQUBRIN_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize --output-on-failure

