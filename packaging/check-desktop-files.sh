#!/usr/bin/env bash
# Checks the desktop entries, the menu file type and the icon as shipped:
#   check-desktop-files.sh ENTRY.desktop... MIME.xml ICON.svg
# Exits 77 (skipped) when the freedesktop tools are not installed.
set -euo pipefail

for tool in desktop-file-validate update-mime-database; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done

args=("$@")
icon=${args[-1]}
mime=${args[-2]}
entries=("${args[@]:0:$#-2}")
status=0
fail() { echo "FAIL: $*"; status=1; }

type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime")
[ -n "$type" ] || fail "$mime defines no mime-type"

for entry in "${entries[@]}"; do
    # Hints and some warnings pass with status 0; ours are to have none.
    if ! out=$(desktop-file-validate "$entry" 2>&1) || [ -n "$out" ]; then
        fail "desktop-file-validate $entry: $out"
    fi
    program=$(basename "$entry" .desktop)
    grep -q "@" "$entry" && fail "$entry holds a placeholder that was not filled in"
    grep -Eqx "X-Quenmark-FileVersion=[0-9]+(\.[0-9]+){1,3}" "$entry" ||
        fail "$entry records no file version"
    grep -qx "Exec=$program %f" "$entry" || fail "$entry does not start $program with the file"
    grep -qx "MimeType=$type;" "$entry" || fail "$entry does not open $type"
    grep -qx "Icon=$(basename "$icon" .svg)" "$entry" || fail "$entry does not name the icon"
done

if command -v xmllint >/dev/null; then
    xmllint --noout "$mime" "$icon" || fail "xmllint"
fi

# update-mime-database reports a broken file only as a warning, so look at
# what it made of ours.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/packages"
cp "$mime" "$work/packages/"
update-mime-database "$work" >/dev/null 2>&1
grep -qx "[0-9]*:$type:\*\.tmr" "$work/globs2" || fail "*.tmr is not mapped to $type"
grep -q "Fryer menu file" "$work/application/${type#application/}.xml" ||
    fail "$type has no comment"
grep -qx "$type:$(basename "$icon" .svg)" "$work/icons" ||
    fail "$type does not show the program's icon"

[ $status -eq 0 ] && echo "desktop entries, menu file type and icon are valid"
exit $status
