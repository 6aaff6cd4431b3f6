#!/usr/bin/env bash
# Command-line tests of the export commands of vireo-cli: pdf on a sheet and
# on a project, dxf and tango, the refusals that must leave no file behind,
# and real readers (qpdf, poppler, ezdxf) on what is written.  A reader that
# is not installed is skipped with a SKIP line.
#   export_cli_test.sh PATH-TO-VIREO-CLI TEST-DATA DATA-FOLDER EXAMPLES
set -u
cli=$1
tests=$2
shipped=$3
examples=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VIREO_CONFIG="$work/settings.ini"
export VIREO_DATA="$work/data"
export SOURCE_DATE_EPOCH=1700000000
mkdir -p "$VIREO_DATA"
cp "$shipped"/Title.* "$shipped/DXF_HDR.DAT" "$VIREO_DATA/"
failures=0

. "$(dirname "$0")/testlib.sh"

have_ezdxf() {
    if /usr/bin/python3 -c 'import ezdxf' 2>/dev/null; then
        return 0
    fi
    echo "SKIP: python3-ezdxf is not installed (scripts/install-deps.sh installs it)"
    return 1
}

# 1. The example sheet: one page, the title block of its size, readable.
cp "$examples/sample.dcd" "$work/sample.dcd"
expect "pdf sample" "pages: 1  fonts: 2" "$("$cli" pdf "$work/sample.dcd")"
[ -s "$work/sample.pdf" ] || fail "pdf: no sample.pdf beside the input"
cp "$work/sample.pdf" "$work/first.pdf"
"$cli" pdf "$work/sample.dcd" -o "$work/sample.pdf" >/dev/null || fail "pdf -o NAME.pdf"
cmp -s "$work/sample.pdf" "$work/first.pdf" || fail "pdf: SOURCE_DATE_EPOCH runs differ"
grep -aq '/CreationDate (D:20231115071320)' "$work/sample.pdf" || fail "pdf: creation date not from SOURCE_DATE_EPOCH in Japan time"
if have qpdf; then
    qpdf --check "$work/sample.pdf" >"$work/qpdf.out" 2>&1 || { fail "qpdf --check"; cat "$work/qpdf.out"; }
fi
if have pdftotext; then
    text=$(pdftotext -enc UTF-8 "$work/sample.pdf" -)
    for word in "Sample sheet" "R1" "10k" "DRAWN" "SIZE A3"; do
        grep -q "$word" <<<"$text" || fail "pdftotext: '$word' missing"
    done
    "$cli" pdf --no-title --title "回路図" --author "Ann" -o "$work/bare" "$work/sample.dcd" >/dev/null || fail "pdf --no-title"
    text=$(pdftotext -enc UTF-8 "$work/bare.pdf" -)
    grep -q "Sample sheet" <<<"$text" || fail "--no-title lost the drawing"
    grep -q "DRAWN" <<<"$text" && fail "--no-title still draws the title block"
fi
if have pdfinfo; then
    info=$(pdfinfo "$work/bare.pdf")
    grep -q "^Title: *回路図$" <<<"$info" || fail "pdfinfo: title"
    grep -q "^Author: *Ann$" <<<"$info" || fail "pdfinfo: author"
fi
if have pdffonts; then
    pdffonts "$work/sample.pdf" | grep -q Arial || fail "pdffonts: Arial missing"
fi

# 2. A project of two sheets (and one that does not take part): two pages in
#    project order; the title given is remembered in the project.
mkdir -p "$work/p/sub"
cp "$examples/sample.dcd" "$work/p/first.dcd"
printf 'Line 1000 1000 2000 1000 8 0 0 0\nText "Second page" 1000 5000 100 8\n' >"$work/second.txt"
"$cli" convert "$work/second.txt" "$work/p/sub/second.dcd" || fail "convert the second sheet"
cp "$tests/v6.dcd" "$work/p/third.dcd"
printf 'Project File Ver 0.03\n1:first.dcd\n0:third.dcd\n1:sub\\second.dcd\nEndFileList\n' >"$work/p/p.dpj"
expect "pdf project" "pages: 2  fonts: 2" "$("$cli" pdf --title Board --color --background "$work/p/p.dpj")"
expect "remembered title" "Board" "$("$cli" project get "$work/p/p.dpj" PDFTITLE)"
expect "pdf project --all" "pages: 3  fonts: 2" "$("$cli" pdf --all "$work/p/p.dpj" -o "$work/all")"
if have pdfinfo; then
    pdfinfo "$work/p/p.pdf" | grep -q "^Pages: *2$" || fail "pdfinfo: project pages"
    pdfinfo "$work/all.pdf" | grep -q "^Title: *Board$" || fail "pdfinfo: title from the project"
fi
if have pdftotext; then
    expect "project order" "Sample sheet
Second page" "$(pdftotext "$work/p/p.pdf" - | grep -E '^(Sample sheet|Second page)$')"
fi
# A sheet in the text form and a Tango file take part like any sheet.
"$cli" convert "$tests/sample.txt" "$work/plain.txt" || fail "convert text form"
"$cli" tango "$work/sample.dcd" "$work/sample.sch" || fail "tango"
expect "pdf mixed" "pages: 3  fonts: 2" "$("$cli" pdf -o "$work/mixed" "$work/plain.txt" "$work/sample.sch" "$work/sample.dcd")"

