# Helpers of the command-line test scripts; source it after setting
# failures=0.  Each check prints a FAIL line and counts the failure.

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

expect() {  # expect NAME EXPECTED ACTUAL
    [ "$2" = "$3" ] || { fail "$1"; printf 'expected:\n%s\nactual:\n%s\n' "$2" "$3"; }
}

exit_status() {  # exit_status EXPECTED NAME COMMAND...
    local want=$1 name=$2
    shift 2
    "$@" >/dev/null 2>&1
    local got=$?
    [ "$got" -eq "$want" ] || fail "$name: exit $want expected, got $got"
}

# True when an outside reader is installed; otherwise a SKIP line says which
# checks did not run.
have() {  # have TOOL
    if command -v "$1" >/dev/null 2>&1; then
        return 0
    fi
    echo "SKIP: $1 is not installed (scripts/install-deps.sh installs it)"
    return 1
}
