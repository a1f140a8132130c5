#!/usr/bin/env bash
# The phone page is our own three files and loads nothing from anywhere else: no address of another
# origin, no module or package, no script or style but its own files, nothing inline that the page's
# Content-Security-Policy would have to allow, and no way to put a received name in as markup.
set -uo pipefail
folder=$1
failures=0
refuse() {
  echo "FAIL: $1"
  failures=$((failures + 1))
}

files=$(cd "$folder" && ls | sort | tr '\n' ' ')
[[ "$files" == "index.html qubrin.css qubrin.js " ]] || refuse "the page's files are: $files"

# pattern | what it would be
checks=(
  'https?:|an address of another origin'
  '(["'"'"'(=[:space:]]|^)//[A-Za-z0-9]|a protocol-relative address'
  '\bimport\b|an import'
  '\brequire\(|a module'
  'importScripts|a worker script'
  '@import|an imported style'
  'url\(|a picture or font from an address'
  '\bfetch\(|XMLHttpRequest|EventSource|sendBeacon|a request of its own'
  '\beval\(|new Function|setTimeout\(['"'"'"]|code made from text'
  'innerHTML|outerHTML|insertAdjacentHTML|document\.write|text put in as markup'
  '\bon[a-z]+=|an inline handler'
  '\sstyle=|an inline style'
)
for check in "${checks[@]}"; do
  pattern=${check%|*}
  what=${check##*|}
  if found=$(grep -nE "$pattern" "$folder"/* 2>/dev/null); then
    refuse "$what: $found"
  fi
done

# Every script and style the page names is one of its files; no script is written inline.
for reference in $(grep -oE '(src|href)="[^"]*"' "$folder/index.html" | sed -E 's/^[a-z]+="(.*)"$/\1/'); do
  [[ "$reference" == /qubrin.js || "$reference" == /qubrin.css ]] || refuse "index.html names $reference"
done
[[ $(grep -c '<script' "$folder/index.html") -eq 1 && $(grep -c '<script src="/qubrin.js"' "$folder/index.html") -eq 1 ]] ||
  refuse "index.html has a script other than /qubrin.js"
# Its one connection is the room's WebSocket on the host the page came from.
[[ $(grep -c 'new WebSocket(' "$folder/qubrin.js") -eq 1 && $(grep -c "new WebSocket(location.protocol.replace('http', 'ws') + '//' + location.host" "$folder/qubrin.js") -eq 1 ]] ||
  refuse "the script opens another connection"
# Small enough to read at one sitting.
lines=$(wc -l < "$folder/qubrin.js")
((lines <= 450)) || refuse "qubrin.js has grown to $lines lines"

((failures == 0)) && echo "the page is self-contained ($lines lines of script)"
exit $((failures > 0))
