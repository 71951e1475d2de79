#!/usr/bin/env bash
# Compares the manual page of tombrel-cli with its help texts: the same commands, each with the
# same synopsis and the same options. Names every difference; prints "manual page matches" when
# there is none.
# Usage: check_man_page.sh TOMBREL_CLI MAN_PAGE
set -uo pipefail
cli=$1
page=$2
[ -f "$page" ] || { echo "no manual page at $page"; exit 1; }

# The roff of the page without its escapes: "\-" is "-", "\e" a backslash, "\&" nothing.
plain() { sed -e 's/\\-/-/g' -e 's/\\e/\\/g' -e 's/\\&//g' -e 's/\\f[BIR]//g' "$page"; }

help_commands=$("$cli" --help | awk '/^Commands:/ {on=1; next} on && /^  [a-z]/ {print $1} on && /^$/ {exit}')
man_commands=$(plain | sed -n 's/^\.SS "\([^ "]*\).*/\1/p')
status=0
if [ "$help_commands" != "$man_commands" ]; then
    echo "commands differ: help has [$(echo $help_commands)], the manual page [$(echo $man_commands)]"
    status=1
fi
for command in $help_commands; do
    help_text=$("$cli" "$command" --help)
    synopsis=$(printf '%s\n' "$help_text" | sed -n 's/^Usage: tombrel-cli //p')
    man_synopsis=$(plain | sed -n "s/^\.SS \"\($command\( .*\)\{0,1\}\)\"\$/\1/p")
    if [ "$synopsis" != "$man_synopsis" ]; then
        echo "$command: help says '$synopsis', the manual page '$man_synopsis'"
        status=1
    fi
    help_options=$(printf '%s\n' "$help_text" | sed -n 's/^  \(-[^ ,]*\).*/\1/p' | sort)
    man_options=$(plain | awk -v c="$command" '
        /^\.SS / { on = ($2 == "\"" c || $2 == "\"" c "\"") ; next }
        on && /^\.B -/ { sub(/,$/, "", $2); print $2 }' | sort)
    for option in $(comm -23 <(echo "$help_options") <(echo "$man_options")); do
        echo "$command: $option is missing from the manual page"
        status=1
    done
    for option in $(comm -13 <(echo "$help_options") <(echo "$man_options")); do
        echo "$command: the manual page names $option, which the help does not know"
        status=1
    done
done
[ $status -eq 0 ] && echo "manual page matches"
exit $status
