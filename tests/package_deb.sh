#!/usr/bin/env bash
# Builds the Debian package, checks its contents and dependencies, has lintian check it (any
# error or warning fails; informational tags are shown), unpacks it into a scratch root and runs
# the unpacked program through the real-window smoke test.
set -euo pipefail
build=$1
smoke=$2
xwin=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
debs=("$work"/out/*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no .deb"
deb=${debs[0]}
echo "built $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
id=org.example.bandalyx.Bandalyx
for f in ./usr/bin/bandalyx \
    ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/icons/hicolor/16x16/apps/bandalyx.png \
    ./usr/share/icons/hicolor/scalable/apps/bandalyx.svg \
    ./usr/share/man/man1/bandalyx.1.gz \
    ./usr/share/doc/bandalyx/copyright \
    ./usr/share/doc/bandalyx/changelog.gz; do
    grep -qxF "$f" <<<"$contents" || fail "$f missing from the package"
done

depends=$(dpkg-deb -f "$deb" Depends)
for d in fonts-nanum qt6-translations-l10n libqt6widgets6 libqt6gui6 libqt6core6; do
    grep -q "$d" <<<"$depends" || fail "Depends lacks $d: $depends"
done
echo "depends: $depends"
[ "$(dpkg-deb -f "$deb" Recommends)" = xdg-utils ] || fail "Recommends is not xdg-utils"

command -v lintian >/dev/null || fail "lintian is not installed (scripts/install-deps installs it)"
# Lintian frowns on running as root, which a CI container does; that remark is no finding.
lintian --display-info --fail-on error,warning "$deb" 2> >(grep -v 'root privileges' >&2) ||
    fail "lintian found errors or warnings"
echo "lintian: no errors, no warnings"

dpkg-deb -x "$deb" "$work/root"
bash "$smoke" "$work/root/usr/bin/bandalyx" "$xwin" "$work/shots"
