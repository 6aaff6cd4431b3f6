#!/usr/bin/env bash
# Command-line tests of the vireo-cli library commands: registering, listing,
# getting, copying, renaming and deleting packages, the text library in both
# directions, questions without and with --yes, damaged and read-only
# libraries, and usage errors.
#   lib_test.sh PATH-TO-VIREO-CLI DATA-FOLDER
set -u
cli=$1
data=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
export VIREO_CONFIG="$work/settings.ini"
export SOURCE_DATE_EPOCH=1000000000
failures=0

. "$(dirname "$0")/testlib.sh"

# expect STATUS COMMAND...: runs the command and checks its exit status.
expect() {
    local want=$1
    shift
    "$@" >"$work/out" 2>"$work/err"
    local got=$?
    [ "$got" -eq "$want" ] || { fail "$* exited $got, expected $want"; cat "$work/err"; }
}

lib="$work/parts.lib"

# 1. A new library is created only with --yes (the question's default is No).
expect 1 "$cli" lib put "$lib" RES "$data/resistor.txt"
[ ! -e "$lib" ] || fail "the library was created without --yes"
expect 0 "$cli" --yes lib put "$lib" RES "$data/resistor.txt"
expect 0 "$cli" lib put "$lib" DUAL "$data/dual-gate.txt"
expect 0 "$cli" lib list "$lib"
printf 'RES\t1\nDUAL\t2\tref=U?A\tattr=0\nDUAL\t2\tref=U?B\tattr=0\n' | diff -u - "$work/out" || fail "lib list"
[ -e "$work/parts.dix" ] || fail "lib list did not write the index"

# Replacing a package asks first; without --yes nothing changes.
cp "$lib" "$work/before.lib"
expect 1 "$cli" lib put "$lib" res "$data/dual-gate.txt"
cmp -s "$lib" "$work/before.lib" || fail "a refused put changed the library"
expect 0 "$cli" --yes lib put "$lib" res "$data/dual-gate.txt"
[ "$("$cli" lib list "$lib" | cut -f1 | uniq | tr '\n' ' ')" = "DUAL res " ] || fail "put did not replace RES"
cmp -s "$work/parts.lbk" "$work/before.lib" || fail "the backup is not the library before the write"

# 2. get: the whole package or one gate, as .dcd or .txt.
expect 0 "$cli" lib get "$lib" DUAL -o "$work/dual.dcd"
[ "$("$cli" info "$work/dual.dcd" | grep parts)" = "parts: 2" ] || fail "get DUAL"
expect 0 "$cli" lib get "$lib" dual --gate 2 -o "$work/gate.txt"
grep -q 'Ref "U?B"' "$work/gate.txt" || fail "get --gate 2"
expect 1 "$cli" lib get "$lib" DUAL --gate 3 -o "$work/x.txt"
expect 1 "$cli" lib get "$lib" NONE -o "$work/x.txt"

# 3. Text library round trip: lib -> txt -> lib gives the same bytes.
expect 0 "$cli" lib2txt "$lib" "$work/parts.txt"
expect 0 "$cli" txt2lib "$work/parts.txt" "$work/copy.lib"
cmp -s "$lib" "$work/copy.lib" || fail "lib -> txt -> lib is not identical"
grep -q '^# Date : 2001/09/09 10:46:40$' "$work/parts.txt" || fail "date line"
# An existing destination is replaced only with --yes.
expect 1 "$cli" txt2lib "$work/parts.txt" "$work/copy.lib"
expect 0 "$cli" --yes txt2lib "$work/parts.txt" "$work/copy.lib"
# A format error names its line and changes nothing.
sed 's/^Package Total 2$/Package Total 3/' "$work/parts.txt" >"$work/bad.txt"
cp "$work/copy.lib" "$work/copy-before.lib"
expect 1 "$cli" --yes txt2lib "$work/bad.txt" "$work/copy.lib"
line=$(grep -n '^Package Total 3$' "$work/bad.txt" | cut -d: -f1)
grep -q "${line}行目" "$work/err" || fail "the format error does not name line $line: $(cat "$work/err")"
cmp -s "$work/copy.lib" "$work/copy-before.lib" || fail "a malformed text library changed the library"
expect 1 "$cli" --yes txt2lib "$work/parts.txt" "$work/parts.txt"

# 4. copy, move, rename, delete.
other="$work/other.lib"
expect 0 "$cli" --yes lib copy "$lib" "$other" DUAL
expect 1 "$cli" lib copy "$lib" "$other" DUAL          # exists: asked, default No
expect 0 "$cli" --yes lib copy "$lib" "$other" dual --move
[ "$("$cli" lib list "$lib" | cut -f1 | uniq)" = "res" ] || fail "move left the package in the source"
[ "$("$cli" lib list "$other" | cut -f1 | uniq)" = "DUAL" ] || fail "copy/move destination"
expect 1 "$cli" lib copy "$lib" "$lib" res
expect 0 "$cli" lib rename "$other" DUAL OPAMP
expect 1 "$cli" --yes lib copy "$lib" "$other" NONE
expect 0 "$cli" --yes lib copy "$lib" "$other" res
expect 1 "$cli" lib rename "$other" OPAMP RES              # taken (names ignore case)
expect 1 "$cli" lib delete "$other" OPAMP --gate 1        # asked, default Cancel
expect 0 "$cli" --yes lib delete "$other" OPAMP --gate 1
[ "$("$cli" lib list "$other" | grep -c OPAMP)" = 1 ] || fail "delete --gate"
expect 0 "$cli" --yes lib delete "$other" OPAMP
expect 1 "$cli" --yes lib delete "$other" OPAMP
expect 0 "$cli" lib index "$other"

# 5. Damaged and read-only libraries.
head -c 100 "$lib" >"$work/damaged.lib"
expect 1 "$cli" lib list "$work/damaged.lib"
grep -q "damaged.lib" "$work/err" || fail "damaged: the message does not name the file"
cp "$work/damaged.lib" "$work/damaged-before.lib"
expect 1 "$cli" --yes lib put "$work/damaged.lib" NEW "$data/resistor.txt"
cmp -s "$work/damaged.lib" "$work/damaged-before.lib" || fail "a damaged library was written"
cp "$lib" "$work/ro.lib"
chmod 0444 "$work/ro.lib"
expect 1 "$cli" --yes lib delete "$work/ro.lib" res
expect 1 "$cli" lib rename "$work/ro.lib" res RES2
cmp -s "$work/ro.lib" "$lib" || fail "a read-only library was changed"
expect 1 "$cli" lib list "$work/missing.lib"
[ ! -e "$work/missing.lib" ] || fail "lib list created a library"

# 6. The library list in the settings.
expect 0 "$cli" lib libs add "$work/new"
[ -e "$work/new.lib" ] || fail "lib libs add did not create the library"
expect 1 "$cli" lib libs add "$work/parts.lbk"
expect 0 "$cli" lib libs
[ "$(cat "$work/out")" = "$work/new.lib" ] || fail "lib libs"

# 7. Usage errors exit with 2.
for args in "lib" "lib frob x" "lib list" "lib get $lib RES" "lib get $lib RES -o x.pdf" \
            "lib delete $lib" "lib get $lib RES --gate 0 -o x.txt" "lib put $lib" "lib2txt $lib" "txt2lib" \
            "lib list $lib --bogus"; do
    # shellcheck disable=SC2086
    "$cli" $args >/dev/null 2>&1
    status=$?
    [ $status -eq 2 ] || fail "usage error '$args' exited $status, expected 2"
done

if [ $failures -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all library command tests passed"
