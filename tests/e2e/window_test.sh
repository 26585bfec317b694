#!/usr/bin/env bash
# A newcomer's session with the real program on a real X server: load the sample files, answer
# the question, rename them by content and by metadata, close the window. Then the results
# folders must hold exactly the expected copies, the sample files must be unchanged, and nothing
# of the program may be left running or lying in its temporary folder. A second start is a file
# manager's "Open with": a file and a folder (upper-case names inside) on the command line,
# renamed with the keyboard alone, with a look at Help, About. A third start, on a full-HD screen
# at scale 2, must fit the screen.
#
# usage: window_test.sh CORVANDER X11_PROBE ARTIFACT_FOLDER
set -euo pipefail

PROGRAM=$(realpath "$1")
X_PROBE=$(realpath "$2")
ARTIFACTS="$3"
SAMPLES="$(dirname "$PROGRAM")/Samples"

# shellcheck source=x_session.sh
. "$(dirname "$0")/x_session.sh"

ROOT=$(mktemp -d "${TMPDIR:-/tmp}/corvander-window-test.XXXXXX")
finish() {
    local status=$?
    if [ "$status" -ne 0 ] && [ -n "$XS_SERVER_PID" ]; then
        xs_keep_pictures "$ARTIFACTS" || true
        [ -f "$ROOT/program.log" ] && sed 's/^/program: /' "$ROOT/program.log" >&2
    fi
    xs_stop
    rm -rf "$ROOT"
    exit "$status"
}
trap finish EXIT
trap "exit 143" TERM INT HUP
rm -rf "$ARTIFACTS"

# Mode 0 with x = 3 takes the first three words of each document; "%a - %t" is author and title.
# A document without a title still gets its author and the separator.
declare -A BY_CONTENT=(
    ["Jonas Weller 12.pdf"]="document.pdf"
    ["Water Quality in.pdf"]="report_final_v2.pdf"
    ["Alderbank Paper Supplies.pdf"]="scan0001.pdf"
    ["Minutes of the.pdf"]="untitled.pdf"
)
# shellcheck disable=SC2034  # read through a name reference
declare -A BY_METADATA=(
    ["Jonas Weller -.pdf"]="document.pdf"
    ["Maren Holt - Water Quality in the River Aln.pdf"]="report_final_v2.pdf"
    ["Alderbank Paper Supplies - Invoice 2041-07.pdf"]="scan0001.pdf"
    ["C. Dale - Board Meeting Minutes.pdf"]="untitled.pdf"
)
# shellcheck disable=SC2034  # read through a name reference
declare -A OPENED_BY_METADATA=(
    ["Maren Holt - Water Quality in the River Aln.pdf"]="report_final_v2.pdf"
    ["Alderbank Paper Supplies - Invoice 2041-07.pdf"]="scan0001.pdf"
    ["C. Dale - Board Meeting Minutes.pdf"]="untitled.pdf"
)

# Exactly the expected names, each a byte-for-byte copy of its sample.
check_results() {
    local folder="$1" name found
    local -n expected="$2"
    found=$(cd "$folder" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort)
    [ "$found" = "$(printf '%s\n' "${!expected[@]}" | LC_ALL=C sort)" ] ||
        xs_fail "$folder holds:"$'\n'"$found"$'\n'"expected:"$'\n'"$(printf '%s\n' "${!expected[@]}" | LC_ALL=C sort)"
    for name in "${!expected[@]}"; do
        cmp -s "$folder/$name" "$SAMPLES/${expected[$name]}" ||
            xs_fail "$folder/$name is not a copy of ${expected[$name]}"
    done
}

[ -d "$SAMPLES" ] || xs_fail "no Samples folder beside $PROGRAM"
for source in "${BY_CONTENT[@]}"; do
    [ -f "$SAMPLES/$source" ] || xs_fail "the sample $source is missing from $SAMPLES"
done
SOURCES_BEFORE=$(cd "$SAMPLES" && sha256sum -- *)

xs_private_environment "$ROOT"
mkdir -p "$ROOT/results/content" "$ROOT/results/metadata"
xs_start_server
xs_start_program "$PROGRAM" "$ROOT/home"
xs_rest_pointer

# Window coordinates in twips: the window itself, and the frames that hold the options and the
# results folder.
WINDOW="0 0"
FRAME1="120 4275"
FRAME2="120 6705"

# "Load Sample/Example Files", then "Yes" to seeing the folder; the readability check follows.
xs_load_samples alt+y
[ -z "$(xs_dialogs)" ] || xs_fail "the samples were reported unreadable or something else showed: $(xs_dialogs)"
grep -qx "file://$SAMPLES/\?" "$ROOT/opened.log" ||
    xs_fail "\"Yes\" did not open $SAMPLES: $(cat "$ROOT/opened.log" 2>/dev/null)"

