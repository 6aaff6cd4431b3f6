#!/usr/bin/env bash
# vireo-cli new and edit: an empty sheet, a drawing script checked against
# its hand-checked result, a bad script that changes nothing.
#   edit_cli_test.sh PATH-TO-VIREO-CLI DATA-FOLDER
set -u
cli=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VIREO_CONFIG="$work/settings.ini"
failures=0

. "$(dirname "$0")/testlib.sh"

# new: the sizes of File > New, an empty drawing.
expect "new A3P" "size: A3P  width: 11693  height: 16535" "$("$cli" new --size A3P "$work/p.dcd")"
expect "new is empty" "0" "$("$cli" info "$work/p.dcd" | grep -c '^parts: [1-9]')"
"$cli" new --size A4 "$work/a4.dcd" >/dev/null || fail "new A4"
exit_status 2 "new with an unknown size" "$cli" new --size B5 "$work/b.dcd"

# edit: the script's drawing, item by item.
out=$("$cli" edit "$work/a4.dcd" "$data/edit/draw.script" -o "$work/draw.txt")
expect "edit prints" "items: 8  undo steps: 7" "$out"
if ! diff -u "$data/edit/draw.txt" "$work/draw.txt"; then
    fail "edit draw.script"
fi

# A malformed line: exit 2 naming the line, no output written.
printf 'command wire\nclick 100 100\nclick 200\n' >"$work/bad.script"
err=$("$cli" edit "$work/a4.dcd" "$work/bad.script" -o "$work/bad.txt" 2>&1)
status=$?
expect "bad script status" "2" "$status"
case "$err" in *bad.script:3:*) ;; *) fail "bad script names line 3: $err" ;; esac
[ -e "$work/bad.txt" ] && fail "bad script wrote its output"

# A dialog without an answer is cancelled with a note; the run goes on.
printf 'command text\nclick 1000 1000\ncommand wire\nclick 100 100\nclick 500 100\n' >"$work/t.script"
err=$("$cli" edit "$work/a4.dcd" "$work/t.script" -o "$work/t.dcd" 2>&1 >/dev/null)
case "$err" in *"text dialog cancelled"*) ;; *) fail "missing answer noted: $err" ;; esac
expect "run goes on" "wires: 1" "$("$cli" info "$work/t.dcd" | grep '^wires')"

# The Part tool takes its parts from --lib: a missing name is reported and
# asked again; every click places a copy (the third one turned).
cp "$data/edit/parts.lib" "$work/parts.lib"
printf 'command part\nanswer part NOSUCH\nanswer part RES R5 10k\nclick 3000 3000\nclick 3000 3000\nclick 5000 3000\nkey R\nclick 5000 5000\nkey Escape\n' >"$work/part.script"
err=$("$cli" edit "$work/a4.dcd" "$work/part.script" -o "$work/part.txt" --lib "$work/parts.lib" 2>&1 >/dev/null)
case "$err" in *NOSUCH*) ;; *) fail "missing part reported: $err" ;; esac
expect "parts placed" "3" "$(grep -c '^Part ' "$work/part.txt")"
expect "reference and value" "3" "$(grep -c '^Val "10k"' "$work/part.txt" | tr -d ' ')"
grep -q '^Part 5000 5000 .* 256 0$' "$work/part.txt" || fail "the third part is turned"

# Make Part from a drawing, Library registers it, the Part tool places it
# from there; a Japanese folder on the way.  The library reader says what
# was written.
mkdir -p "$work/設計/部品"
lib="$work/設計/部品/新.lib"
cat >"$work/make.script" <<EOF
command line
click 1000 1000
click 1400 1000
click 1400 1000 right
command pin
click 1000 1200
click 1000 1200
key Escape
command text
answer text "Name"
click 1000 1500
click 1000 1500
command selectall
answer makepart OPAMP U? LM358
command makepart
click 1000 1000
key Escape
click 1200 1000 ctrl
answer library "$lib" OPAMP
answer yes
command library
EOF
out=$("$cli" edit "$work/a4.dcd" "$work/make.script" -o "$work/made.txt" --lib "$lib" 2>/dev/null)
expect "make part: one step per edit" "items: 1  undo steps: 4" "$out"
expect "made part" "1" "$(grep -c '^Part 1000 1000 ' "$work/made.txt")"
expect "library holds it" "OPAMP	1" "$("$cli" lib list "$lib")"
printf 'command part\nanswer part opamp U1 LM358\nclick 5000 5000\nclick 5000 5000\nkey Escape\n' >"$work/use.script"
"$cli" edit "$work/a4.dcd" "$work/use.script" -o "$work/used.txt" --lib "$lib" >/dev/null ||
    fail "placing the registered part"
expect "placed from the new library" '1' "$(grep -c '^Ref "U1"' "$work/used.txt")"

exit $((failures > 0))
