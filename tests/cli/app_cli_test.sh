#!/usr/bin/env bash
# Command-line tests of the project and document commands of vireo-cli:
# project list/get/set, resave with its backup, info with title file and
# properties, and the refusals that must leave files untouched.
#   app_cli_test.sh PATH-TO-VIREO-CLI DATA-FOLDER
set -u
cli=$1
data=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
export VIREO_CONFIG="$work/settings.ini"
export VIREO_DATA="$work/data"
mkdir -p "$VIREO_DATA"
failures=0

. "$(dirname "$0")/testlib.sh"

# 1. A project of version 0.03 with a subfolder, an unchecked sheet and properties.
mkdir -p "$work/p/sub"
cp "$data/v8.dcd" "$work/p/top.dcd"
cp "$data/v6.dcd" "$work/p/sub/power.dcd"
printf 'Project File Ver 0.03\n1:top.dcd\n0:sub\\power.dcd\nEndFileList\nPropaty List\n&PCB&board.pcb\nEndPropatyList\n' >"$work/p/p.dpj"

expect "list" "$work/p/top.dcd" "$("$cli" project list "$work/p/p.dpj")"
expect "list --all" "1:$work/p/top.dcd
0:$work/p/sub/power.dcd" "$("$cli" project list "$work/p/p.dpj" --all)"
expect "get" "board.pcb" "$("$cli" project get "$work/p/p.dpj" pcb)"
"$cli" project set "$work/p/p.dpj" DRAWNO "D-100" || fail "set"
expect "get after set" "D-100" "$("$cli" project get "$work/p/p.dpj" DRAWNO)"
expect "all properties" "&PCB&board.pcb
&DRAWNO&D-100" "$("$cli" project get "$work/p/p.dpj")"
grep -q '^Property List$' "$work/p/p.dpj" || fail "the misspelt list header is not rewritten"
"$cli" project set "$work/p/p.dpj" PCB "" || fail "remove"
"$cli" project get "$work/p/p.dpj" PCB >/dev/null 2>&1 && fail "removed property still there"
expect "file list kept" "1:$work/p/top.dcd
0:$work/p/sub/power.dcd" "$("$cli" project list "$work/p/p.dpj" --all)"

# A project of version 0.02: whole lines are paths, all checked.
printf 'Project File Ver 0.02\n%s\n' "$work/p/top.dcd" >"$work/old.dpj"
expect "v2 list" "1:$work/p/top.dcd" "$("$cli" project list "$work/old.dpj" --all)"

# Refusals: no project file, a value with a line break, usage errors.
printf 'not a project\n' >"$work/junk.dpj"
"$cli" project list "$work/junk.dpj" >/dev/null 2>&1; [ $? -eq 1 ] || fail "junk project: exit 1 expected"
"$cli" project set "$work/junk.dpj" A 1 >/dev/null 2>&1; [ $? -eq 1 ] || fail "set on junk: exit 1 expected"
expect "junk untouched" "not a project" "$(cat "$work/junk.dpj")"
before=$(cat "$work/p/p.dpj")
"$cli" project set "$work/p/p.dpj" A "$(printf 'two\nlines')" >/dev/null 2>&1; [ $? -eq 1 ] || fail "line break accepted"
expect "project untouched" "$before" "$(cat "$work/p/p.dpj")"
for args in "project" "project list" "project frob $work/p/p.dpj" "project set $work/p/p.dpj A" "project list $work/p/p.dpj --bogus"; do
    # shellcheck disable=SC2086
    "$cli" $args >/dev/null 2>&1
    [ $? -eq 2 ] || fail "usage '$args': exit 2 expected"
done

# 2. resave: version 8 afterwards, the old file as backup, same items.
cp "$data/v5.dcd" "$work/r.dcd"
"$cli" resave "$work/r.dcd" 2>/dev/null || fail "resave"
cmp -s "$data/v5.dcd" "$work/r.bak" || fail "resave: the backup is not the old file"
expect "resaved version" "version: 8" "$("$cli" info "$work/r.dcd" | head -n 1)"
expect "resaved items" "$("$cli" info "$data/v5.dcd" | tail -n 8)" "$("$cli" info "$work/r.dcd" | tail -n 8)"
"$cli" resave "$work/r.dcd" 2>/dev/null || fail "second resave"
"$cli" info "$work/r.bak" | head -n 1 | grep -q "version: 8" || fail "backups do not rotate"

# A read-only file is refused and stays as it was.
cp "$data/v7.dcd" "$work/ro.dcd"
chmod 444 "$work/ro.dcd"
"$cli" resave "$work/ro.dcd" >/dev/null 2>&1; [ $? -eq 1 ] || fail "read-only resave: exit 1 expected"
cmp -s "$data/v7.dcd" "$work/ro.dcd" || fail "read-only file changed"
[ ! -e "$work/ro.bak" ] || fail "read-only file got a backup"
# A damaged file is refused and stays as it was.
head -c 100 "$data/v8.dcd" >"$work/bad.dcd"
cp "$work/bad.dcd" "$work/bad.orig"
"$cli" resave "$work/bad.dcd" >/dev/null 2>&1; [ $? -eq 1 ] || fail "damaged resave: exit 1 expected"
cmp -s "$work/bad.dcd" "$work/bad.orig" || fail "damaged file changed"

# 3. info names the title file and the properties.
"$cli" info "$data/v8.dcd" | grep -q '^title_file: Title.A3$' || fail "info: no title file"
"$cli" info "$data/v8.dcd" | grep -q '^property: &Author&' || fail "info: no properties"

if [ $failures -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all project command-line tests passed"
