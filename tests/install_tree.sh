#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that a desktop finds everything it needs:
# the program, a valid desktop entry, a valid AppStream record, the icon in the hicolor theme and
# the manual page.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.example.bandalyx.Bandalyx
for f in bin/bandalyx \
    share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/16x16/apps/bandalyx.png \
    share/icons/hicolor/scalable/apps/bandalyx.svg \
    share/man/man1/bandalyx.1.gz \
    share/doc/bandalyx/copyright; do
    [ -e "$prefix/$f" ] || { echo "FAIL: $f not installed" >&2; exit 1; }
done
[ -x "$prefix/bin/bandalyx" ] || { echo "FAIL: bin/bandalyx is not executable" >&2; exit 1; }
if find "$prefix" -name '*.a' | grep -q .; then
    echo "FAIL: static libraries installed" >&2
    exit 1
fi

desktop=$prefix/share/applications/$id.desktop
grep -q '^Icon=bandalyx$' "$desktop" || { echo "FAIL: desktop entry names another icon" >&2; exit 1; }
grep -q '^Comment\[ko\]=' "$desktop" || { echo "FAIL: no Korean comment" >&2; exit 1; }
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null
fi
echo "installed tree complete"
