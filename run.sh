#!/usr/bin/env bash
# Installs what is missing, builds the game in release mode and starts it. Only the game and its data
# files are built here; the tests and benchmarks are ./test.sh's.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
if ! cmake --build build/release --target qubrin >build/release/build.log 2>&1; then
  cat build/release/build.log
  exit 1
fi
exec build/release/bin/qubrin "$@"
