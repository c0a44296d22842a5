#!/usr/bin/env bash
# Compiles the Windows resource script with the MinGW resource compiler, when it is installed,
# and reads the version record back: 1.00, Korean (0x0412), Unicode code page 1200.
set -euo pipefail
rc=$1
windres=$(command -v x86_64-w64-mingw32-windres || true)
if [ -z "$windres" ]; then
    echo "SKIP: no x86_64-w64-mingw32-windres (Debian package binutils-mingw-w64-x86-64)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The host preprocessor will do: the script needs no Windows headers.
"$windres" --preprocessor=cpp --preprocessor-arg=-E --preprocessor-arg=-xc \
    --preprocessor-arg=-DRC_INVOKED -c 65001 -I "$(dirname "$rc")" \
    "$rc" -O res -o "$work/bandalyx.res"
"$windres" -i "$work/bandalyx.res" -O rc -o "$work/back.rc"

expect() {
    grep -qF -- "$1" "$work/back.rc" || { echo "FAIL: no $1 in the compiled resources" >&2; exit 1; }
}
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'BLOCK "041204B0"'
expect 'VALUE "Translation", 0x412, 1200'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductName", "Bandalyx"'
expect '/* RT_GROUP_ICON */'
echo "resource script compiles with its version record and icon"
