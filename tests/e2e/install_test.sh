#!/usr/bin/env bash
# `cmake --install` into a fresh prefix: the program, its Samples, the menu entry, the icon and
# the AppStream file land where a desktop looks for them, the entry and the metadata are valid
# and come in German and French too, the translations lie beside the program, and the installed
# program speaks the user's language and, started the way the menu starts it from an unrelated
# folder, finds its Samples beside itself.
#
# usage: install_test.sh BUILD_FOLDER SOURCE_FOLDER X11_PROBE VERSION
set -euo pipefail

BUILD=$(realpath "$1")
SOURCE=$(realpath "$2")
X_PROBE=$(realpath "$3")
VERSION="$4"
APP_ID=org.example.corvander

# shellcheck source=x_session.sh
. "$(dirname "$0")/x_session.sh"

ROOT=$(mktemp -d "${TMPDIR:-/tmp}/corvander-install-test.XXXXXX")
finish() {
    local status=$?
    xs_stop
    rm -rf "$ROOT"
    exit "$status"
}
trap finish EXIT
trap "exit 143" TERM INT HUP
PREFIX="$ROOT/prefix"

cmake --install "$BUILD" --prefix "$PREFIX" >"$ROOT/install.log" ||
    xs_fail "cmake --install failed: $(cat "$ROOT/install.log")"

# The program and the links that let it find its Samples.
[ -x "$PREFIX/lib/corvander/corvander" ] || xs_fail "no program in lib/corvander"
[ -x "$PREFIX/lib/corvander/corvander-extract" ] || xs_fail "no extraction worker in lib/corvander"
[ "$(realpath "$PREFIX/bin/corvander")" = "$(realpath "$PREFIX/lib/corvander/corvander")" ] ||
    xs_fail "bin/corvander does not lead to the program"
[ "$(realpath "$PREFIX/lib/corvander/Samples")" = "$(realpath "$PREFIX/share/corvander/Samples")" ] ||
    xs_fail "the Samples beside the program do not lead to share/corvander/Samples"
(cd "$SOURCE/resources/Samples" && sha256sum -- *.pdf) >"$ROOT/expected.sums"
(cd "$PREFIX/lib/corvander/Samples" && sha256sum -- *) >"$ROOT/installed.sums"
cmp -s "$ROOT/expected.sums" "$ROOT/installed.sums" ||
    xs_fail "the installed Samples differ from resources/Samples: $(diff "$ROOT/expected.sums" "$ROOT/installed.sums")"

# The menu entry, the icon it names, and the AppStream file that points at the entry.
DESKTOP="$PREFIX/share/applications/$APP_ID.desktop"
METAINFO="$PREFIX/share/metainfo/$APP_ID.metainfo.xml"
ICON="$PREFIX/share/icons/hicolor/64x64/apps/corvander.png"
desktop-file-validate "$DESKTOP" || xs_fail "the desktop entry is not valid"
appstreamcli validate --no-net --pedantic "$METAINFO" >"$ROOT/appstream.log" ||
    xs_fail "the AppStream file is not valid: $(cat "$ROOT/appstream.log")"
grep -qx "Icon=corvander" "$DESKTOP" || xs_fail "the desktop entry names another icon"
grep -qF "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$METAINFO" ||
    xs_fail "the AppStream file does not name the desktop entry"
grep -qF "<release version=\"$VERSION\"" "$METAINFO" || xs_fail "the AppStream release is not $VERSION"
# A PNG keeps its width and height as two big-endian numbers from byte 16 on.
[ "$(od -An -tx1 -j16 -N8 "$ICON" | tr -d ' \n')" = "0000004000000040" ] ||
    xs_fail "the icon is not 64x64"
SCALABLE="$PREFIX/share/icons/hicolor/scalable/apps/corvander.svg"
grep -q '<svg [^>]*viewBox="0 0 64 64"' "$SCALABLE" 2>/dev/null ||
    xs_fail "no scalable icon in hicolor/scalable/apps"
# The German and French texts of the menu and of the software centre.
for lang in de fr; do
    grep -q "^Comment\[$lang\]=" "$DESKTOP" || xs_fail "the desktop entry has no $lang comment"
    grep -q "<summary xml:lang=\"$lang\">" "$METAINFO" || xs_fail "the AppStream file has no $lang summary"
    grep -q "<lang percentage=\"100\">$lang</lang>" "$METAINFO" ||
        xs_fail "the AppStream file does not name $lang among its languages"
done
grep -q '<screenshot type="default">' "$METAINFO" || xs_fail "the AppStream file shows no screenshot"

# The translations, where the program looks for them: "translations" beside it.
for lang in de fr; do
    [ -s "$PREFIX/share/corvander/translations/corvander_$lang.qm" ] ||
        xs_fail "no corvander_$lang.qm in share/corvander/translations"
