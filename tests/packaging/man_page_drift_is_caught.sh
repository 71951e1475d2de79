#!/usr/bin/env bash
# The drift check itself: a manual page that lost an option of `list` and names a command the
# tool does not have must be told apart from the real one.
# Usage: man_page_drift_is_caught.sh TOMBREL_CLI MAN_PAGE CHECKER
set -euo pipefail
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
sed -e '/^\.B \\-\\-expand$/,+1d' "$2" > "$tmp/drifted.1"
printf '.SS "rename FILE"\nRenames.\n' >> "$tmp/drifted.1"
bash "$3" "$1" "$tmp/drifted.1" || true
