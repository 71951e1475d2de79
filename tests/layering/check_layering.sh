#!/usr/bin/env bash
# Checks what may include what (docs/ARCHITECTURE.md, "Layering"):
# - a core folder includes only itself and the folders before it in
#   text, record, files, sides, names, editors, commands;
# - core never includes Qt, and no source file sits directly in core/;
# - export/ and textform/ include only core (and themselves); cli/ includes core, export and
#   textform; ui/ and app/ include core, export and textform (and each other), never cli/.
# Prints every offending file with its include and exits 1 when there is one.
set -uo pipefail
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
cd "$root" || exit 2

order=(text record files sides names editors commands)
rank() {
    local i
    for i in "${!order[@]}"; do
        [ "${order[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}

failures=0
fail() {
    echo "$1: $2 ($3)"
    failures=$((failures + 1))
}

# Every #include "..." line of one file, as "line<TAB>target".
includes() { grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$1" | sed -E 's/^([0-9]+):.*include[[:space:]]*"([^"]*)".*/\1\t\2/'; }
qt_includes() { grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]Q' "$1" | cut -d: -f1; }

[ -d core ] || { echo "no core/ in $root"; exit 2; }
for f in core/*; do
    [ -f "$f" ] && [ "$(basename "$f")" != CMakeLists.txt ] &&
        fail "$f" "sits directly in core/" "every piece belongs in a subsystem folder"
done

while IFS= read -r f; do
    folder=$(echo "$f" | cut -d/ -f2)
    own=$(rank "$folder")
    if [ "$own" -lt 0 ]; then
        fail "$f" "is in core/$folder/" "not a subsystem folder: ${order[*]}"
        continue
    fi
    for line in $(qt_includes "$f"); do
        fail "$f:$line" "includes Qt" "core is standard C++ only"
    done
    while IFS=$'\t' read -r line target; do
        [ -z "$target" ] && continue
        case "$target" in
        core/*/*)
            other=$(rank "$(echo "$target" | cut -d/ -f2)")
            if [ "$other" -lt 0 ]; then
                fail "$f:$line" "includes \"$target\"" "no such core folder"
            elif [ "$other" -gt "$own" ]; then
                fail "$f:$line" "includes \"$target\"" "core/$folder may include only ${order[*]:0:$((own + 1))}"
            fi
            ;;
        core/*) fail "$f:$line" "includes \"$target\"" "core headers live in subsystem folders" ;;
        *) fail "$f:$line" "includes \"$target\"" "core includes name their folder: \"core/<folder>/...\"" ;;
        esac
    done < <(includes "$f")
done < <(find core -mindepth 2 -name '*.h' -o -mindepth 2 -name '*.cpp' | sort)

# The targets above core: which top folders each may include.
check_top() {
    local top="$1" allowed="$2" f line target
    [ -d "$top" ] || return 0
    while IFS= read -r f; do
        while IFS=$'\t' read -r line target; do
            [ -z "$target" ] && continue
            local first="${target%%/*}"
            [ "$first" = "$target" ] && continue # a file beside it (generated or local)
            case " $allowed " in
            *" $first "*) ;;
            *) case "$first" in
                core | export | textform | cli | ui | app)
                    fail "$f:$line" "includes \"$target\"" "$top/ may include only: $allowed" ;;
                esac ;;
            esac
        done < <(includes "$f")
    done < <(find "$top" -name '*.h' -o -name '*.cpp' | sort)
}
check_top export "core export"
check_top textform "core textform"
check_top cli "core export textform cli"
check_top ui "core export textform ui app"
check_top app "core export textform ui app"

if [ "$failures" -gt 0 ]; then
    echo "$failures include(s) break the layering"
    exit 1
fi
echo "layering holds"
