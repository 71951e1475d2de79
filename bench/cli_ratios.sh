#!/usr/bin/env bash
# Whole-process figures of tombrel-cli on an archive of 100,000 registrations (about 47 MB),
# each against cp of the same bytes: info, resave and search (every field, no match) against cp
# of the archive; list --expand and protocol against cp of what they write. Every command and
# its cp run interleaved, five rounds by default, after one warm-up round that fills the page
# cache; the medians of wall-clock and of CPU time and their ratios are printed with the goal of
# each.
#
# Usage: bench/cli_ratios.sh [BUILD_DIR] [ROUNDS]
#   BUILD_DIR  the build folder holding bin/tombrel-cli and bin/tombrel_make_bench_archive
#              (default: build, the default preset's)
# Needs only bash, cp and sort. Run it when the machine is otherwise idle.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
rounds="${2:-5}"
cli="$build/bin/tombrel-cli"
maker="$build/bin/tombrel_make_bench_archive"
for program in "$cli" "$maker"; do
    [ -x "$program" ] || { echo "missing $program: build the default preset first" >&2; exit 2; }
done

work="$(mktemp -d "${TMPDIR:-/tmp}/tombrel-cli-ratios-XXXXXX")"
trap 'rm -rf "$work"' EXIT
archive="$work/large.yra"
"$maker" "$archive" 100000

# The texts each command writes, made once so that cp can copy the same bytes.
"$cli" list "$archive" --expand >"$work/list.txt"
"$cli" protocol "$archive" --type tab -o "$work/protocol-tab.txt"
"$cli" protocol "$archive" --type blank -o "$work/protocol-blank.txt"

# Runs a command line (an eval string) once, its output discarded, and prints its wall-clock and
# CPU (user + system) milliseconds, as "WALL CPU". The CPU figure is the one
# to look at when other work shares the machine.
timed() {
    local TIMEFORMAT='%3R %3U %3S' report
    report=$({ time eval "$1" >/dev/null 2>&1; } 2>&1) || { echo "failed: $1" >&2; exit 1; }
    read -r wall user sys <<<"$report"
    echo "$(ms "$wall") $(($(ms "$user") + $(ms "$sys")))"
}

# "1.234" seconds as whole milliseconds.
ms() { local s="${1/./}"; echo "$((10#$s))"; }

median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }

# name | command | cp source | goal (times cp)
cases=(
    "info|\"\$cli\" info \"\$archive\"|$archive|3"
    "resave|\"\$cli\" resave \"\$archive\" -o \"\$work/resaved.yra\"|$archive|3"
    "list --expand|\"\$cli\" list \"\$archive\" --expand >\"\$work/listed.txt\"|$work/list.txt|5"
    "protocol --type tab|\"\$cli\" protocol \"\$archive\" --type tab -o \"\$work/p.txt\"|$work/protocol-tab.txt|6"
    "protocol --type blank|\"\$cli\" protocol \"\$archive\" --type blank -o \"\$work/p.txt\"|$work/protocol-blank.txt|6"
    "search, every field, no match|\"\$cli\" search \"\$archive\" zzqqxxnomatch --title --right --left --accomp --style|$archive|8"
)

printf 'archive: %s bytes, %s rounds, load before: %s\n' "$(stat -c %s "$archive")" "$rounds" \
    "$(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-30s %9s %9s %7s %9s %9s %7s %5s\n' "command" "wall ms" "cp ms" "ratio" "cpu ms" \
    "cp cpu" "ratio" "goal"
# Ratio with two decimals in integer arithmetic.
ratio() { local r=$(($1 * 100 / ($2 > 0 ? $2 : 1))); printf '%d.%02d' $((r / 100)) $((r % 100)); }
for entry in "${cases[@]}"; do
    IFS='|' read -r name command source goal <<<"$entry"
    copy="cp \"$source\" \"\$work/copy\""
    # One warm-up round of each, then the rounds, the command and its cp one after the other.
    timed "$command" >/dev/null
    timed "$copy" >/dev/null
    walls=() cpus=() copyWalls=() copyCpus=()
    for ((i = 0; i < rounds; ++i)); do
        rm -f "$work/resaved.yra" "$work/listed.txt" "$work/p.txt" "$work/copy"
        read -r wall cpu <<<"$(timed "$command")"
        walls+=("$wall") cpus+=("$cpu")
        rm -f "$work/copy"
        read -r wall cpu <<<"$(timed "$copy")"
        copyWalls+=("$wall") copyCpus+=("$cpu")
    done
    w=$(median "${walls[@]}") c=$(median "${cpus[@]}")
    cw=$(median "${copyWalls[@]}") cc=$(median "${copyCpus[@]}")
    printf '%-30s %9s %9s %7s %9s %9s %7s %4sx\n' "$name" "$w" "$cw" "$(ratio "$w" "$cw")" "$c" "$cc" \
        "$(ratio "$c" "$cc")" "$goal"
done
printf 'load after: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
