#!/usr/bin/env bash
# Data safety of vireo-cli: parallel writers of one library, project or
# settings file; readers that meet a FIFO or a device; read-only targets (as
# the user running the tests and, when that is root, as nobody); owners kept;
# links written through; file names that do not survive the code page; and
# project and library files that must stay well-formed.
#   safety_test.sh PATH-TO-VIREO-CLI DATA-FOLDER
set -u
cli=$(realpath "$1")
data=$(realpath "$2")
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 0755 "$work"
export VIREO_CONFIG="$work/settings.ini"
failures=0

. "$(dirname "$0")/testlib.sh"

run() {  # run STATUS COMMAND...: the command's output in $work/out and $work/err
    local want=$1
    shift
    "$@" >"$work/out" 2>"$work/err"
    local got=$?
    [ "$got" -eq "$want" ] || { fail "$* exited $got, expected $want"; cat "$work/err"; }
}

writers=10

# 1. Parallel writers: every one that reports success has its change in the file.
lib="$work/c.lib"
run 0 "$cli" --yes lib put "$lib" P0 "$data/resistor.txt"
for i in $(seq 1 $writers); do
    ("$cli" --yes lib put "$lib" "P$i" "$data/resistor.txt" >/dev/null 2>"$work/put$i.err"
     echo $? >"$work/put$i.rc") &
done
wait
packages=$("$cli" lib list "$lib" | cut -f1)
ok=0
for i in $(seq 1 $writers); do
    if [ "$(cat "$work/put$i.rc")" = 0 ]; then
        ok=$((ok + 1))
        grep -qx "P$i" <<<"$packages" || fail "lib put P$i exited 0 but its package is lost"
    else
        grep -q "being changed by another program" "$work/put$i.err" || fail "lib put P$i failed unclearly"
    fi
done
[ $ok -ge 1 ] || fail "no parallel lib put succeeded"
grep -qx P0 <<<"$packages" || fail "the package before the parallel writes is lost"

project="$work/p.dpj"
printf 'Project File Ver 0.03\n1:a.dcd\nEndFileList\n' >"$project"
for i in $(seq 1 $writers); do
    ("$cli" project set "$project" "K$i" "v$i" >/dev/null 2>&1; echo $? >"$work/set$i.rc") &
done
wait
for i in $(seq 1 $writers); do
    if [ "$(cat "$work/set$i.rc")" = 0 ]; then
        [ "$("$cli" project get "$project" "K$i")" = "v$i" ] || fail "project set K$i exited 0 but is lost"
    fi
done
[ "$("$cli" project list "$project")" = "$work/a.dcd" ] || fail "parallel project set changed the sheets"

for i in $(seq 1 $writers); do
    ("$cli" --yes lib libs add "$work/l$i.lib" >/dev/null 2>&1; echo $? >"$work/libs$i.rc") &
done
wait
for i in $(seq 1 $writers); do
    if [ "$(cat "$work/libs$i.rc")" = 0 ]; then
        "$cli" lib libs | grep -qx "$work/l$i.lib" || fail "lib libs add l$i exited 0 but is lost"
    fi
done

# A writer that finds the library held by another program waits, then gives up clearly.
if have flock; then
    flock "$lib" sleep 30 &
    holder=$!
    sleep 0.3
    cp "$lib" "$work/held.lib"
    start=$SECONDS
    run 1 timeout 60 "$cli" --yes lib put "$lib" HELD "$data/resistor.txt"
    grep -q "c.lib is being changed by another program" "$work/err" || fail "held library: unclear message"
    [ $((SECONDS - start)) -lt 30 ] || fail "held library: the wait is not bounded"
    cmp -s "$lib" "$work/held.lib" || fail "held library: changed"
    kill "$holder" 2>/dev/null
    wait "$holder" 2>/dev/null
fi

# 2. Readers take regular files only, and never hang or fill the memory.
mkfifo "$work/fifo.lib"
run 1 timeout 10 "$cli" lib list "$work/fifo.lib"
grep -q "not a regular file" "$work/err" || fail "FIFO: unclear message"
run 1 timeout 10 "$cli" lib list /dev/zero
run 1 timeout 10 "$cli" txt2lib /dev/zero "$work/zero.lib"
run 1 timeout 10 "$cli" --yes lib put "$work/fifo.lib" X "$data/resistor.txt"
[ -p "$work/fifo.lib" ] || fail "the FIFO was replaced"

