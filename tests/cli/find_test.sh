#!/usr/bin/env bash
# vireo-cli find on the demo project in a Japanese folder: the lines of the
# occurrences in sheet order, the switches, and grep's exit statuses.
#   find_test.sh PATH-TO-VIREO-CLI EXAMPLES-FOLDER
set -u
cli=$1
examples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VIREO_CONFIG="$work/settings.ini"
failures=0

. "$(dirname "$0")/testlib.sh"

dir="$work/設計/回路"
mkdir -p "$dir"
cp "$examples"/demo/*.dpj "$examples"/demo/*.dcd "$dir"/

# A net name on two sheets, whole word: the project's sheets in list order.
expect "signal +5V" "$(printf '%s\tsignal\t+5V\t5660\t8220\n%s\tsignal\t+5V\t3360\t8820' \
    "$dir/power.dcd" "$dir/controller.dcd")" \
    "$("$cli" find +5V "$dir/demo.dpj" --kinds signal --word)"
# R1 is in R10 ... unless whole word; case folds unless --case.
expect "R1 contained" "9" "$("$cli" find r1 "$dir/demo.dpj" --kinds reference | wc -l)"
expect "R1 word" "$(printf '%s\treference\tR1\t8690\t7920' "$dir/power.dcd")" \
    "$("$cli" find R1 "$dir/demo.dpj" --kinds reference --word)"
exit_status 1 "r1 with --case" "$cli" find r1 "$dir/demo.dpj" --kinds reference --case
# Sheets given one by one, in the order given.
expect "sheets in order" "$dir/leds.dcd $dir/power.dcd" \
    "$("$cli" find R1 "$dir/leds.dcd" "$dir/power.dcd" --kinds reference | cut -f1 | uniq | paste -sd' ')"
exit_status 0 "found" "$cli" find GND "$dir/power.dcd"
exit_status 1 "not found" "$cli" find NO-SUCH-TEXT "$dir/demo.dpj" --kinds all
exit_status 2 "unknown kind" "$cli" find R1 "$dir/demo.dpj" --kinds nets
exit_status 2 "no input" "$cli" find R1
exit_status 2 "missing sheet" "$cli" find R1 "$dir/none.dcd"

[ "$failures" -eq 0 ] || exit 1
echo "find: all checks passed"
