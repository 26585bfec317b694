#!/usr/bin/env bash
# The bash completion as bash runs it: the function `complete -p corvander` registers, handed the
# words bash splits the typed line into ("=" is a word of its own), over files, journals and OCR
# languages made for the test.
#
# usage: completion_test.sh COMPLETION
set -euo pipefail

COMPLETION="$1"
FAILED=0

fail() {
    echo "FAIL: $*" >&2
    FAILED=1
}

[ -f /usr/share/bash-completion/bash_completion ] ||
    { echo "FAIL: bash-completion is not installed (make deps installs it)" >&2; exit 1; }
# shellcheck source=/dev/null
. /usr/share/bash-completion/bash_completion
# shellcheck source=/dev/null
. "$COMPLETION"

REGISTERED=$(complete -p corvander) || { echo "FAIL: nothing completes corvander" >&2; exit 1; }
FUNCTION=$(sed -nE 's/.*-F ([^ ]+) .*/\1/p' <<<"$REGISTERED")
[ -n "$FUNCTION" ] || { echo "FAIL: no completion function in: $REGISTERED" >&2; exit 1; }

# The words offered for the line typed so far, one a line, sorted; the last word is the one being
# completed (a line ending in a blank completes an empty word).
offered() {
    local line=$1 word rest
    local -a typed
    read -ra typed <<<"$line"
    [[ $line == *" " ]] && typed+=("")
    COMP_WORDS=()
    for word in "${typed[@]}"; do
        while [[ $word == *=* ]]; do
            COMP_WORDS+=("${word%%=*}" "=")
            word=${word#*=}
        done
        COMP_WORDS+=("$word")
    done
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    "$FUNCTION" corvander "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    if ((${#COMPREPLY[@]})); then printf '%s\n' "${COMPREPLY[@]}" | sort; fi
}

# expect "LINE" EXPECTED...: exactly these words are offered.
expect() {
    local line=$1
    shift
    local want got
    want=$(if (($#)); then printf '%s\n' "$@" | sort; fi)
    got=$(offered "$line")
    [ "$got" = "$want" ] || fail "\"$line\" offers [${got//$'\n'/ }], not [${want//$'\n'/ }]"
}

DIR=$(mktemp -d "${TMPDIR:-/tmp}/corvander-completion.XXXXXX")
trap 'rm -rf "$DIR"' EXIT
mkdir -p "$DIR/results" "$DIR/bin" "$DIR/state/corvander" "$DIR/work"
touch "$DIR/report.pdf"
cd "$DIR/work"

# OCR languages, from the tesseract on the PATH: the next one after "+", none twice, never osd.
cat >"$DIR/bin/tesseract" <<'EOF'
#!/bin/sh
[ "$1" = --list-langs ] || exit 1
printf 'List of available languages in "/somewhere/tessdata/" (4):\ndeu\neng\nfra\nosd\n'
EOF
chmod +x "$DIR/bin/tesseract"
PATH="$DIR/bin:$PATH"
expect "corvander check --ocr-languages " deu eng fra
expect "corvander check --ocr-languages eng+" eng+deu eng+fra
expect "corvander rename --words 2 --ocr-languages eng+fra+" eng+fra+deu
expect "corvander check --ocr-languages=deu+e" deu+eng
expect "corvander learn --ocr-languages f" fra

# undo: the journals in the journal folder, by path, and nothing else of that folder.
touch "$DIR/state/corvander/run-20240501-093000-000-42.jsonl" \
    "$DIR/state/corvander/run-20240502-100000-000-43.jsonl" "$DIR/state/corvander/notes.txt"
export XDG_STATE_HOME="$DIR/state"
expect "corvander undo " "$DIR/state/corvander/run-20240501-093000-000-42.jsonl" \
    "$DIR/state/corvander/run-20240502-100000-000-43.jsonl"
expect "corvander undo $DIR/state/corvander/run-202405" \
    "$DIR/state/corvander/run-20240501-093000-000-42.jsonl" \
    "$DIR/state/corvander/run-20240502-100000-000-43.jsonl"
expect "corvander undo --json $DIR/state/corvander/run-20240502" \
    "$DIR/state/corvander/run-20240502-100000-000-43.jsonl"
expect "corvander undo --j" --json

# Paths after the options, whatever they were, and not as an option's value.
expect "corvander check --ocr --jobs 2 $DIR/rep" "$DIR/report.pdf"
expect "corvander check --jobs=2 $DIR/rep" "$DIR/report.pdf"
expect "corvander rename --words 2 --to $DIR/results $DIR/rep" "$DIR/report.pdf"
expect "corvander rename --words 2 --dry-run --skip-copied $DIR/r" "$DIR/report.pdf" "$DIR/results"
expect "corvander check --jobs "
expect "corvander check --json="
expect "corvander rename --to=$DIR/r" "$DIR/results"

# The window takes files and folders, after its own options too; a command comes only first.
expect "corvander $DIR/rep" "$DIR/report.pdf"
expect "corvander $DIR/report.pdf $DIR/r" "$DIR/report.pdf" "$DIR/results"
expect "corvander -style fusion $DIR/rep" "$DIR/report.pdf"
expect "corvander -- $DIR/rep" "$DIR/report.pdf"
expect "corvander ch" check
expect "corvander --v" --version

[ "$FAILED" = 0 ] || exit 1
echo "PASS: completion"
