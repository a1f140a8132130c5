#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once as it is, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; between the two, the fuzzers (settings file, room protocol) run for a while.
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

echo "== installed tree and Debian package"
check_installed() {
  local prefix config
  prefix=$(mktemp -d) config=$(mktemp -d)
  cmake --install build/debug --prefix "$prefix" >/dev/null
  desktop-file-validate "$prefix"/share/applications/*.desktop
  appstreamcli validate --no-net --no-color "$prefix"/share/metainfo/*.metainfo.xml | grep -v '^$'
  local before
  before=$(cd "$prefix" && find . -exec stat -c '%n %s %Y' {} + | sort)
  # A first start with a fresh configuration folder: the table comes up, then quits by itself.
  XDG_CONFIG_HOME="$config" QUBRIN_BENCH_EXIT_ON_SHOW=1 timeout 60 "$prefix/games/qubrin" 2>/dev/null | grep -qx shown
  cmp "$config/qubrin/dice.ini" "$prefix/share/qubrin/dice.ini"
  [[ "$(cd "$prefix" && find . -exec stat -c '%n %s %Y' {} + | sort)" == "$before" ]] ||
    { echo "the program wrote into its installation"; exit 1; }
  "$prefix/games/qubrin" --version
  rm -rf "$prefix" "$config"
  echo "installed tree: validated, first start made its settings file, installation untouched"
  (cd build/debug && cpack -G DEB -B "$PWD/package" >/dev/null)
  dpkg-deb -f build/debug/package/qubrin_*.deb Depends | grep -q libqt6widgets6 ||
    { echo "the package's dependencies were not worked out"; exit 1; }
  # Debian's own checks of a package: any error or warning fails; the informational notes do not.
  lintian --fail-on error,warning build/debug/package/qubrin_*.deb 2>/dev/null ||
    { echo "lintian found errors or warnings in the package"; exit 1; }
  echo "package: $(basename build/debug/package/qubrin_*.deb), lintian: no error, no warning"
}
check_installed

echo "== fuzzers: the settings file, the room protocol"
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

