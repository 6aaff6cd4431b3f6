#!/usr/bin/env bash
# Command-line tests of the project commands: partlist, annotate, netindex,
# check and diff on the two-sheet project tests/data/projcmds (outputs against
# the hand-checked files beside it), the Was-Is round trip, damaged input,
# and the limits (long groups, huge numbers, stacked parts).
#   projcmds_test.sh PATH-TO-VIREO-CLI DATA-FOLDER SHARED-DATA-FOLDER
set -u
cli=$1
fixture=$2/projcmds
export VIREO_DATA=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VIREO_CONFIG="$work/settings.ini"
export SOURCE_DATE_EPOCH=1704132245
failures=0
. "$(dirname "$0")/testlib.sh"

# Our outputs are Shift-JIS with CR LF; the expected files are UTF-8 with LF.
readable() { tr -d '\r' <"$1" | iconv -f CP932 -t UTF-8; }
same() { # same EXPECTED OUTPUT WHAT
    diff -u "$1" <(readable "$2") >/dev/null || {
        fail "$3: $2 differs from $1"
        diff -u "$1" <(readable "$2") | head -20
    }
}
fresh() { # a clean copy of the project in $work/p, the working folder
    cd "$work" && rm -rf p && mkdir p && cd p || exit 1
    cp "$fixture"/a.txt "$fixture"/b.txt "$fixture"/p.dpj .
}
unchanged() { # the sheets are those of the fixture
    cmp -s "$fixture/a.txt" "$work/p/a.txt" && cmp -s "$fixture/b.txt" "$work/p/b.txt" ||
        fail "$1: a sheet was changed"
}

fresh

# 1. Part list: groups by name, value and property column, references in
#    reference order, gates once, NOPARTLIST / NOMOUNT lines, CSV quoting;
#    read back with a CSV reader, "CAP,X"/"1u" and "CAP"/"X,1u" stay apart.
out=$("$cli" partlist --props 'footprint,,' p.dpj)
[ "$out" = "parts: 11  lines: 9" ] || fail "partlist: printed '$out'"
same "$fixture/partlist.csv" p.csv partlist
head -c 15 p.csv | cmp -s - <(printf 'NOPARTLIST,C1\r\n') || fail "partlist: CR LF line ends"
python3 - p.csv <<'EOF' || fail "partlist: CSV read back"
import csv, sys
rows = list(csv.reader(open(sys.argv[1], encoding="cp932", newline="")))
records = {tuple(r[:3]): r[3:] for r in rows[5:]}
assert records[("CAP,X", "1u", "")] == ["C2"], records
assert records[("CAP", "X,1u", "")] == ["C3"], records
assert records[("RES", "1k", "")] == ["R3", "R5"], records
EOF
out=$("$cli" partlist --count --force -o "$work/count" p.dpj)
[ "$out" = "parts: 12  lines: 9" ] || fail "partlist --count --force: printed '$out'"
readable "$work/count.csv" | grep -q NOPARTLIST && fail "--force: the NOPARTLIST line is there"
readable "$work/count.csv" | grep -qx 'REFCOUNT' || fail "--count: no REFCOUNT line"
readable "$work/count.csv" | grep -qx 'RES,10k,2,R2,R10' || fail "--count: the count field"
readable "$work/count.csv" | grep -qx 'CAP,100n,1,C1' || fail "--force: C1 not listed"

# A group of 300 references goes on in a second line after 250 fields.
{
    for i in $(seq 1 300); do
        printf 'Part %d 0 %d 0 %d 100 0 0 0 0\nName "RES" %d 0 70 8\nRef "R%d" %d 0 70 8\nVal "1k" %d 0 70 8\nPartEnd\n' \
            $((i * 500)) $((i * 500 - 100)) $((i * 500 + 100)) $((i * 500)) "$i" $((i * 500)) $((i * 500))
    done
} >"$work/many.txt"
"$cli" partlist -o "$work/many" "$work/many.txt" >/dev/null || fail "partlist 300: exit status"
python3 - "$work/many.csv" <<'EOF' || fail "partlist 300: the continuation line"
import csv, sys
rows = list(csv.reader(open(sys.argv[1], encoding="cp932", newline="")))
assert [r[:2] for r in rows[-2:]] == [["RES", "1k"]] * 2, rows[-2:]
assert len(rows[-2]) == 2 + 250 and rows[-2][2] == "R1" and rows[-2][-1] == "R250"
assert rows[-1][2:] == ["R%d" % i for i in range(251, 301)]
EOF

