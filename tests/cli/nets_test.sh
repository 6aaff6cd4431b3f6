#!/usr/bin/env bash
# Command-line tests of vireo-cli nets and erc on a two-sheet design
# (tests/data/nets): the outputs against golden files checked by hand, the
# exit statuses, and bad input.
#   nets_test.sh PATH-TO-VIREO-CLI DATA-FOLDER
set -u
cli=$1
data=$2/nets
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VIREO_CONFIG="$work/settings.ini"
failures=0

. "$(dirname "$0")/testlib.sh"

# The file names in the outputs are the ones given on the command line.
cd "$data" || exit 1

# 1. nets: the VCC net joins a wire, a power symbol and the hidden power pins
#    of both sheets; DATA crosses sheets by name; the part standing for
#    sub.txt (S1, "FILE" property) adds no pin; R2 and X1 touch directly.
"$cli" nets top.txt sub.txt >"$work/nets" || fail "nets: exit status"
diff -u top-sub.nets "$work/nets" || fail "nets: output differs from top-sub.nets"

# With --cross, each named wire also says where it continues: DATA's name
# stands at (12.00, 10.20) on both sheets.
"$cli" nets --cross top.txt sub.txt | grep '^cross' >"$work/cross"
printf '%s\n' 'cross top.txt 1: DATA -> P.2 [12,10]\n' 'cross sub.txt 2: DATA -> P.1 [12,10]\n' >"$work/cross.expected"
diff -u "$work/cross.expected" "$work/cross" || fail "nets --cross: cross references"

# 2. erc: Output-Output on DATA, Output-Power on VCC (the hidden power pins
#    count), Open pin for X1 with a negative position; exit 0 by default and
#    5 with --fail-on-findings.
"$cli" erc top.txt sub.txt >"$work/erc"
status=$?
[ $status -eq 0 ] || fail "erc: exit status $status, expected 0"
diff -u top-sub.erc "$work/erc" || fail "erc: output differs from top-sub.erc"
"$cli" erc --fail-on-findings top.txt sub.txt >/dev/null
status=$?
[ $status -eq 5 ] || fail "erc --fail-on-findings: exit status $status, expected 5"
# A sheet without findings passes even with the option.
"$cli" erc --fail-on-findings "$2/sample.txt" >"$work/clean"
status=$?
[ $status -eq 0 ] || fail "erc on a clean sheet: exit status $status, expected 0"
grep -qx "findings: 0" "$work/clean" || fail "erc on a clean sheet: no 'findings: 0'"

# 3. Sheets do not join by coordinates: alone, sub.txt's DATA net has one pin.
"$cli" nets sub.txt | grep -qx "nets: 1  connections: 1" || fail "nets sub.txt: counts"

# 4. Bad input: a missing sheet is exit 1 naming the file; usage errors 2.
"$cli" nets top.txt missing.txt >/dev/null 2>"$work/err"
status=$?
[ $status -eq 1 ] || fail "missing sheet: exit status $status, expected 1"
grep -q "missing.txt" "$work/err" || fail "missing sheet: the message does not name the file"
for args in "nets" "erc" "erc --bogus top.txt" "nets --fail-on-findings top.txt"; do
    # shellcheck disable=SC2086
    "$cli" $args >/dev/null 2>&1
    status=$?
    [ $status -eq 2 ] || fail "usage '$args': exit status $status, expected 2"
done

if [ $failures -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all net command tests passed"
