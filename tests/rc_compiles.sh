#!/usr/bin/env bash
# Reads the Windows resources back with the MinGW resource compiler, when it is installed: from
# the resource script, compiled here (Linux build), or from bandalyx.exe itself (Windows build).
# Either way: the version record 1.00, Korean (0x0412), Unicode code page 1200, the Korean
# company name as UTF-16 (not mojibake), the icon and the manifest; an .exe must also be a
# GUI program, which opens no console window.
set -euo pipefail
input=$1
windres=$(command -v x86_64-w64-mingw32-windres || true)
if [ -z "$windres" ]; then
    echo "SKIP: no x86_64-w64-mingw32-windres (Debian package binutils-mingw-w64-x86-64)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

case $input in
    *.exe)
        "$windres" -J coff -i "$input" -O rc -o "$work/back.rc"
        headers=$(x86_64-w64-mingw32-objdump -p "$input")
        grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" ||
            { echo "FAIL: $input is not a GUI program: a console window would open" >&2; exit 1; }
        ;;
    *)
        # The host preprocessor will do: the script needs no Windows headers.
        "$windres" --preprocessor=cpp --preprocessor-arg=-E --preprocessor-arg=-xc \
            --preprocessor-arg=-DRC_INVOKED -I "$(dirname "$input")" \
            "$input" -O res -o "$work/bandalyx.res"
        "$windres" -i "$work/bandalyx.res" -O rc -o "$work/back.rc"
        ;;
esac

expect() {
    grep -qF -- "$1" "$work/back.rc" || { echo "FAIL: no $1 in the resources" >&2; exit 1; }
}
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'BLOCK "041204B0"'
expect 'VALUE "Translation", 0x412, 1200'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductName", "Bandalyx"'
expect 'VALUE "CompanyName", L"Bandalyx \xac1c\xbc1c\xd300"' # 개발팀
expect '/* RT_GROUP_ICON */'
expect '/* RT_MANIFEST */'
expect 'PerMonitorV2'
echo "resources hold the version record, the icon and the manifest"
