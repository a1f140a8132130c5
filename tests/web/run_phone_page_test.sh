#!/usr/bin/env bash
# The phone page's browser test in a network namespace of its own, where only its loopback exists:
# neither the browser nor the table window can reach anything else.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if unshare -rn true 2>/dev/null; then
  exec unshare -rn sh -c 'ip link set lo up && exec /usr/bin/python3 "$@"' sh "$here/phone_page_test.py" "$@"
fi
echo "no network namespace here: the browser keeps to 127.0.0.1 by its own flags"
exec /usr/bin/python3 "$here/phone_page_test.py" "$@"
