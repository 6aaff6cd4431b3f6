#!/usr/bin/env bash
# Command-line tests of vireo-cli: info and convert on the sample files,
# round trips between the binary and the text form, the behaviour on damaged
# files and usage errors, and the reference list of refs.
#   cli_test.sh PATH-TO-VIREO-CLI DATA-FOLDER
set -u
cli=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VIREO_CONFIG="$work/settings.ini"
failures=0

. "$(dirname "$0")/testlib.sh"

# The item counts of `info` (everything after the header lines).
counts() {
    "$cli" info "$1" | tail -n 8
}

# 1. info prints the expected header and counts for every sample.
for sample in "$data"/*.dcd "$data"/*.txt; do
    expected="$sample.info"
    [ -f "$expected" ] || continue
    if ! diff -u "$expected" <("$cli" info "$sample") >"$work/diff"; then
        fail "info $(basename "$sample")"
        cat "$work/diff"
    fi
done

# 2. Every binary sample converts to version 8 with the same items, and a
#    second conversion gives the same bytes.
for sample in "$data"/v*.dcd; do
    name=$(basename "$sample" .dcd)
    "$cli" convert "$sample" "$work/$name.dcd" || fail "convert $name to .dcd"
    [ "$("$cli" info "$work/$name.dcd" | head -n 1)" = "version: 8" ] || fail "$name is not written as version 8"
    [ "$(counts "$sample")" = "$(counts "$work/$name.dcd")" ] || fail "$name lost items in .dcd"
    "$cli" convert "$work/$name.dcd" "$work/$name.again.dcd" || fail "reconvert $name"
    cmp -s "$work/$name.dcd" "$work/$name.again.dcd" || fail "$name: second conversion differs"

    # Through the text form and back.
    "$cli" convert "$sample" "$work/$name.txt" || fail "convert $name to .txt"
    "$cli" convert "$work/$name.txt" "$work/$name.from-text.dcd" || fail "convert $name.txt back"
    [ "$(counts "$sample")" = "$(counts "$work/$name.from-text.dcd")" ] || fail "$name lost items in the text form"
    "$cli" convert "$work/$name.from-text.dcd" "$work/$name.again.txt" || fail "convert $name to .txt again"
    cmp -s "$work/$name.txt" "$work/$name.again.txt" || fail "$name: text form not stable"
done

# An empty title-block sheet in the input stays in the output: the file is
# v8.dcd with "title follows" (4 bytes) and an empty sheet record (type 1,
# count, eight empty lists, the closing 0: 44 bytes) before its final 0.
v8="$data/v8.dcd"
{
    head -c $(($(stat -c %s "$v8") - 4)) "$v8"
    printf '\001\000\000\000\001\000\000\000'
    head -c 44 /dev/zero
} >"$work/title.dcd"
"$cli" convert "$work/title.dcd" "$work/title.out.dcd" || fail "convert with an empty title block"
"$cli" convert "$v8" "$work/untitled.out.dcd" || fail "convert v8"
[ $(($(stat -c %s "$work/title.out.dcd") - $(stat -c %s "$work/untitled.out.dcd"))) -eq 48 ] ||
    fail "the empty title-block sheet was dropped"

# A raw line break in a wire name (the binary format can hold one) must not
# break the text form: the items come back as they were.  A NUL byte cannot
# be written at all: exit status 1 and no output file.
perl -0777 -pe 's/CLK/C\nK/' "$v8" >"$work/break.dcd"
"$cli" convert "$work/break.dcd" "$work/break.txt" || fail "convert a name with a line break"
"$cli" convert "$work/break.txt" "$work/break.back.dcd" || fail "convert the text form back"
[ "$(counts "$v8")" = "$(counts "$work/break.back.dcd")" ] ||
    fail "a line break in a name moved items"
grep -q '^Name "C\\nK"' "$work/break.txt" || fail "the line break is not written as \\n"
perl -0777 -pe 's/CLK/C\0K/' "$v8" >"$work/nul.dcd"
"$cli" convert "$work/nul.dcd" "$work/nul.txt" 2>"$work/err"
status=$?
[ $status -eq 1 ] || fail "a NUL byte in a name: exit status $status, expected 1"
grep -q "nul.txt" "$work/err" || fail "a NUL byte in a name: the message does not name the file"
[ ! -e "$work/nul.txt" ] || fail "a NUL byte in a name: an output file was left behind"

# 3. A damaged file: exit status 1, one line on stderr naming the file, and
#    no output file left behind.
first=$(ls "$data"/v*.dcd | head -n 1)
size=$(stat -c %s "$first")
head -c $((size / 2)) "$first" >"$work/damaged.dcd"
"$cli" convert "$work/damaged.dcd" "$work/out.dcd" 2>"$work/err"
status=$?
[ $status -eq 1 ] || fail "damaged file: exit status $status, expected 1"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "damaged file: expected one line on stderr, got: $(cat "$work/err")"
grep -q "damaged.dcd" "$work/err" || fail "damaged file: the message does not name the file"
[ ! -e "$work/out.dcd" ] || fail "damaged file: an output file was left behind"

# A file of a newer format version is refused the same way.
printf 'VIREO DATA FILE Ver 0.09\n' >"$work/newer.dcd"
"$cli" info "$work/newer.dcd" >/dev/null 2>"$work/err"
status=$?
[ $status -eq 1 ] || fail "newer version: exit status $status, expected 1"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "newer version: expected one line on stderr"

# A missing input and an unwritable output.
"$cli" info "$work/missing.dcd" >/dev/null 2>&1
[ $? -eq 1 ] || fail "missing file: expected exit status 1"
"$cli" convert "$first" "$work/no-such-folder/out.dcd" 2>/dev/null
[ $? -eq 1 ] || fail "unwritable output: expected exit status 1"

# 4. tidy: the clean-up of an untidy sheet, checked line by line in
#    untidy.tidied.txt: two wire pieces merged into the ones they lie on, a
#    T without a dot left alone, a wire cut back at a pin tip, a zero-length
#    wire, a doubled junction and (with --over) a wire off the sheet removed.
"$cli" tidy "$data/untidy.txt" "$work/tidied.txt" --over >"$work/tidy.out" || fail "tidy"
cmp -s "$data/untidy.tidied.txt" "$work/tidied.txt" || fail "tidy: output differs from untidy.tidied.txt"
grep -qx "changed: 1" "$work/tidy.out" || fail "tidy: no 'changed: 1'"
grep -qx "wires merged: 2" "$work/tidy.out" || fail "tidy: merge count"
grep -qx "kept to keep connections: 1" "$work/tidy.out" || fail "tidy: the T was not kept"
"$cli" tidy "$work/tidied.txt" "$work/again.txt" --over >"$work/tidy.out" || fail "tidy again"
grep -qx "changed: 0" "$work/tidy.out" || fail "tidy: a tidied sheet changed again"
"$cli" tidy "$data/untidy.txt" "$work/tidied.dcd" --bogus >/dev/null 2>&1
[ $? -eq 2 ] || fail "tidy: unknown option not a usage error"

# 5. refs: the parts of several sheets in one list, by reference or in
#    reading order.  Each part is a diagonal stroke about its centre with a
#    hidden reference, so that its centre is where the record says.
part() { # ref x y [gates gate]
    printf 'Part %d %d 0 0 0 0 %d %d 0 0\n' "$2" "$3" "${4:-1}" "${5:-1}"
    printf 'Ref "%s" %d %d 70 32776\nVal "V%s" %d %d 70 32776\n' "$1" "$2" "$3" "$1" "$2" "$3"
    printf 'Line %d %d %d %d 8 1 0 0\nPartEnd\n' \
        $(($2 - 100)) $(($3 - 100)) $(($2 + 100)) $(($3 + 100))
}
{
    part IC2 1000 10000
    part U3B 9000 10000 4 2
    part 'R?' 5000 6000
    part r10 1000 2000
    printf 'Part 0 0 0 0 0 0 0 0 0 0\nName "LOGO" 0 0 70 8\nPartEnd\n' # no reference: not listed
} >"$work/a.txt"
{
    part R2 3000 8000
    part C1 3000 1000
} >"$work/b.txt"
"$cli" refs "$work/a.txt" "$work/b.txt" "$data/v8.dcd" >"$work/refs" || fail "refs"
printf '%s\n' "C1	C	1		C1	VC1	" "IC2	IC	2		IC2	VIC2	" "R?	R	0		R?	VR?	" \
    "R1	R	1		R1	10k	RES" "R2	R	2		R2	VR2	" "r10	r	10		r10	Vr10	" \
    "U3B	U	3	B	U3	VU3B	" >"$work/refs.expected"
diff -u "$work/refs.expected" "$work/refs" || fail "refs by reference"
"$cli" refs "$work/a.txt" "$work/b.txt" --sort reading | cut -f 1 | tr '\n' ' ' >"$work/reading"
[ "$(cat "$work/reading")" = "IC2 U3B R2 R? r10 C1 " ] ||
    fail "refs in reading order: $(cat "$work/reading")"
"$cli" refs "$work/missing.dcd" >/dev/null 2>&1
[ $? -eq 1 ] || fail "refs of a missing file: expected exit status 1"
for args in "refs" "refs $work/a.txt --sort" "refs $work/a.txt --sort size" \
    "refs --bogus $work/a.txt"; do
    # shellcheck disable=SC2086
    "$cli" $args >/dev/null 2>&1
    status=$?
    [ $status -eq 2 ] || fail "usage '$args': exit status $status, expected 2"
done

# 6. Usage errors exit with 2.
for args in "" "info" "convert $first" "convert $first $work/out.pdf" "frobnicate x" "--bogus info $first"; do
    # shellcheck disable=SC2086
    "$cli" $args >/dev/null 2>&1
    status=$?
    [ $status -eq 2 ] || fail "usage '$args': exit status $status, expected 2"
done
"$cli" --help >/dev/null || fail "--help"

if [ $failures -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all command-line tests passed"
