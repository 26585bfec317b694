# shellcheck shell=bash disable=SC2034  # the callers read what these functions leave behind
# Shared by the window test and tools/screenshot.sh: a private X server, the real program on it
# with its own settings and temporary folders, and the few things a person does with a mouse and
# a keyboard. Source it; the caller sets X_PROBE (the x11_probe helper) and calls xs_stop on
# exit.
#
# The window has no window manager around it. Its controls stand below the menu bar, from the
# client area's top-left corner, where the layout's twips (15 to a pixel) give every control's
# place at the default size.

XS_ROOT=""
XS_PROGRAM_PID=""
XS_SERVER_PID=""
XS_WATCH_PID=""
XS_MAIN=""
XS_CLIENT_TOP=0
XS_EXIT_STATUS=""

xs_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

xs_now_ms() { date +%s%3N; }

# Starts Xvfb on the first free display number and exports DISPLAY. XS_SCREEN sets the screen
# (default 1024x768x24).
xs_start_server() {
    local number_file="$XS_ROOT/display"
    Xvfb -displayfd 3 -screen 0 "${XS_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$number_file" \
        >"$XS_ROOT/xvfb.log" 2>&1 &
    XS_SERVER_PID=$!
    local deadline=$(($(xs_now_ms) + 20000))
    while [ ! -s "$number_file" ]; do
        kill -0 "$XS_SERVER_PID" 2>/dev/null || xs_fail "Xvfb did not start: $(cat "$XS_ROOT/xvfb.log")"
        [ "$(xs_now_ms)" -lt "$deadline" ] || xs_fail "Xvfb gave no display number"
        sleep 0.05
    done
    DISPLAY=":$(head -n 1 "$number_file")"
    export DISPLAY
}

# Gives the program a home, settings, run-time and temporary folder of its own under $1, and a
# stand-in for the desktop's opener that only writes down what it was asked to open, so that
# no file manager or browser ever starts.
xs_private_environment() {
    local root="$1"
    XS_ROOT="$root"
    mkdir -p "$root/home" "$root/config" "$root/tmp" "$root/bin" "$root/runtime"
    chmod 700 "$root/runtime"
    cat >"$root/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >>"$root/opened.log"
EOF
    chmod +x "$root/bin/xdg-open"
    export HOME="$root/home" XDG_CONFIG_HOME="$root/config" XDG_RUNTIME_DIR="$root/runtime"
    export TMPDIR="$root/tmp" PATH="$root/bin:$PATH" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
    unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID \
        QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
}

# Starts the program from the folder $2 (any folder: it must not matter), with any further
# arguments, and waits for its window.
xs_start_program() {
    local program="$1" folder="$2"
    shift 2
    (cd "$folder" && exec "$program" "$@") >"$XS_ROOT/program.log" 2>&1 &
    XS_PROGRAM_PID=$!
    XS_MAIN=""
    local deadline=$(($(xs_now_ms) + 30000))
    while [ -z "$XS_MAIN" ]; do
        kill -0 "$XS_PROGRAM_PID" 2>/dev/null ||
            xs_fail "the program ended before its window showed: $(cat "$XS_ROOT/program.log")"
        [ "$(xs_now_ms)" -lt "$deadline" ] || xs_fail "the window did not show"
        XS_MAIN=$(xdotool search --onlyvisible --pid "$XS_PROGRAM_PID" --name '^Corvander$' \
            2>/dev/null | head -n 1 || true)
        [ -n "$XS_MAIN" ] || sleep 0.05
    done
    # At the default size the menu bar takes what the window has above the drawn 577 pixels.
    local WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$XS_MAIN")"
    XS_CLIENT_TOP=$((HEIGHT - 577))
}

# The program's visible dialog windows other than the main window, one "id<TAB>title" a line.
xs_dialogs() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$XS_PROGRAM_PID" --name '.*' 2>/dev/null); do
        [ "$id" = "$XS_MAIN" ] && continue
        xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG ||
            continue
        printf '%s\t%s\n' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)"
    done
}

# Keeps a picture of the screen's windows for whoever reads the failure.
xs_keep_pictures() {
    local folder="$1" id
    mkdir -p "$folder"
    [ -n "$XS_MAIN" ] && "$X_PROBE" screenshot "$XS_MAIN" "$folder/window.png" 2>/dev/null
    while IFS=$'\t' read -r id _; do
        "$X_PROBE" screenshot "$id" "$folder/dialog-$id.png" 2>/dev/null
    done < <(xs_dialogs)
    echo "pictures of the screen are in $folder" >&2
}