# 3. Failures: exit 1, and no file created or changed.
echo "old" >"$work/keep.pdf"
exit_status 1 "missing input" "$cli" pdf -o "$work/keep" "$work/sample.dcd" "$work/missing.dcd"
exit_status 1 "not a sheet" "$cli" pdf -o "$work/keep" "$work/keep.pdf"
printf 'Project File Ver 0.03\n0:first.dcd\nEndFileList\n' >"$work/p/none.dpj"
exit_status 1 "project without sheets" "$cli" pdf -o "$work/keep" "$work/p/none.dpj"
expect "output kept" "old" "$(cat "$work/keep.pdf")"
exit_status 1 "missing input, default name" "$cli" pdf "$work/nothing.dcd"
[ -e "$work/nothing.pdf" ] && fail "a failed pdf left a file"
for args in "pdf" "pdf --scale 0 $work/sample.dcd" "pdf --scale abc $work/sample.dcd" \
    "pdf --bogus $work/sample.dcd" "pdf $work/sample.dcd --title" "dxf $work/sample.dcd" \
    "dxf $work/p/p.dpj $work/p.dxf" "tango $work/sample.dcd" "dxf --header= $work/sample.dcd $work/x.dxf"; do
    # shellcheck disable=SC2086
    exit_status 2 "usage '$args'" "$cli" $args
done
expect "scale accepted" "pages: 1  fonts: 2" "$("$cli" pdf --scale 0.5 -o "$work/half" "$work/sample.dcd")"

# 4. DXF: the header file of the data folder or the one given; ezdxf reads it.
"$cli" dxf "$work/sample.dcd" "$work/sample" || fail "dxf"
[ -s "$work/sample.dxf" ] || fail "dxf: .dxf not added"
if have_ezdxf; then
    cat >"$work/check.py" <<'PY'
import collections, ezdxf, sys
doc = ezdxf.readfile(sys.argv[1], encoding='cp932')
print('errors', len(doc.audit().errors))
layers = collections.Counter(e.dxf.layer for e in doc.modelspace())
lines = collections.Counter(e.dxf.layer for e in doc.modelspace().query('LINE'))
print('title', layers['15'] > 0, 'wires', lines['1'])
PY
    expect "ezdxf" "errors 0
title True wires 3" "$(/usr/bin/python3 "$work/check.py" "$work/sample.dxf")"
fi
printf '[TITLE] 9\n[HEADER]\n' >"$work/mine.dat"
"$cli" dxf --header "$work/mine.dat" "$work/sample.dcd" "$work/mine.dxf" || fail "dxf --header"
grep -q '^9$' "$work/mine.dxf" || fail "dxf --header: the title layer of the given header is not used"
exit_status 1 "dxf: missing header" "$cli" dxf --header "$work/nothere.dat" "$work/sample.dcd" "$work/none.dxf"
mv "$VIREO_DATA/DXF_HDR.DAT" "$work/hdr.keep"
exit_status 1 "dxf: no header in the data folder" "$cli" dxf "$work/sample.dcd" "$work/none.dxf"
mv "$work/hdr.keep" "$VIREO_DATA/DXF_HDR.DAT"
[ -e "$work/none.dxf" ] && fail "a failed dxf left a file"

# 5. Tango: written, read back by convert and by the document, never over its input.
head -n 1 "$work/sample.sch" | grep -q '^;Tango-Schematic 1.42J Series II' || fail "tango header"
"$cli" convert "$work/sample.sch" "$work/from-tango.dcd" || fail "convert a Tango file"
for item in wires buses junctions parts; do
    expect "tango $item" "$("$cli" info "$work/sample.dcd" | grep "^$item:")" \
        "$("$cli" info "$work/from-tango.dcd" | grep "^$item:")"
done
"$cli" tango "$work/sample.sch" "$work/again.sch" || fail "tango from a Tango file"
# The visible area of the SIZE record is not read back; the items are stable.
cmp -s <(tail -n +5 "$work/sample.sch") <(tail -n +5 "$work/again.sch") || fail "tango: a second round differs"
cp "$work/sample.dcd" "$work/before.dcd"
exit_status 1 "tango over its input" "$cli" tango "$work/sample.dcd" "$work/sample.dcd"
cmp -s "$work/sample.dcd" "$work/before.dcd" || fail "tango wrote over its input"

# 6. SVG: one picture per sheet, read by a real reader where it is installed.
expect "svg sheet" "pictures: 1" "$("$cli" svg "$work/sample.dcd" -o "$work/pic")"
grep -q '<text ' "$work/pic.svg" || fail "svg: no texts"
expect "svg project" "pictures: 2" "$("$cli" svg --bw "$work/p/p.dpj" -o "$work/proj")"
[ -s "$work/proj-1.svg" ] && [ -s "$work/proj-2.svg" ] || fail "svg: one file per project sheet"
if have rsvg-convert; then
    rsvg-convert "$work/pic.svg" -o "$work/pic.png" || fail "rsvg-convert reads our SVG"
fi
exit_status 1 "svg of a missing file" "$cli" svg "$work/nothere.dcd"

if [ $failures -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all export command-line tests passed"
