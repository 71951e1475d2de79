#!/usr/bin/env bash
# The file types as the desktop sees them: the XML is well formed, the MIME database accepts it,
# and a file named by a glob or carrying a magic is told its type (a renamed archive by its magic
# alone). Prints "file types work" at the end.
# Usage: check_mime.sh MIME_XML
set -euo pipefail
xml=$1
xmllint --noout "$xml"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/mime/packages"
cp "$xml" "$tmp/mime/packages/tombrel.xml"
# Anything the database builder says is a complaint about the XML.
complaints=$(XDG_DATA_DIRS=$tmp XDG_DATA_HOME=$tmp update-mime-database "$tmp/mime" 2>&1) ||
    { echo "update-mime-database refused the file: $complaints"; exit 1; }
[ -z "$complaints" ] || { echo "update-mime-database: $complaints"; exit 1; }
for type in application/x-tombrel-archive application/x-tombrel-registrations; do
    grep -q "^$type " "$tmp/mime/globs2" 2>/dev/null || grep -q ":$type:" "$tmp/mime/globs2" ||
        { echo "no glob for $type in the database"; exit 1; }
    grep -q "^$type\$" "$tmp/mime/types" || { echo "$type not in the database"; exit 1; }
done
grep -q ':application/x-tombrel-archive:\*\.yra$' "$tmp/mime/globs2" || { echo "*.yra missing"; exit 1; }
# Globs without regard to case are kept in lower case.
grep -qi ':application/x-tombrel-registrations:REG\.bup$' "$tmp/mime/globs2" || { echo "REG.bup missing"; exit 1; }
grep -qi ':application/x-tombrel-registrations:REG_Pro\.bup$' "$tmp/mime/globs2" || { echo "REG_Pro.bup missing"; exit 1; }
grep -aq 'QZ9000REGARCHIVE' "$tmp/mime/magic" || { echo "the archive magic is missing"; exit 1; }
grep -aq 'REG9_10' "$tmp/mime/magic" && grep -aq 'REG9P10' "$tmp/mime/magic" ||
    { echo "a model magic is missing"; exit 1; }
echo "file types work"