done
[ "$(realpath "$PREFIX/lib/corvander/translations")" = "$(realpath "$PREFIX/share/corvander/translations")" ] ||
    xs_fail "the translations beside the program do not lead to share/corvander/translations"

# The manual page and the bash completion of the commands.
MAN_PAGE="$PREFIX/share/man/man1/corvander.1.gz"
[ -f "$MAN_PAGE" ] || xs_fail "no manual page in share/man/man1"
MANWIDTH=100 man -l "$MAN_PAGE" 2>/dev/null | grep -qF "corvander rename FAMILY [options] --to DIR PATH..." ||
    xs_fail "the manual page does not show the rename command"
zcat "$MAN_PAGE" | grep -qF "Corvander $VERSION" || xs_fail "the manual page is not of version $VERSION"
# The German and French pages, with every option the English page has.
for page in "de:corvander rename FAMILIE [Optionen] --to ORDNER PFAD..." \
    "fr:corvander rename FAMILLE [options] --to DOSSIER CHEMIN..."; do
    lang=${page%%:*}
    LOCAL_PAGE="$PREFIX/share/man/$lang/man1/corvander.1.gz"
    MANWIDTH=100 man -l "$LOCAL_PAGE" 2>/dev/null | grep -qF "${page#*:}" ||
        xs_fail "the $lang manual page does not show the rename command"
    zcat "$LOCAL_PAGE" | grep -qF "Corvander $VERSION" || xs_fail "the $lang manual page is not of version $VERSION"
    for option in $(zcat "$MAN_PAGE" | grep -o '^\.B[IR]* \\-\\-[a-z\\-]*' | sed 's/^[^ ]* //' | sort -u); do
        zcat "$LOCAL_PAGE" | grep -qF -- "$option" || xs_fail "the $lang manual page lacks $option"
    done
done
COMPLETION="$PREFIX/share/bash-completion/completions/corvander"
bash -c '. "$1" && complete -p corvander' _ "$COMPLETION" >/dev/null 2>&1 ||
    xs_fail "the bash completion does not complete corvander"
[ -f "$PREFIX/lib/systemd/user/corvander-watch@.service" ] ||
    xs_fail "no user unit for the watch in lib/systemd/user"

cd /
[ "$("$PREFIX/bin/corvander" --version)" = "Corvander $VERSION" ] ||
    xs_fail "the installed program does not tell its version"
env LANG=de_DE.UTF-8 LANGUAGE= "$PREFIX/bin/corvander" --help | grep -qF "Aufruf: corvander" ||
    xs_fail "the installed program does not speak German under de_DE"
env LANG=fr_FR.UTF-8 LANGUAGE= "$PREFIX/bin/corvander" --help | grep -qF "Usage : corvander" ||
    xs_fail "the installed program does not speak French under fr_FR"

# The installed commands work without any display, from an unrelated folder.
mkdir -p "$ROOT/cli/in" "$ROOT/cli/out"
cp "$SOURCE/resources/Samples/scan0001.pdf" "$ROOT/cli/in/"
CLI_OUT=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$PREFIX/bin/corvander" rename --words 3 --to "$ROOT/cli/out" "$ROOT/cli/in") ||
    xs_fail "the installed rename command failed"
[ "$CLI_OUT" = "copied	$ROOT/cli/in/scan0001.pdf	Alderbank Paper Supplies.pdf" ] ||
    xs_fail "the installed rename command printed: $CLI_OUT"

# The entry opens PDF files: a file manager offers it for them and hands them over as %F.
EXEC=$(sed -n 's/^Exec=//p' "$DESKTOP")
[ "$EXEC" = "corvander %F" ] || xs_fail "unexpected Exec line: $EXEC"
grep -qx "MimeType=application/pdf;" "$DESKTOP" || xs_fail "the desktop entry does not open PDF files"

# Start it as the menu would: the entry's command with no files for %F, found on the PATH, from an
# unrelated folder.
xs_private_environment "$ROOT/session"
export PATH="$PREFIX/bin:$PATH"
xs_start_server
xs_start_program "${EXEC% %F}" "$ROOT/session/home"
xs_rest_pointer
# The first start records the samples it finds beside itself; an empty record means none.
grep -q '^Snapshot=..*' "$XDG_CONFIG_HOME/Fernwick.ini" ||
    xs_fail "the installed program found no samples: $(cat "$XDG_CONFIG_HOME/Fernwick.ini")"
xs_load_samples alt+y
grep -qx "file://$PREFIX/lib/corvander/Samples/\?" "$ROOT/session/opened.log" ||
    xs_fail "\"Yes\" did not open the installed Samples: $(cat "$ROOT/session/opened.log" 2>/dev/null)"
xs_close_program
[ "$XS_EXIT_STATUS" = 0 ] || xs_fail "the installed program ended with status $XS_EXIT_STATUS"
echo "PASS: installed layout, menu entry, AppStream file and the installed program"
