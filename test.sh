#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once as it is, once under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the settings-file fuzzer for a while.
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

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DQUBRIN_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize --output-on-failure

if [[ -x tests/fuzz/run_fuzz.sh ]]; then
  echo "== settings-file fuzzer"
  tests/fuzz/run_fuzz.sh build/fuzz
fi
