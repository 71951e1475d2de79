#!/usr/bin/env bash
# Installs the build into a fresh temporary prefix and runs the installed programs from there:
# tombrel-cli's help, and the desktop program's help lookup (without a display), which must find
# the installed help documents before any other copy. Prints "installation works" at the end.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "$*"; exit 1; }
for file in bin/tombrel-cli share/man/man1/tombrel-cli.1 \
            share/tombrel/help/Tombrel.htm share/tombrel/help/Tombrel_e.htm; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
done
"$prefix/bin/tombrel-cli" --help | grep -q '^Usage: tombrel-cli COMMAND' ||
    fail "the installed tombrel-cli --help printed no usage"

if [ -e "$build/bin/tombrel" ]; then
    for file in bin/tombrel share/applications/tombrel.desktop share/mime/packages/tombrel.xml \
                share/metainfo/org.tombrel.Tombrel.metainfo.xml \
                share/icons/hicolor/scalable/apps/tombrel.svg share/man/man1/tombrel.1; do
        [ -f "$prefix/$file" ] || fail "not installed: $file"
    done
    for size in 16 24 32 48 64 128 256; do
        png=$prefix/share/icons/hicolor/${size}x${size}/apps/tombrel.png
        [ -f "$png" ] || fail "not installed: $png"
        file "$png" | grep -q "PNG image data, $size x $size" || fail "not a $size pixel PNG: $png"
    done
    # Run from another folder, so that only the installed documents can be found first.
    documents=$(cd / && QT_QPA_PLATFORM=offscreen "$prefix/bin/tombrel" --help-documents) ||
        fail "the installed tombrel found no help documents: [$documents]"
    expected=$(printf '%s\n%s' "$prefix/share/tombrel/help/Tombrel_e.htm" \
                                "$prefix/share/tombrel/help/Tombrel.htm")
    [ "$documents" = "$expected" ] || fail "help lookup gave [$documents], expected [$expected]"
fi
echo "installation works"
