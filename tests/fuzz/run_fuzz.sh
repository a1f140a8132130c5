#!/bin/sh
# Builds the fuzz targets with clang in the given build folder and runs each for a while: the
# settings-file fuzzer, then the room-protocol fuzzer.
# Usage: tests/fuzz/run_fuzz.sh [build-folder] [seconds]
set -eu
build=${1:-build-fuzz}
seconds=${2:-20}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
fuzz_dir="$source_dir/tests/fuzz"

cmake -S "$source_dir" -B "$build" -G Ninja -DQUBRIN_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++
cmake --build "$build" --target profile_fuzzer message_fuzzer

# New inputs go to the first folder, inside the build folder; the seeds in the tree stay untouched.
mkdir -p "$build/fuzz-corpus"
"$build/bin/profile_fuzzer" -max_total_time="$seconds" -max_len=65536 -dict="$fuzz_dir/profile.dict" \
  "$build/fuzz-corpus" "$fuzz_dir/corpus"
mkdir -p "$build/message-corpus"
"$build/bin/message_fuzzer" -max_total_time="$seconds" -max_len=16384 -dict="$fuzz_dir/message.dict" \
  "$build/message-corpus" "$fuzz_dir/message-corpus"
