#!/usr/bin/env bash
# Our netlists read by real consumers: the board tool pcb-rnd imports the
# PADS-PCB, PowerPCB, PADS-2000 and Calay outputs of the golden design in
# batch mode and writes back what it understood (tEDAx), which must be our
# nets and parts; the simulator ngspice runs the SPICE output of a divider.
# A consumer that is not installed is skipped (exit 77, shown as skipped).
#   netlist_consumers_test.sh PATH-TO-VIREO-CLI DATA-FOLDER
set -u
cli=$1
data=$2/netlist
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VIREO_CONFIG="$work/settings.ini"
failures=0
ran=0

. "$(dirname "$0")/testlib.sh"

if command -v pcb-rnd >/dev/null; then
    ran=1
    # Parts: every reference the netlist connects.
    cut -d' ' -f2 "$data/golden.conns" | sort -u >"$work/parts.expected"
    for format in 13 27 14 17; do
        base="$work/f$format"
        options=(--format "$format" --pcb FOOTPRINT --no-report -o "$base")
        [ "$format" = 17 ] && options+=(--compo cmp)
        "$cli" netlist "${options[@]}" "$data/golden.txt" >/dev/null || fail "format $format: vireo-cli"
        file="$base.net"
        [ "$format" = 27 ] && file="$base.asc"
        load="LoadPadsNetFrom($file)"
        [ "$format" = 17 ] && load="LoadCalayFrom($file)"
        printf '%s\nSaveTedax(netlist, %s)\n' "$load" "$base.tdx" |
            timeout 120 pcb-rnd --gui batch >"$base.log" 2>&1
        if [ ! -s "$base.tdx" ]; then
            fail "format $format: pcb-rnd wrote no netlist (see below)"
            cat "$base.log"
            continue
        fi
        awk '$1 == "conn" { print $2, $3, $4 }' "$base.tdx" | LC_ALL=C sort >"$base.conns"
        diff -u "$data/golden.conns" "$base.conns" || fail "format $format: pcb-rnd read other nets"
        cut -d' ' -f2 "$base.conns" | sort -u | diff -u "$work/parts.expected" - ||
            fail "format $format: pcb-rnd read other parts"
    done
else
    echo "SKIP: pcb-rnd is not installed (scripts/install-deps.sh installs it)"
fi

if command -v ngspice >/dev/null; then
    ran=1
    # The template divider.cir (named by the sheet's SPICE part) holds the
    # analysis; 5 V over two 1k resistors gives 2.5 V.
    "$cli" netlist --format SPICE --no-report -o "$work/divider" "$data/divider.txt" >/dev/null ||
        fail "spice: vireo-cli"
    timeout 120 ngspice -b "$work/divider.cir" >"$work/spice.log" 2>&1
    grep -Eq '^v\(out\) = 2\.50*e\+00' "$work/spice.log" || {
        fail "spice: ngspice did not find v(out) = 2.5"
        cat "$work/spice.log"
    }
else
    echo "SKIP: ngspice is not installed (scripts/install-deps.sh installs it)"
fi

if [ $failures -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
[ $ran -eq 0 ] && exit 77
echo "all consumer tests passed"
