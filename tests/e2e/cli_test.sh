#!/usr/bin/env bash
# The command line without a graphical session: a wrong option is refused with the usage line and
# status 2, and starting the window says in one line that it needs a graphical session, without
# Qt's abort.
#
# usage: cli_test.sh CORVANDER
set -euo pipefail

PROGRAM="$1"
ROOT=$(mktemp -d "${TMPDIR:-/tmp}/corvander-cli-test.XXXXXX")
trap 'rm -rf "$ROOT"' EXIT
export XDG_CONFIG_HOME="$ROOT/config" QT_QPA_PLATFORM=xcb
unset DISPLAY WAYLAND_DISPLAY

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs the program with the given arguments; leaves its status, output and errors behind.
run() {
    STATUS=0
    "$PROGRAM" "$@" >"$ROOT/out" 2>"$ROOT/err" || STATUS=$?
}

USAGE='Usage: corvander [--help | --version] [FILE | FOLDER]...'
for option in --bogus -x - --platforms; do
    run a.pdf "$option"
    [ "$STATUS" = 2 ] || fail "\"$option\" ended with status $STATUS, not 2"
    [ ! -s "$ROOT/out" ] || fail "\"$option\" wrote to standard output: $(cat "$ROOT/out")"
    [ "$(cat "$ROOT/err")" = "corvander: unknown option \"$option\""$'\n'"$USAGE" ] ||
        fail "\"$option\" said: $(cat "$ROOT/err")"
done

for arguments in "" "a.pdf" "-platform xcb"; do
    # shellcheck disable=SC2086  # the arguments are words
    run $arguments
    [ "$STATUS" = 1 ] || fail "without a display, \"$arguments\" ended with status $STATUS"
    [ "$(wc -l <"$ROOT/err")" = 1 ] || fail "without a display, \"$arguments\" said: $(cat "$ROOT/err")"
    grep -q 'a graphical session is needed' "$ROOT/err" ||
        fail "without a display, \"$arguments\" said: $(cat "$ROOT/err")"
done
[ ! -e "$ROOT/config/Fernwick.ini" ] || fail "the settings were touched without a window"
echo "PASS: wrong options refused, no display said in one line"
