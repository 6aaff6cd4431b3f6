#!/usr/bin/env bash
# Command-line tests of vireo-cli netlist: outputs against the hand-written
# golden files (tests/data/netlist/golden), projects and sheets, line ends,
# the report forms, and every usage error.
#   netlist_test.sh PATH-TO-VIREO-CLI DATA-FOLDER SHARED-DATA-FOLDER
set -u
cli=$1
data=$2/netlist
export VIREO_DATA=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VIREO_CONFIG="$work/settings.ini"
export SOURCE_DATE_EPOCH=1704132245 # 2024/01/02 03:04:05 in Japan
failures=0

. "$(dirname "$0")/testlib.sh"

crlf() { sed 's/$/\r/' "$1"; }

# 1. Sheets: the PADS-PCB netlist is the golden one with CR LF line ends;
#    the counts go to stdout; the report is written beside it.
out=$("$cli" netlist --format pads-pcb --pcb FOOTPRINT -o "$work/g" "$data/golden.txt")
[ $? -eq 0 ] || fail "sheets: exit status"
[ "$out" = "nets: 7  connections: 24" ] || fail "sheets: printed '$out'"
cmp -s <(crlf "$data/golden/13.net") "$work/g.net" || fail "sheets: g.net differs from 13.net"
head -c 36 "$work/g.nrp" | cmp -s - <(printf 'VIREO Net Infomation file Ver 1.11\r\n') ||
    fail "sheets: the report does not begin with its title"

# 2. The date and path of a header; --unix writes line feeds only.
"$cli" netlist --format 1 --unix --no-report -o "$work/d" "$data/golden.txt" >/dev/null
sed "s#/work/golden.net#$work/d.net#" "$data/golden/01.net" | cmp -s - "$work/d.net" ||
    fail "--unix: d.net differs from 01.net"
[ -e "$work/d.nrp" ] && fail "--no-report: a report was written"

# 3. A project: its checked sheets, outputs named after it, the HTML report
#    through the shipped template.
mkdir "$work/p"
cp "$data/golden.txt" "$work/p/golden.txt"
printf 'Project File Ver 0.03\n1:golden.txt\n0:missing.txt\nEndFileList\n' >"$work/p/board.dpj"
"$cli" netlist --format SPICE --html "$work/p/board.dpj" >/dev/null || fail "project: exit status"
[ -s "$work/p/board.cir" ] || fail "project: board.cir missing"
grep -q '^U1 DATA NC_U1_2 CLK CLK 1 CLK GND VCC 74HC00' "$work/p/board.cir" ||
    fail "project: the SPICE line of U1"
grep -q '</html>' "$work/p/board.nrp.html" || fail "project: board.nrp.html"
[ -e "$work/settings.ini" ] && fail "the options were written back to the settings"

# 4. The component file of the formats that have one.
"$cli" netlist --format Calay --compo cmp --no-report -o "$work/c" "$data/golden.txt" >/dev/null ||
    fail "--compo: exit status"
grep -q '^74HC00              U1' "$work/c.cmp" || fail "--compo: the part list is not in c.cmp"
grep -q 'U1' "$work/c.net" && grep -q '000     000' "$work/c.net" &&
    fail "--compo: the part list is in the netlist too"

# 5. Usage errors (2) write nothing; a missing sheet is a failure (1).
for args in "--format 0" "--format 30" "--format bogus" "--format 13 --start 32768" \
    "--format 13 --start -1" "--format 13 --compo cmp" "--format 17 --compo csv" \
    "--format 17 --compo a.b" "--format 17 --compo net" "--format 13 --bogus" "--format"; do
    # shellcheck disable=SC2086
    "$cli" netlist $args -o "$work/u" "$data/golden.txt" >/dev/null 2>&1
    status=$?
    [ $status -eq 2 ] || fail "usage '$args': exit status $status, expected 2"
done
"$cli" netlist -o "$work/u" "$data/golden.txt" >/dev/null 2>&1
[ $? -eq 2 ] || fail "no format given: exit status, expected 2"
ls "$work"/u.* >/dev/null 2>&1 && fail "a usage error wrote files"
"$cli" netlist --format 13 -o "$work/m" "$work/missing.txt" >/dev/null 2>"$work/err"
[ $? -eq 1 ] || fail "missing sheet: exit status, expected 1"
grep -q missing.txt "$work/err" || fail "missing sheet: the message does not name it"

if [ $failures -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all netlist command tests passed"
