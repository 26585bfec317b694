#!/usr/bin/env bash
# The program's command line in the user's language: `corvander --help`, a command's --help, a
# wrong option, a usage error and a missing display in German and French, chosen by the locale; and under the C
# locale, whatever LANGUAGE says, or an English one, every text exactly as the program writes it
# with no translation at all.
#
# usage: languages_test.sh CORVANDER
set -euo pipefail

PROGRAM="$1"
ROOT=$(mktemp -d "${TMPDIR:-/tmp}/corvander-languages-test.XXXXXX")
trap 'rm -rf "$ROOT"' EXIT
export XDG_CONFIG_HOME="$ROOT/config"
unset DISPLAY WAYLAND_DISPLAY LC_ALL LC_MESSAGES LANG LANGUAGE

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs the program under the locale variables given first (NAME=VALUE words, then "--");
# leaves its status, output and errors behind in files named after $1 of the rest.
run_in() {
    local -a locale=()
    while [ "$1" != "--" ]; do
        locale+=("$1")
        shift
    done
    shift
    local name="$1"
    shift
    STATUS=0
    env "${locale[@]}" "$PROGRAM" "$@" >"$ROOT/$name.out" 2>"$ROOT/$name.err" || STATUS=$?
}

expect_in() {
    local file="$1"
    shift
    for text in "$@"; do
        grep -qF -- "$text" "$ROOT/$file" || fail "$file lacks \"$text\": $(cat "$ROOT/$file")"
    done
}

# Without any translation: the folder of translations hidden from the program by a copy of it
# that stands alone.
cp "$PROGRAM" "$ROOT/alone"
run_alone() {
    local name="$1"
    shift
    STATUS=0
    env LANG=de_DE.UTF-8 "$ROOT/alone" "$@" >"$ROOT/$name.out" 2>"$ROOT/$name.err" || STATUS=$?
}
run_alone plain --help
expect_in plain.out "Usage: corvander [--help | --version] [FILE | FOLDER]..." "Options:" \
    "  corvander rename FAMILY [options] --to DIR PATH..."
run_alone plain-rename rename --help
run_alone plain-refusal --bogus
run_alone plain-usage rename --words 3

for locale in "LANG=C.UTF-8 LANGUAGE=de:fr" "LC_ALL=C LANG=de_DE.UTF-8" "LANG=POSIX LANGUAGE=fr" \
    "LANG=en_US.UTF-8" "LANG=de_DE.UTF-8 LANGUAGE=en:de"; do
    # shellcheck disable=SC2086  # the words are the variables
    run_in $locale -- help --help
    cmp -s "$ROOT/help.out" "$ROOT/plain.out" ||
        fail "under $locale --help differs: $(diff "$ROOT/plain.out" "$ROOT/help.out")"
    # shellcheck disable=SC2086
    run_in $locale -- rename rename --help
    cmp -s "$ROOT/rename.out" "$ROOT/plain-rename.out" || fail "under $locale rename --help differs"
    # shellcheck disable=SC2086
    run_in $locale -- refusal --bogus
    cmp -s "$ROOT/refusal.err" "$ROOT/plain-refusal.err" || fail "under $locale a refusal differs"
    # shellcheck disable=SC2086
    run_in $locale -- usage rename --words 3
    cmp -s "$ROOT/usage.err" "$ROOT/plain-usage.err" || fail "under $locale a usage error differs"
done

run_in LANG=de_DE.UTF-8 -- de --help
[ "$STATUS" = 0 ] || fail "German --help ended with status $STATUS"
expect_in de.out "Aufruf: corvander [--help | --version] [DATEI | ORDNER]..." "Optionen:" \
    "diese Hilfe anzeigen und beenden" "Einstellungen: $XDG_CONFIG_HOME/Fernwick.ini" \
    "Befehle (ohne Fenster" "  corvander rename FAMILIE [Optionen] --to ORDNER PFAD..."
run_in LANG=de_DE.UTF-8 -- de-rename rename --help
expect_in de-rename.out "Aufruf: corvander rename FAMILIE [Optionen] --to ORDNER PFAD..." \
    "die ersten X Wörter des Dokuments" "  --to ORDNER                der Ergebnisordner"
run_in LC_MESSAGES=de_AT.UTF-8 LANG=fr_FR.UTF-8 -- de-refusal --bogus
[ "$STATUS" = 2 ] || fail "a wrong option in German ended with status $STATUS"
expect_in de-refusal.err 'corvander: unbekannte Option „--bogus“' "Aufruf: corvander"
run_in LANG=de_DE.UTF-8 -- de-usage rename --words 3
expect_in de-usage.err 'Mehr dazu: „corvander rename --help“.'
run_in LANG=de_DE.UTF-8 -- de-mistyped renmae --words 3
[ "$STATUS" = 2 ] || fail "a mistyped command in German ended with status $STATUS"
expect_in de-mistyped.err 'corvander: unbekannter Befehl „renmae“; meinten Sie „rename“?'

run_in LANG=fr_FR.UTF-8 -- fr --help
[ "$STATUS" = 0 ] || fail "French --help ended with status $STATUS"
expect_in fr.out "Usage : corvander [--help | --version] [FICHIER | DOSSIER]..." "Options :" \
    "afficher cette aide et quitter" "Paramètres : $XDG_CONFIG_HOME/Fernwick.ini" \
    "  corvander rename FAMILLE [options] --to DOSSIER CHEMIN..."
run_in LANG=de_DE.UTF-8 LANGUAGE=fr -- fr-rename rename --help
expect_in fr-rename.out "Usage : corvander rename FAMILLE [options] --to DOSSIER CHEMIN..." \
    "les X premiers mots du document"
run_in LC_ALL=fr_CA.UTF-8 -- fr-refusal --bogus
expect_in fr-refusal.err "corvander : option inconnue « --bogus »" "Usage : corvander"
run_in LANG=fr_FR.UTF-8 -- fr-usage rename --words 3
expect_in fr-usage.err "Essayez « corvander rename --help »."
# Without a display the window cannot open; that is said in the user's language too, before Qt
# has an application object to carry a translation.
run_in LANG=de_DE.UTF-8 QT_QPA_PLATFORM=xcb -- de-session
[ "$STATUS" = 1 ] || fail "without a display the German start ended with status $STATUS"
expect_in de-session.err "corvander: Eine grafische Sitzung wird benötigt"
run_in LANG=fr_FR.UTF-8 QT_QPA_PLATFORM=xcb -- fr-session
expect_in fr-session.err "corvander : une session graphique est nécessaire"
run_in LANG=C.UTF-8 LANGUAGE=de QT_QPA_PLATFORM=xcb -- c-session
[ "$(cat "$ROOT/c-session.err")" = "corvander: a graphical session is needed, but none could be reached (check DISPLAY or WAYLAND_DISPLAY)" ] ||
    fail "under C without a display: $(cat "$ROOT/c-session.err")"
echo "PASS: German and French help and messages; C and English unchanged"