# Variants: NOMOUNT_<NAME> counts as NOMOUNT for that variant only.
sed 's/&NOMOUNT&1/\&NOMOUNT_LITE\&1/' a.txt >"$work/va.txt"
"$cli" partlist --variant LITE -o "$work/v" "$work/va.txt" >/dev/null
readable "$work/v.csv" | grep -qx 'NOMOUNT,R3' || fail "--variant LITE: R3 is mounted"
"$cli" partlist --variant FULL -o "$work/v" "$work/va.txt" >/dev/null
readable "$work/v.csv" | grep -q '^NOMOUNT' && fail "--variant FULL: R3 is not mounted"

# 2. Numbering, as dry runs: mode 0 counts on from the highest number, the
#    gates of a package share it; mode 1 with a page offset starts each
#    sheet at offset * sheet + start.
expect=$'a.txt\tU?\tU2\na.txt\tU?\tU3\nb.txt\tR?\tR11\nrenumbered: 3  sheets: 2'
[ "$("$cli" annotate --dry-run p.dpj)" = "$expect" ] || fail "annotate undetermined"
expect=$'a.txt\tU?\tU2\na.txt\tU?\tU3\nb.txt\tR?\tR10\nrenumbered: 3  sheets: 2'
[ "$("$cli" annotate --per-sheet --dry-run p.dpj)" = "$expect" ] || fail "annotate --per-sheet"
out=$("$cli" annotate --mode all --page-offset 100 --start 5 --step 2 --dry-run p.dpj)
for change in $'a.txt\tR10\tR6' $'a.txt\tU1A\tU6A' $'a.txt\tU1B\tU6B' $'a.txt\tU?\tU10' \
    $'b.txt\tR5\tR106' $'b.txt\tR9\tR112' 'renumbered: 14  sheets: 2'; do
    grep -qxF "$change" <<<"$out" || fail "annotate --mode all: no '$change'"
done
unchanged "dry runs"
"$cli" annotate --mode undetermined --simple p.dpj >/dev/null 2>&1
[ $? -eq 2 ] || fail "annotate: --simple with mode undetermined is no usage error"

# Written back: only the changed sheets, each part its own number even when
# two lie on top of each other.
"$cli" annotate p.dpj >/dev/null || fail "annotate: exit status"
grep -q '"U2"' a.txt && grep -q '"U3"' a.txt && grep -q '"R11"' b.txt || fail "annotate: written back"
sed -n '/^Part/,/^PartEnd/p' "$fixture/b.txt" | head -9 | sed 's/"R5"/"R?"/' >"$work/stacked.txt"
sed -n '/^Part/,/^PartEnd/p' "$fixture/b.txt" | head -9 | sed 's/"R5"/"R?"/' >>"$work/stacked.txt"
"$cli" annotate "$work/stacked.txt" >/dev/null
[ "$(grep -c '^Ref "R[12]"' "$work/stacked.txt")" = 2 ] || fail "stacked parts: not R1 and R2"

# A number past the largest one is refused and nothing changes.
sed 's/"R9"/"R2147483647"/' "$fixture/b.txt" >"$work/big.txt"
cp "$work/big.txt" "$work/big.before"
"$cli" annotate "$work/big.txt" >/dev/null 2>&1
[ $? -eq 1 ] || fail "annotate past INT_MAX: exit status"
cmp -s "$work/big.txt" "$work/big.before" || fail "annotate past INT_MAX: the sheet changed"

# 3. Was-Is: the template, then an edited copy applied (two references
#    exchanged, a value holding "x="), a damaged one changing nothing.
fresh
out=$("$cli" annotate --mode wasis-template p.dpj)
[ "$out" = "template: p.dws" ] || fail "template: printed '$out'"
same "$fixture/template.dws" p.dws "template"
sed -e 's/^New:Name="RES" Ref="R2" Value="10k"/New:Name="RES" Ref="R3" Value="10k"/' \
    -e 's/^New:Name="RES" Ref="R3" Value="1k"/New:Name="RES" Ref="R2" Value="1k"/' \
    -e 's/^New:Name="RES" Ref="R9" Value="Vx=5"/New:Name="RES" Ref="R8" Value="Vx=6"/' p.dws >edited.dws
cp edited.dws damaged.dws
sed -i 's/^Old:Name="RES" Ref="R9" Value="Vx=5" x=4100/Old:Name="RES" Ref="R9" Value="Vx=5" x=4101/' damaged.dws
"$cli" annotate --mode wasis-apply --wasis damaged.dws p.dpj >/dev/null 2>&1
[ $? -eq 1 ] || fail "damaged Was-Is: exit status"
unchanged "damaged Was-Is"
out=$("$cli" annotate --mode wasis-apply --wasis edited.dws p.dpj)
[ "$out" = "renumbered: 3  sheets: 2" ] || fail "Was-Is apply: printed '$out'"
grep -A2 '^Ref "R3"' a.txt | grep -q '^Val "10k"' || fail "Was-Is apply: R2 did not become R3"
grep -A2 '^Ref "R2"' a.txt | grep -q '^Val "1k"' || fail "Was-Is apply: R3 did not become R2"
grep -A1 '^Ref "R8"' b.txt | grep -q '^Val "Vx=6"' || fail "Was-Is apply: R9 did not become R8"
grep -q 'VIREO:' a.txt b.txt && fail "Was-Is apply: marks were saved"

