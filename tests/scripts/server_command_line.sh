#!/usr/bin/env bash
# qubrin-server answers --version, refuses bad arguments with status 2, listens on the loopback
# address by default and ends cleanly on SIGTERM.
set -uo pipefail
server=$1
fail=0
"$server" --version | grep -q '^qubrin-server ' || { echo "--version"; fail=1; }
for bad in "--port 70000" "--port x" "--listen nowhere" "--max-rooms 0" "--max-connections 0" "--max-connections many" \
    "--max-per-address 0" "--wrong-codes-per-minute x" "--idle-minutes 0" "--idle-minutes 99999999" "--empty-room-seconds x" \
    "--tag O" "--tag AC" "--tls-cert /nonexistent" "--tls-cert /nonexistent --tls-key /nonexistent"; do
  # shellcheck disable=SC2086
  "$server" $bad 2>/dev/null
  [ $? -eq 2 ] || { echo "$bad was not refused"; fail=1; }
done
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$server" --port 0 --max-connections 8 >"$out" &
pid=$!
for _ in $(seq 50); do grep -q listening "$out" && break; sleep 0.1; done
grep -Eq '^qubrin-server .* listening on ws://127\.0\.0\.1:[0-9]+$' "$out" || { echo "no listening line: $(cat "$out")"; fail=1; }
kill -TERM "$pid"
wait "$pid"
status=$?
[ $status -eq 0 ] || { echo "SIGTERM ended it with $status"; fail=1; }

# With a certificate made here (no key is kept in the sources) it serves wss://.
folder=$(mktemp -d)
trap 'rm -f "$out"; rm -rf "$folder"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null' EXIT
if openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 -subj /CN=test \
    -keyout "$folder/key.pem" -out "$folder/cert.pem" 2>/dev/null; then
  "$server" --port 0 --tls-cert "$folder/cert.pem" --tls-key "$folder/key.pem" --tag q >"$out" &
  pid=$!
  for _ in $(seq 50); do grep -q listening "$out" && break; sleep 0.1; done
  grep -Eq '^qubrin-server .* listening on wss://127\.0\.0\.1:[0-9]+$' "$out" || { echo "no wss line: $(cat "$out")"; fail=1; }
  kill -TERM "$pid"
  wait "$pid" || { echo "SIGTERM ended the TLS server with $?"; fail=1; }
  pid=
  "$server" --tls-cert "$folder/key.pem" --tls-key "$folder/key.pem" 2>/dev/null
  [ $? -eq 2 ] || { echo "a key file as the certificate was not refused"; fail=1; }
fi
exit $fail
