#!/usr/bin/env bash
# The bash completion as a shell runs it: commands, a command's options, and
# the style names of the folder -C names (CR LF lines, up to "Enter New Specs").
set -u
# shellcheck source=packaging/completion/tessarin.bash
source "$(dirname "$0")/../../packaging/completion/tessarin.bash"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 'Book20\r\nMy Style\r\nQuest30\r\nEnter New Specs\r\n' > "$dir/Specs.lst"
failures=0
# The program as the completion asks it for its sample materials.
# shellcheck disable=SC2317  # called by the completion
tessarin() { [ "$*" = "init --list" ] && printf 'james James\nluke Luke\npeter 1Peter 2Peter\n'; }
# expect "WORDS..." "REPLY1|REPLY2|...": completes the last word.
expect() {
    read -r -a COMP_WORDS <<< "$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _tessarin
    local got
    got=$(IFS='|'; echo "${COMPREPLY[*]}")
    [ "$got" = "$2" ] || { echo "FAIL: '$1' completes to '$got', not '$2'"; failures=$((failures + 1)); }
}
expect "tessarin ch" "check"
expect "tessarin run --k" "--keep-going"
expect "tessarin -C $dir run " "Book20|My Style|Quest30"
expect "tessarin --dir = $dir run Bo" "Book20"
expect "tessarin pdf --paper " "letter|a4"
expect "tessarin init --material " "james|luke|peter"
expect "tessarin init --l" "--list"
expect "tessarin help r" "run"
expect "tessarin season f" "forget"
expect "tessarin season list " ""
[ "$failures" -eq 0 ] && echo "completion: every case as expected"
exit "$failures"
