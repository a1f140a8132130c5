#!/usr/bin/env bash
# Installs what is missing, builds the game in release mode and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -- -j"$(nproc)" | grep -v '^\[' || true
exec build/release/bin/qubrin "$@"
