#!/usr/bin/env bash
# Every option the commands' --help lists is in the man page and offered by the bash completion,
# the man page renders without a warning, and the completion completes commands, options and
# option values by bash-completion's conventions.
#
# usage: options_documented_test.sh CORVANDER MAN_PAGE COMPLETION
set -euo pipefail

CORVANDER="$1"
MAN_PAGE="$2"
COMPLETION="$3"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

WARNINGS=$(groff -man -ww -z -Tutf8 "$MAN_PAGE" 2>&1) || fail "groff failed: $WARNINGS"
[ -z "$WARNINGS" ] || fail "the man page has warnings: $WARNINGS"
RENDERED=$(MANWIDTH=200 man -l "$MAN_PAGE" 2>/dev/null)

[ -f /usr/share/bash-completion/bash_completion ] ||
    fail "bash-completion is not installed (make deps installs it)"
# shellcheck source=/dev/null
. /usr/share/bash-completion/bash_completion
# shellcheck source=/dev/null
. "$COMPLETION"

# The words bash would offer for the command line typed so far (the last word being completed).
offered() {
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _comp_corvander corvander "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}"
}

for command in rename check undo watch learn; do
    HELP=$("$CORVANDER" "$command" --help)
    OPTIONS=$(grep -oE -- '--[a-z][a-z-]*' <<<"$HELP" | sort -u)
    [ -n "$OPTIONS" ] || fail "$command --help lists no options"
    COMPLETED=$(offered corvander "$command" --)
    for option in $OPTIONS; do
        grep -qF -- "$option" <<<"$RENDERED" || fail "the man page lacks $option"
        grep -qxF -- "$option" <<<"$COMPLETED" || fail "completion after \"$command\" lacks $option"
    done
done

[ "$(offered corvander re)" = rename ] || fail "the command rename is not completed"
[ "$(offered corvander check --dr)" = "" ] || fail "check is offered --dry-run"
[ "$(offered corvander undo --)" = "$(printf '%s\n' --json --help)" ] ||
    fail "undo is offered other options than --json and --help: $(offered corvander undo --)"
grep -qF -- "corvander undo" <<<"$("$CORVANDER" --help)" || fail "corvander --help lacks undo"
grep -qF -- "corvander watch" <<<"$("$CORVANDER" --help)" || fail "corvander --help lacks watch"
grep -qF -- "corvander learn" <<<"$("$CORVANDER" --help)" || fail "corvander --help lacks learn"
[ "$(offered corvander le)" = learn ] || fail "the command learn is not completed"
[ "$(offered corvander learn --ex)" = "" ] || fail "learn is offered --extension"
[ "$(offered corvander rename --words 3 --page l)" = last ] || fail "--page last is not offered"

DIR=$(mktemp -d "${TMPDIR:-/tmp}/corvander-completion.XXXXXX")
trap 'rm -rf "$DIR"' EXIT
mkdir "$DIR/results" && touch "$DIR/report.pdf"
[ "$(offered corvander rename --to "$DIR/r")" = "$DIR/results" ] ||
    fail "--to does not complete a folder: $(offered corvander rename --to "$DIR/r")"
[ "$(offered corvander check "$DIR/rep")" = "$DIR/report.pdf" ] || fail "a PATH is not completed"
touch "$DIR/run-20240501-093000-000-42.jsonl"
[ "$(offered corvander undo "$DIR/run")" = "$DIR/run-20240501-093000-000-42.jsonl" ] ||
    fail "undo does not complete a journal: $(offered corvander undo "$DIR/run")"
echo "PASS: every option documented and completed"
