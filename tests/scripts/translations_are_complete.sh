#!/bin/bash
# Every text the code gives to tr() has its finished English translation in i18n/qubrin_en.ts:
# lupdate over the sources adds nothing to a copy of the catalogue, and lrelease finds nothing unfinished.
set -euo pipefail
source_dir=$1
tools=/usr/lib/qt6/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir/i18n/qubrin_en.ts" "$work/qubrin_en.ts"
(cd "$source_dir" && "$tools/lupdate" -silent -locations none -no-obsolete -extensions cpp,h -I . \
    app game settings state platform ui net -ts "$work/qubrin_en.ts")
report=$("$tools/lrelease" "$work/qubrin_en.ts" -qm "$work/qubrin_en.qm")
echo "$report"
if ! grep -q " 0 unfinished)" <<<"$report" || grep -q "Ignored" <<<"$report"; then
    echo "Some texts have no finished English translation; see i18n/README.md." >&2
    diff <(grep -o '<source>[^<]*' "$source_dir/i18n/qubrin_en.ts") <(grep -o '<source>[^<]*' "$work/qubrin_en.ts") >&2 || true
    exit 1
fi
