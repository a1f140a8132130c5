#!/usr/bin/env bash
# ./run.sh must build the game's own target and start it: the tests and benchmarks are left to
# ./test.sh, so a newcomer's first start does not wait for them. The script runs in a copy with
# stand-ins for the package installer and cmake, which record what they were asked.
set -euo pipefail
run_script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/game/tools" "$work/stand-ins"
cp "$run_script" "$work/game/run.sh"
printf '#!/bin/sh\nexit 0\n' >"$work/game/tools/install-deps.sh"
cat >"$work/stand-ins/cmake" <<'STANDIN'
#!/bin/sh
echo "$*" >>"$CMAKE_CALLS"
case "$1" in
--build)
  mkdir -p "$2/bin"
  printf '#!/bin/sh\necho "game started $*"\n' >"$2/bin/qubrin"
  chmod +x "$2/bin/qubrin"
  ;;
-S) mkdir -p build/release ;;
esac
STANDIN
chmod +x "$work/game/run.sh" "$work/game/tools/install-deps.sh" "$work/stand-ins/cmake"

export CMAKE_CALLS=$work/cmake-calls
output=$(PATH="$work/stand-ins:$PATH" "$work/game/run.sh" one two)

fail=0
build_call=$(grep -e '^--build' "$CMAKE_CALLS" || true)
if [[ "$build_call" != "--build build/release --target qubrin" ]]; then
  echo "run.sh must build only the game's target; it asked: ${build_call:-nothing}"
  fail=1
fi
if [[ "$output" != "game started one two" ]]; then
  echo "run.sh must start the built game with its arguments; it printed: $output"
  fail=1
fi
exit $fail