# Waits for a dialog titled $1 and prints its window id. An error report instead fails at once.
xs_wait_dialog() {
    local title="$1" timeout_ms="${2:-30000}" deadline id name
    deadline=$(($(xs_now_ms) + timeout_ms))
    while :; do
        while IFS=$'\t' read -r id name; do
            [ "$name" = "$title" ] && {
                echo "$id"
                return 0
            }
            [ "$name" = "Application Error" ] && xs_fail "an \"Application Error\" report showed"
        done < <(xs_dialogs)
        kill -0 "$XS_PROGRAM_PID" 2>/dev/null || xs_fail "the program ended while waiting for \"$title\""
        [ "$(xs_now_ms)" -lt "$deadline" ] || xs_fail "no \"$title\" dialog within $((timeout_ms / 1000)) s"
        sleep 0.05
    done
}

xs_wait_gone() {
    local id="$1" deadline
    deadline=$(($(xs_now_ms) + 10000))
    while xdotool search --onlyvisible --pid "$XS_PROGRAM_PID" --name '.*' 2>/dev/null | grep -qx "$id"; do
        [ "$(xs_now_ms)" -lt "$deadline" ] || xs_fail "dialog $id did not close"
        sleep 0.05
    done
}

# Presses keys in the dialog $1, as a person whose focus is in that dialog.
xs_keys_in() {
    local id="$1"
    shift
    xdotool windowfocus --sync "$id" key --clearmodifiers "$@"
}

xs_type_in() {
    xdotool windowfocus --sync "$1" type --clearmodifiers --delay 2 -- "$2"
}

# The centre of a control in the window, from its container's and its own place in twips.
xs_control_centre() {
    local px=$1 py=$2 left=$3 top=$4 width=$5 height=$6
    local x=$(((px + 7) / 15 + (left + 7) / 15 + (width + 7) / 30))
    local y=$((XS_CLIENT_TOP + (py + 7) / 15 + (top + 7) / 15 + (height + 7) / 30))
    echo "$x $y"
}

xs_click() {
    # shellcheck disable=SC2046
    xdotool mousemove --window "$XS_MAIN" $(xs_control_centre "$@") click 1
}

# Puts the pointer on the window's bare left margin, where it shows the window's own pointer.
xs_rest_pointer() { xdotool mousemove --window "$XS_MAIN" 4 300; }

# Starts watching the pointer; xs_wait_busy_cycle then waits until it has changed twice: to the
# busy pointer and away from it again, so a long operation began and ended. Pointers are told
# apart by identity, not by name, since cursor themes name them differently or not at all.
xs_watch_pointer() {
    local log="$XS_ROOT/pointer.log"
    : >"$log"
    "$X_PROBE" watch-cursor 120 >"$log" &
    XS_WATCH_PID=$!
    local deadline=$(($(xs_now_ms) + 10000))
    while [ ! -s "$log" ]; do
        [ "$(xs_now_ms)" -lt "$deadline" ] || xs_fail "the pointer watch did not start"
        sleep 0.02
    done
}

xs_wait_busy_cycle() {
    local log="$XS_ROOT/pointer.log" deadline
    deadline=$(($(xs_now_ms) + $1))
    until awk 'NR == 2 { busy = $1 } NR > 2 && $1 != busy { done = 1 } END { exit !done }' "$log"; do
        [ -z "$(xs_dialogs | grep -P '\tApplication Error$' || true)" ] ||
            xs_fail "an \"Application Error\" report showed"
        [ "$(xs_now_ms)" -lt "$deadline" ] || xs_fail "the busy pointer did not come and go: $(cat "$log")"
        sleep 0.05
    done
    kill "$XS_WATCH_PID" 2>/dev/null || true
    wait "$XS_WATCH_PID" 2>/dev/null || true
    XS_WATCH_PID=""
}

# Presses "Load Sample/Example Files", answers the question about opening the Samples folder
# with the given key (alt+y or alt+n) and waits until the readability check that follows is over.
xs_load_samples() {
    xs_click 0 0 4080 3040 3840 405
    local question
    question=$(xs_wait_dialog "Corvander")
    xs_rest_pointer
    xs_watch_pointer
    xs_keys_in "$question" "$1"
    xs_wait_gone "$question"
    xs_wait_busy_cycle 60000
}

# Closes the window as a window manager's close button would; the program's exit status is then
# in XS_EXIT_STATUS. Not for a command substitution: only this shell can collect the status.
xs_close_program() {
    "$X_PROBE" close "$XS_MAIN"
    local deadline=$(($(xs_now_ms) + 15000))
    while kill -0 "$XS_PROGRAM_PID" 2>/dev/null; do
        [ "$(xs_now_ms)" -lt "$deadline" ] || xs_fail "the program did not end after its window was closed"
        sleep 0.05
    done
    XS_EXIT_STATUS=0
    wait "$XS_PROGRAM_PID" || XS_EXIT_STATUS=$?
    XS_PROGRAM_PID=""
}

# Ends whatever of ours still runs: the pointer watch, the program, the X server.
xs_stop() {
    local pid
    for pid in "$XS_WATCH_PID" "$XS_PROGRAM_PID" "$XS_SERVER_PID"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    XS_WATCH_PID="" XS_PROGRAM_PID="" XS_SERVER_PID=""
}
