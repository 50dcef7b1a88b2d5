#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks its control
# data (dependencies from the linked libraries plus the window's font) and
# its contents.
#
# tst_package.sh CPACK BUILD_DIR APP_ID
set -euo pipefail
cpack=$1 build=$2 id=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/izpit_*.deb)
[[ ${#debs[@]} == 1 && -f ${debs[0]} ]] || fail "cpack made no single izpit_*.deb: ${debs[*]}"
deb=${debs[0]}

info=$(dpkg-deb --info "$deb")
echo "$info"
field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == izpit ]] || fail "Package is not izpit"
depends=$(field Depends)
for dependency in libc6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2; do
    grep -qE "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done
grep -qE "(^|, )qt6-translations-l10n( |,|$)" <<<"$(field Recommends)" ||
    fail "Recommends lacks qt6-translations-l10n"

contents=$(dpkg-deb --contents "$deb" | awk '{ print $NF }')
for file in ./usr/bin/izpit "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/48x48/apps/$id.png" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" ./usr/share/man/man1/izpit.1.gz \
    ./usr/share/doc/izpit/copyright; do
    grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done
echo "package checked: $(basename "$deb")"
