#!/usr/bin/env bash
# Plays a run of throw sounds through the game's own sound call into a private PulseAudio server
# whose only sink writes what it plays, in real time, into a pipe; counts the sounds heard in it.
# Usage: tools/check-throw-sounds.sh [build dir, default build/debug] [speed level, default 7] [throws, default 12]
# Needs Debian's pulseaudio and pulseaudio-utils; exits 0 when every sound was heard.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/debug}
level=${2:-7}
throws=${3:-12}
for tool in pulseaudio pactl python3; do
  if ! command -v "$tool" >/dev/null; then
    echo "check-throw-sounds: $tool is missing (Debian: pulseaudio pulseaudio-utils python3)" >&2
    exit 2
  fi
done
if [[ ! -x "$build/bin/throw_sounds" ]]; then
  echo "check-throw-sounds: build $build/bin/throw_sounds first" >&2
  exit 2
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A server of our own: its socket, state and cookie stay in $work, whoever runs the script. The
# sink keeps the system clock's time, so silence between the sounds is recorded as it passes.
HOME=$work PULSE_RUNTIME_PATH=$work pulseaudio --daemonize=no --use-pid-file=no --exit-idle-time=-1 \
  --disallow-exit -n --log-target=file:"$work/server.log" \
  --load="module-native-protocol-unix socket=$work/native auth-anonymous=1" \
  --load="module-pipe-sink sink_name=heard file=$work/heard.fifo format=s16le rate=44100 channels=1 use_system_clock_for_timing=yes" &
pids+=($!)
export PULSE_SERVER=unix:$work/native
for _ in $(seq 50); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
pactl info >/dev/null

cat "$work/heard.fifo" >"$work/heard.raw" &
pids+=($!)
"$build/bin/throw_sounds" "$level" "$throws" | tee "$work/played.txt"
sleep 1.5
kill "${pids[1]}"

python3 tools/count_sounds.py "$work/heard.raw" "$work/played.txt"