# Rename by content: the first three words.
# shellcheck disable=SC2086
xs_click $FRAME2 240 300 6630 345
xs_keys_in "$XS_MAIN" ctrl+a
xs_type_in "$XS_MAIN" "$ROOT/results/content/"
# shellcheck disable=SC2086
xs_click $WINDOW 120 7620 7800 405
PROMPT=$(xs_wait_dialog "Input X")
xs_keys_in "$PROMPT" ctrl+a
xs_type_in "$PROMPT" 3
xs_keys_in "$PROMPT" Return
DONE=$(xs_wait_dialog "Corvander" 60000)
xs_keys_in "$DONE" Return
xs_wait_gone "$DONE"
check_results "$ROOT/results/content" BY_CONTENT

# Rename by metadata with the "%a - %t" preset: no questions this time.
# shellcheck disable=SC2086
xs_click $FRAME1 240 1065 2175 255
# shellcheck disable=SC2086
xs_click $FRAME1 1800 1800 1080 405
# shellcheck disable=SC2086
xs_click $FRAME2 240 300 6630 345
xs_keys_in "$XS_MAIN" ctrl+a
xs_type_in "$XS_MAIN" "$ROOT/results/metadata/"
# shellcheck disable=SC2086
xs_click $WINDOW 120 7620 7800 405
DONE=$(xs_wait_dialog "Corvander" 60000)
xs_keys_in "$DONE" Return
xs_wait_gone "$DONE"
check_results "$ROOT/results/metadata" BY_METADATA

xs_close_program
[ "$XS_EXIT_STATUS" = 0 ] || xs_fail "the program ended with status $XS_EXIT_STATUS"

[ "$(cd "$SAMPLES" && sha256sum -- *)" = "$SOURCES_BEFORE" ] || xs_fail "the sample files changed"
LEFT=$(find "$ROOT/tmp" -mindepth 1 -maxdepth 1 -name 'corvander*')
[ -z "$LEFT" ] || xs_fail "the work folder was left behind: $LEFT"
SETTINGS="$ROOT/config/Fernwick.ini"
for line in '[Corvander]' 'Option2=True' 'Text2=%a - %t' "Text1=$ROOT/results/metadata/"; do
    grep -qxF -- "$line" "$SETTINGS" || xs_fail "the settings lack \"$line\": $(cat "$SETTINGS")"
done

# "Open with Corvander" on a file and a folder, as a file manager starts the menu entry's
# "corvander %F". The folder holds scanner-style upper-case names and a file that is no PDF.
mkdir -p "$ROOT/incoming/more" "$ROOT/results/opened"
cp "$SAMPLES/scan0001.pdf" "$ROOT/incoming/SCAN0001.PDF"
cp "$SAMPLES/untitled.pdf" "$ROOT/incoming/more/Untitled.Pdf"
echo "not a pdf" >"$ROOT/incoming/broken.pdf"
xs_start_program "$PROGRAM" "$ROOT/home" "$SAMPLES/report_final_v2.pdf" "$ROOT/incoming"
# The readability check after the additions names the broken file.
CHECK=$(xs_wait_dialog "Corvander" 60000)
xs_keys_in "$CHECK" Return
xs_wait_gone "$CHECK"
# Help, About Corvander from the menu, by the keyboard.
xs_keys_in "$XS_MAIN" alt+h a
ABOUT=$(xs_wait_dialog "About Corvander")
xs_keys_in "$ABOUT" Return
xs_wait_gone "$ABOUT"
# The metadata format stayed from the first start; Enter in the results folder starts the run.
# shellcheck disable=SC2086
xs_click $FRAME2 240 300 6630 345
xs_keys_in "$XS_MAIN" ctrl+a
xs_type_in "$XS_MAIN" "$ROOT/results/opened/"
xs_keys_in "$XS_MAIN" Return
DONE=$(xs_wait_dialog "Corvander" 60000)
xs_keys_in "$DONE" Return
xs_wait_gone "$DONE"
check_results "$ROOT/results/opened" OPENED_BY_METADATA
xs_close_program
[ "$XS_EXIT_STATUS" = 0 ] || xs_fail "the opened session ended with status $XS_EXIT_STATUS"

# At scale 2 a full-HD screen is 960 x 540 of the window's pixels: the window must fit, with
# room for a title bar.
xs_stop
XS_SCREEN=1920x1080x24 xs_start_server
QT_SCALE_FACTOR=2 xs_start_program "$PROGRAM" "$ROOT/home"
eval "$(xdotool getwindowgeometry --shell "$XS_MAIN")"
[ "$WIDTH" = 1632 ] && [ "$HEIGHT" -le $((1080 - 80)) ] ||
    xs_fail "at scale 2 the window is ${WIDTH}x${HEIGHT} on a 1920x1080 screen"
"$X_PROBE" screenshot "$XS_MAIN" "$ROOT/scale2.png" || xs_fail "no picture of the window at scale 2"
xs_close_program
[ "$XS_EXIT_STATUS" = 0 ] || xs_fail "the session at scale 2 ended with status $XS_EXIT_STATUS"
echo "PASS: samples loaded, renamed by content and by metadata, files opened from outside and renamed by the keyboard, the window fits at scale 2"
