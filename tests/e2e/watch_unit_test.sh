#!/usr/bin/env bash
# The watch's user unit passes systemd's own check, and its command line hands each line of the
# arguments file to "corvander watch" as one argument, spaces kept.
#
# usage: watch_unit_test.sh UNIT MAN_PAGE
set -euo pipefail

UNIT="$1"
MAN_PAGE="$2"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# The command as systemd runs it: "$$" is its escape for "$", %h and %i are filled in.
mkdir -p "$WORK/home/.config/corvander" "$WORK/bin"
printf '%s\n' --words 3 --ocr --to "$WORK/Named files" "$WORK/Scans" \
    >"$WORK/home/.config/corvander/scans.args"
printf '#!/bin/sh\nprintf "[%%s]\\n" "$@"\n' >"$WORK/bin/corvander"
chmod +x "$WORK/bin/corvander"
LINE=$(sed -n 's/^ExecStart=//p' "$UNIT")
[ -n "$LINE" ] || fail "the unit has no ExecStart"
LINE=${LINE//'$$'/'$'}
LINE=${LINE//'%h'/"$WORK/home"}
LINE=${LINE//'%i'/scans}
GOT=$(PATH="$WORK/bin:$PATH" eval "$LINE")
WANT=$(printf '[%s]\n' watch --words 3 --ocr --to "$WORK/Named files" "$WORK/Scans")
[ "$GOT" = "$WANT" ] || fail "the unit passes the arguments as: $GOT"

if ! command -v systemd-analyze >/dev/null; then
    echo "SKIP: systemd-analyze is not installed, so the unit is not verified"
    exit 0
fi
# Verified under the name it is installed by, with the manual page it points to in reach.
mkdir -p "$WORK/units" "$WORK/man/man1"
cp "$UNIT" "$WORK/units/corvander-watch@.service"
cp "$UNIT" "$WORK/units/corvander-watch@scans.service"
cp "$MAN_PAGE" "$WORK/man/man1/corvander.1"
for unit in "$WORK/units/corvander-watch@.service" "$WORK/units/corvander-watch@scans.service"; do
    OUT=$(MANPATH="$WORK/man" systemd-analyze verify "$unit" 2>&1) ||
        fail "systemd-analyze verify $(basename "$unit"): $OUT"
    [ -z "$OUT" ] || fail "systemd-analyze verify $(basename "$unit") warns: $OUT"
done
echo "PASS"
