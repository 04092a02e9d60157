#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the tree holds what
# a desktop needs and that every reference in it resolves:
#   check-install.sh CMAKE BUILD_DIR PROGRAM...
# PROGRAM... are the programs the build installs, each to be found in bin/.
set -euo pipefail

cmake=$1
build=$2
shift 2
programs=("$@")

for tool in desktop-file-validate update-mime-database; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
prefix=$root/usr
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

status=0
fail() { echo "FAIL: $*"; status=1; }
share=$prefix/share

for program in "${programs[@]}"; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing"
done
# Nothing else belongs in bin/: no test or benchmark binaries.
for file in "$prefix"/bin/*; do
    [ -e "$file" ] || continue
    name=$(basename "$file")
    [[ " ${programs[*]} " == *" $name "* ]] || fail "bin/$name should not be installed"
done

for editor in quenmark vessquen; do
    [ -f "$share/applications/$editor.desktop" ] || fail "no desktop entry for $editor"
done

for entry in "$share"/applications/*.desktop; do
    [ -e "$entry" ] || continue
    desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
    exec=$(sed -n 's/^Exec=//p' "$entry")
    [ -x "$prefix/bin/${exec%% *}" ] || fail "$entry starts ${exec%% *}, which is not installed"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] ||
        fail "$entry names icon $icon, which is not installed"
done

for png in "$share"/icons/hicolor/*x*/apps/*.png; do
    [ -e "$png" ] || continue
    size=$(basename "$(dirname "$(dirname "$png")")")
    if command -v file >/dev/null; then
        file -b "$png" | grep -q "PNG image data, ${size/x/ x }," || fail "$png is not a $size PNG"
    fi
done

mime=$share/mime
[ -f "$mime/packages/quenmark-mime.xml" ] || fail "the menu file type is not installed"
if [ -f "$mime/packages/quenmark-mime.xml" ]; then
    update-mime-database "$mime" >/dev/null 2>&1
    grep -qx "[0-9]*:application/x-quenmark-menu:\*\.tmr" "$mime/globs2" ||
        fail "the installed type database does not know *.tmr"
    icon=$(sed -n 's/^application\/x-quenmark-menu://p' "$mime/icons")
    [ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] ||
        fail "the menu file type shows icon '$icon', which is not installed"
fi

# Every program gets its manual page; .so pages must point at a page that is
# there.
for program in "${programs[@]}"; do
    page=$(ls "$share/man/man1/$program.1"* 2>/dev/null || true)
    if [ -z "$page" ]; then
        fail "the manual page of $program is not installed"
        continue
    fi
    target=$( (zcat -f "$page" | sed -n 's/^\.so //p') || true)
    if [ -n "$target" ] && ! ls "$share/man/$target"* >/dev/null 2>&1; then
        fail "$page points at $target, which is not installed"
    fi
done

doc=$share/doc/quenmark
grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
    "$doc/copyright" 2>/dev/null || fail "no machine-readable copyright file in $doc"
zcat "$doc/changelog.Debian.gz" 2>/dev/null | head -1 | grep -q "^quenmark (" ||
    fail "no changelog.Debian.gz in $doc"

# tmrtool's completion is where bash-completion looks, and completes.
completion=$share/bash-completion/completions/tmrtool
if [ ! -f "$completion" ]; then
    fail "the bash completion of tmrtool is not installed"
else
    offered=$(bash -c 'source "$1"; COMP_WORDS=(tmrtool ca); COMP_CWORD=1; _tmrtool
                       echo "${COMPREPLY[*]}"' _ "$completion")
    [ "$offered" = card ] || fail "the completion of 'tmrtool ca' is '$offered', not card"
fi

[ $status -eq 0 ] && echo "install tree of ${programs[*]} is complete"
exit $status