# The simple form: written from the references, applied to every gate.
fresh
"$cli" annotate --mode wasis-template --simple p.dpj >/dev/null
[ "$(tr -d '\r' <p.dws)" = $'C1\tC1\nC2\tC2\nC3\tC3\nR?\tR?\nR2\tR2\nR3\tR3\nR5\tR5\nR9\tR9\nR10\tR10\nU?\tU?\nU1\tU1' ] ||
    fail "simple template"
printf '# renumber\nU1\tU7\nR10, R1 ; comment\n' >simple.dws
out=$("$cli" annotate --mode wasis-apply --simple --wasis simple.dws p.dpj)
[ "$out" = "renumbered: 3  sheets: 1" ] || fail "simple apply: printed '$out'"
grep -q '"U7A"' a.txt && grep -q '"U7B"' a.txt && grep -q '"R1"' a.txt || fail "simple apply"
printf 'VIREO Was-Is File Version 1.03\n' >full.dws
cp a.txt a.before
"$cli" annotate --mode wasis-apply --simple --wasis full.dws p.dpj >/dev/null 2>&1
[ $? -eq 1 ] && cmp -s a.txt a.before || fail "simple apply of a full file"

# Run from another folder that holds a sheet of the same name: the names of
# the Was-Is file are the project's, relative to its folder.
fresh
mkdir -p "$work/q" && cp a.txt "$work/q/a.txt" && cd "$work/q" || exit 1
"$cli" annotate --mode wasis-template ../p/p.dpj >/dev/null || fail "template from another folder"
grep -q '^File:"a.txt \[1\]"' ../p/p.dws || fail "template from another folder: the names"
sed 's/^New:Name="RES" Ref="R2"/New:Name="RES" Ref="R7"/' ../p/p.dws >../p/moved.dws
"$cli" annotate --mode wasis-apply --wasis ../p/moved.dws ../p/p.dpj >/dev/null || fail "apply from another folder"
grep -q '^Ref "R7"' ../p/a.txt || fail "apply from another folder: the project's sheet is unchanged"
cmp -s "$fixture/a.txt" a.txt || fail "apply from another folder: the other folder's a.txt changed"
cd "$work/p" || exit 1

# 4. Net index: names without case, reversed file list, padding, positions.
fresh
out=$("$cli" netindex p.dpj)
[ "$out" = "names: 2  entries: 3" ] || fail "netindex: printed '$out'"
[ "$(readable p.net.csv)" = $'File lists\n  1 ,b.txt\n  2 ,a.txt\nWire net index\nclk,      1,  2\nLOCAL,    2' ] ||
    fail "netindex: p.net.csv"
"$cli" netindex --xy --no-single -o xy p.dpj >/dev/null
[ "$(readable xy.net.csv | tail -2)" = $'clk,      1,  14.20,  10.20\nCLK,      2,  12.50,  10.20' ] ||
    fail "netindex --xy --no-single"
"$cli" netindex --html p.dpj >/dev/null
grep -q 'AUTOTAGJUMP&amp;66847970' p.net.html || fail "netindex --html: the jump of CLK"

# 5. Check: the log, nothing saved without --save, exit 5 on findings.
out=$("$cli" check p.dpj)
[ "$(head -3 <<<"$out")" = $'parts: 14\nduplicates: 2\nundetermined: 3' ] || fail "check: printed '$out'"
same "$fixture/check.log" p.log "check"
unchanged "check"
"$cli" check --fail-on-findings p.dpj >/dev/null
[ $? -eq 5 ] || fail "check --fail-on-findings: exit status"
"$cli" check --save p.dpj >/dev/null
cmp -s "$fixture/a.txt" a.txt && fail "check --save: the tidied sheet was not written"
"$cli" check --html --missing p.dpj >/dev/null
grep -q '<td>R1</td><td>R4</td><td>R6</td><td>R7</td><td>R8</td>' p.log.html ||
    fail "check --html --missing: the missing numbers"

