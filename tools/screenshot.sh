#!/usr/bin/env bash
# Takes the README's picture of the window: the real program on a private X server (Xvfb), with
# settings of its own, after "Load Sample/Example Files" and a preview of the names they would
# get. Builds what it needs first.
#
# usage: tools/screenshot.sh [OUTPUT.png]      (default: docs/window.png)
# BUILD_DIR names the build folder (default build/); CORVANDER names another program to picture,
# for example the installed /usr/bin/corvander.
set -euo pipefail

SOURCE=$(cd "$(dirname "$0")/.." && pwd)
OUTPUT=$(realpath -m "${1:-$SOURCE/docs/window.png}")
BUILD=$(realpath -m "${BUILD_DIR:-$SOURCE/build}")

cmake -S "$SOURCE" -B "$BUILD" >/dev/null
cmake --build "$BUILD" --target corvander x11_probe -j "$(nproc)" >/dev/null
PROGRAM=$(command -v "${CORVANDER:-$BUILD/app/corvander}")
X_PROBE="$BUILD/tests/e2e/x11_probe"

# shellcheck source=../tests/e2e/x_session.sh
. "$SOURCE/tests/e2e/x_session.sh"

ROOT=$(mktemp -d "${TMPDIR:-/tmp}/corvander-screenshot.XXXXXX")
finish() {
    local status=$?
    xs_stop
    rm -rf "$ROOT"
    [ -z "${MADE_DESKTOP:-}" ] || rmdir "$MADE_DESKTOP" 2>/dev/null
    exit "$status"
}
trap finish EXIT
trap "exit 143" TERM INT HUP

# The picture shows what a new user sees: the results folder defaults to the user's own desktop
# folder, so the session keeps the real home and only the settings and temporary files are private.
REAL_HOME="$HOME"
xs_private_environment "$ROOT"
export HOME="$REAL_HOME"
# The preview wants that folder to exist; one made for the picture goes again afterwards.
DESKTOP="$HOME/Desktop"
MADE_DESKTOP=""
[ -d "$DESKTOP" ] || { mkdir -p "$DESKTOP" && MADE_DESKTOP="$DESKTOP"; }
xs_start_server
xs_start_program "$PROGRAM" "$ROOT"
xs_rest_pointer

xs_load_samples alt+n
[ -z "$(xs_dialogs)" ] || xs_fail "a message is in the way: $(xs_dialogs)"
# And the names the first three words would give them, in the preview column.
xs_keys_in "$XS_MAIN" ctrl+p
PROMPT=$(xs_wait_dialog "Input X")
xs_keys_in "$PROMPT" ctrl+a
xs_type_in "$PROMPT" 3
xs_keys_in "$PROMPT" Return
xs_wait_gone "$PROMPT"
sleep 1
[ -z "$(xs_dialogs)" ] || xs_fail "a message is in the way: $(xs_dialogs)"

mkdir -p "$(dirname "$OUTPUT")"
"$X_PROBE" screenshot "$XS_MAIN" "$OUTPUT"
xs_close_program
echo "$OUTPUT"