# 3. Read-only targets are refused by every writer, also for root.
readonly_checks() {  # readonly_checks DIR RUNNER...
    local dir=$1
    shift
    local who="${*:-the test user}"
    for f in conv.dcd text.txt get.txt p.dpj ro.dix; do
        [ -e "$dir/$f" ] || continue
        chmod 0444 "$dir/$f"
        cp "$dir/$f" "$dir/$f.before"
    done
    "$@" env VIREO_CONFIG="$dir/s.ini" "$cli" convert "$data/resistor.txt" "$dir/conv.dcd" 2>/dev/null &&
        fail "convert replaced a read-only file ($who)"
    "$@" env VIREO_CONFIG="$dir/s.ini" "$cli" lib2txt "$dir/ro.lib" "$dir/text.txt" 2>/dev/null &&
        fail "lib2txt replaced a read-only file ($who)"
    "$@" env VIREO_CONFIG="$dir/s.ini" "$cli" lib get "$dir/ro.lib" P0 -o "$dir/get.txt" 2>/dev/null &&
        fail "lib get -o replaced a read-only file ($who)"
    "$@" env VIREO_CONFIG="$dir/s.ini" "$cli" project set "$dir/p.dpj" A b 2>/dev/null &&
        fail "project set replaced a read-only file ($who)"
    "$@" env VIREO_CONFIG="$dir/s.ini" "$cli" lib index "$dir/ro.lib" >/dev/null 2>&1 &&
        fail "lib index replaced a read-only index ($who)"
    for f in conv.dcd text.txt get.txt p.dpj ro.dix; do
        cmp -s "$dir/$f" "$dir/$f.before" || fail "$f changed although read-only ($who)"
    done
}
make_readonly_set() {  # make_readonly_set DIR
    mkdir -p "$1"
    cp "$lib" "$1/ro.lib"
    echo old >"$1/conv.dcd"
    echo old >"$1/text.txt"
    echo old >"$1/get.txt"
    echo old >"$1/ro.dix"
    printf 'Project File Ver 0.03\nEndFileList\n' >"$1/p.dpj"
}
make_readonly_set "$work/ro"
readonly_checks "$work/ro"
if [ "$(id -u)" = 0 ]; then
    runner=()
    if command -v setpriv >/dev/null 2>&1; then
        runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
        getent group nogroup >/dev/null || runner=(setpriv --reuid=nobody --regid=nobody --clear-groups)
    elif command -v runuser >/dev/null 2>&1; then
        runner=(runuser -u nobody --)
    fi
    # nobody must reach the program (a build under /root is closed to it).
    if [ ${#runner[@]} -gt 0 ] && id nobody >/dev/null 2>&1 && ! "${runner[@]}" test -x "$cli"; then
        echo "SKIP: read-only checks as nobody (nobody cannot run $cli from here)"
        runner=()
    fi
    if [ ${#runner[@]} -gt 0 ] && id nobody >/dev/null 2>&1; then
        make_readonly_set "$work/nobody"
        chown -R nobody "$work/nobody"
        readonly_checks "$work/nobody" "${runner[@]}"
        # Root replacing a user's file leaves it the user's.
        chmod 0644 "$work/nobody/conv.dcd"
        "$cli" convert "$data/resistor.txt" "$work/nobody/conv.dcd" || fail "root could not write a user's file"
        [ "$(stat -c %U "$work/nobody/conv.dcd")" = nobody ] || fail "root's write took the file over"
    else
        echo "SKIP: read-only checks as a non-root user (no setpriv or runuser, or no user nobody)"
    fi
fi

# 4. A dangling link is written through: the link stays and its file appears.
ln -s made.txt "$work/link.txt"
run 0 "$cli" convert "$data/resistor.txt" "$work/link.txt"
[ -L "$work/link.txt" ] && [ -f "$work/made.txt" ] || fail "a dangling link was replaced, not written through"

# 5. Names that would come back as another file's name are refused.
run 0 "$cli" --yes lib put "$work/A～.lib" CAP "$data/resistor.txt"
cp "$work/A～.lib" "$work/A-before.lib"
run 1 "$cli" --yes lib delete "$work/A〜.lib" CAP
grep -q "code page" "$work/err" || fail "〜: unclear message"
cmp -s "$work/A～.lib" "$work/A-before.lib" || fail "lib delete A〜.lib changed A～.lib"
run 1 "$cli" --yes lib put "$work/a¥b.lib" R "$data/resistor.txt"
[ ! -e "$work/a\\b.lib" ] || fail "lib put a¥b.lib created a\\b.lib"
mkdir "$work/回路"
run 0 "$cli" --yes lib put "$work/回路/部品.lib" 抵抗 "$data/resistor.txt"
run 0 "$cli" lib list "$work/回路/部品.lib"
grep -q "^抵抗" "$work/out" || fail "a Japanese package in a Japanese folder"
run 1 "$cli" project set "$project" "波〜" x

# A final dot is part of the name: "x.lib." is not "x.lib".
cp "$lib" "$work/x.lib"
cp "$lib" "$work/x.before"
run 0 "$cli" --yes lib put "$work/x.lib." DOT "$data/resistor.txt"
cmp -s "$work/x.lib" "$work/x.before" || fail "lib put x.lib. wrote x.lib"

# 6. Project files stay projects.
printf 'Project File Ver 0.03\n1:a.dcd\n0:b.dcd\n' >"$work/noend.dpj"
run 0 "$cli" project set "$work/noend.dpj" PCB "top:1"
[ "$("$cli" project list "$work/noend.dpj" --all)" = "$(printf '1:%s\n0:%s' "$work/a.dcd" "$work/b.dcd")" ] ||
    fail "project set without EndFileList changed the sheets"
[ "$("$cli" project get "$work/noend.dpj" PCB)" = "top:1" ] || fail "project set without EndFileList: value"
cp "$work/noend.dpj" "$work/noend.before"
run 1 "$cli" project set "$work/noend.dpj" 'name\' x
cmp -s "$work/noend.dpj" "$work/noend.before" || fail "a refused property name changed the project"
for crash in fuzz_project-crash.dpj fuzz_project-crash2.dpj; do
    cp "$data/regress/$crash" "$work/fuzz.dpj"
    cp "$work/fuzz.dpj" "$work/fuzz.before"
    "$cli" project list "$work/fuzz.dpj" --all >"$work/fuzz.sheets" 2>/dev/null
    if "$cli" project set "$work/fuzz.dpj" FUZZ value 2>/dev/null; then
        "$cli" project list "$work/fuzz.dpj" --all | diff -q - "$work/fuzz.sheets" >/dev/null ||
            fail "project set changed the sheets of $crash"
        [ "$("$cli" project get "$work/fuzz.dpj" FUZZ)" = value ] || fail "project set on $crash: value"
    else
        cmp -s "$work/fuzz.dpj" "$work/fuzz.before" || fail "a refused project set changed $crash"
    fi
done

# 7. The library list keeps absolute paths; a relative one means the folder it was added in.
(cd "$work/回路" && "$cli" lib libs add rel.lib >"$work/out" 2>"$work/err") || { fail "lib libs add rel.lib"; cat "$work/err"; }
"$cli" lib libs | grep -qx "$work/回路/rel.lib" || fail "lib libs add stored a relative path"

# 8. The index follows a library put back with its old times.
cp -p "$lib" "$work/old.lib"
run 0 "$cli" --yes lib put "$lib" NEWER "$data/resistor.txt"
run 0 "$cli" lib list "$lib"
sleep 0.05
mv "$work/old.lib" "$lib"
run 0 "$cli" lib list "$lib"
grep -q NEWER "$work/out" && fail "a library put back with mv was listed from a stale index"

# 9. Deleting from a damaged library reports the damage before any question.
# The first package is whole, the last one cut short.
head -c $(($(stat -c %s "$lib") - 20)) "$lib" >"$work/damaged.lib"
run 1 "$cli" --yes lib delete "$work/damaged.lib" P0
grep -q -- "->" "$work/err" && fail "lib delete asked before reporting the damage"
grep -q "damaged.lib" "$work/err" || fail "lib delete on a damaged library: no report"

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "all data safety checks passed"