# Missing numbers: "R004" is number 4; a listing of millions is cut short.
sed -e 's/"R5"/"R004"/' -e 's/"r5"/"R9999999"/' "$fixture/b.txt" >"$work/gaps.txt"
"$cli" check --missing -o "$work/gaps" "$work/gaps.txt" >/dev/null
readable "$work/gaps.log" | grep -q ' R4 ' && fail "missing numbers: R004 is not 4"
[ "$(readable "$work/gaps.log" | wc -l)" -lt 3000 ] || fail "missing numbers: not capped"

# A template whose $LOG2$ block has no $REF1$ slot writes the block empty.
mkdir "$work/data"
sed 's/\$REF1\$//' "$VIREO_DATA/vireohtml.dat" >"$work/data/vireohtml.dat"
VIREO_DATA="$work/data" timeout 20 "$cli" check --html --missing -o "$work/noref" p.dpj >/dev/null 2>&1
[ $? -eq 0 ] && grep -q '</html>' "$work/noref.log.html" || fail "\$LOG2\$ without \$REF1\$"

# 6. Diff: a renumbering is a reference change only; a cut wire shows.
fresh
mkdir new
cp b.txt p.dpj new/
sed -e 's/"R10"/"R1"/' -e 's/^Line 2400 1000 2800 1000/Line 2400 1000 2700 1000/' a.txt >new/a.txt
out=$("$cli" diff --wasis changes.dws p.dpj new/p.dpj)
[ $? -eq 0 ] || fail "diff: exit status"
expect='part renamed: R10 -> R1 (a.txt)
net added: (unnamed) (R3-1)
net changed: LOCAL (-R3-1)
unnumbered parts not compared: 3 before, 3 after'
[ "$out" = "$expect" ] || fail "diff: printed '$out'"
[ "$(tr -d '\r' <changes.dws | tail -1)" = $'R10\tR1' ] || fail "diff --wasis"
"$cli" diff --fail-on-changes p.dpj p.dpj >/dev/null || fail "diff of a design with itself"

# 7. No command writes over what it reads, however the paths are spelt.
fresh
for args in "annotate --mode wasis-template --wasis b.txt p.dpj" \
    "annotate --mode wasis-template --wasis $work/p/a.txt p.dpj" \
    "diff --wasis ../p/b.txt p.dpj p.dpj" "netlist --format PADS-PCB --compo txt a.txt b.txt"; do
    # shellcheck disable=SC2086
    "$cli" $args >/dev/null 2>"$work/err"
    [ $? -ne 0 ] || fail "'$args' reported success"
    unchanged "$args"
    cmp -s "$fixture/p.dpj" p.dpj || fail "'$args': the project was changed"
done
# Sheets whose names are those of the outputs.
for args in "partlist a.csv" "netlist --format PADS-PCB a.net" "check a.log"; do
    sheet=${args##* }
    cp a.txt "$sheet"
    # shellcheck disable=SC2086
    "$cli" $args >/dev/null 2>"$work/err" && fail "'$args' wrote over its own sheet"
    grep -q "$sheet" "$work/err" || fail "'$args': the message does not name the file"
    cmp -s a.txt "$sheet" || fail "'$args': the sheet was replaced"
done

# A stored HTML choice without the template: text, with a warning; asked
# for on the command line, the command fails.
fresh
mkdir -p "$work/nodata"
printf '[Tool]\nHtml=1\nIndexHtml=1\n' >"$work/html.ini"
for args in "netlist --format PADS-PCB p.dpj" "netindex p.dpj"; do
    # shellcheck disable=SC2086
    VIREO_CONFIG="$work/html.ini" VIREO_DATA="$work/nodata" "$cli" $args >/dev/null 2>"$work/err" ||
        fail "'$args' with Html=1 and no template failed"
    grep -q "vireohtml.dat" "$work/err" || fail "'$args': no warning about the template"
    # shellcheck disable=SC2086
    VIREO_CONFIG="$work/html.ini" VIREO_DATA="$work/nodata" "$cli" $args --html >/dev/null 2>&1 &&
        fail "'$args --html' without a template succeeded"
done
[ -f p.nrp ] && [ ! -f p.nrp.html ] || fail "netlist: the text report was not written"
[ -f p.net.csv ] || fail "netindex: the text file was not written"

# 8. Usage errors and missing files.
for args in "partlist" "partlist --bogus p.dpj" "annotate --mode nine p.dpj" \
    "annotate --start 0 p.dpj" "netindex" "check --bogus p.dpj" "diff p.dpj"; do
    # shellcheck disable=SC2086
    "$cli" $args >/dev/null 2>&1
    [ $? -eq 2 ] || fail "'$args' is no usage error"
done
"$cli" partlist missing.dpj >/dev/null 2>&1
[ $? -eq 1 ] || fail "partlist of a missing project: exit status"

[ "$failures" -eq 0 ] && echo "all project command tests passed"
exit $((failures > 0))
