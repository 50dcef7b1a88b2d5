#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree:
# the expected files are there, the menu entry and the AppStream metainfo
# validate, and the installed program, started from its installed path under
# a private X server, shows its window.
#
# tst_install.sh CMAKE BUILD_DIR APP_ID "ICON_SIZES"
set -euo pipefail
cmake=$1 build=$2 id=$3 sizes=${4//;/ }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }

# The expected files.
desktop=share/applications/$id.desktop
metainfo=share/metainfo/$id.metainfo.xml
expected=(
    bin/izpit
    "$desktop"
    "$metainfo"
    "share/icons/hicolor/scalable/apps/$id.svg"
    share/man/man1/izpit.1.gz
    share/doc/izpit/LICENSE
    share/doc/izpit/copyright
)
for size in $sizes; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    [[ -f $prefix/$file ]] || fail "not installed: $file"
done
[[ -x $prefix/bin/izpit ]] || fail "bin/izpit is not executable"
[[ $(ls "$prefix/bin") == izpit ]] || fail "bin/ holds more than izpit: $(ls "$prefix/bin")"

# Every PNG is a square of the size its folder names (width and height are
# the big-endian words at bytes 16 and 20).
for size in $sizes; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
    [[ $w == "$size" && $h == "$size" ]] || fail "$png is ${w}x$h, not ${size}x$size"
done

# The menu entry and the metainfo validate and name each other and the icon.
desktop-file-validate "$prefix/$desktop" || fail "desktop-file-validate: $desktop"
appstreamcli validate --no-net "$prefix/$metainfo" || fail "appstreamcli validate: $metainfo"
appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree: $prefix"
grep -qx "Icon=$id" "$prefix/$desktop" || fail "$desktop: Icon= is not $id"
grep -qx "Exec=izpit" "$prefix/$desktop" || fail "$desktop: Exec= is not izpit"
grep -qx 'Name\[bg\]=.*' "$prefix/$desktop" || fail "$desktop: no Name[bg]="
grep -qx 'Comment\[bg\]=.*' "$prefix/$desktop" || fail "$desktop: no Comment[bg]="
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/$metainfo" ||
    fail "$metainfo: the launchable is not $id.desktop"

# The manual page has its version and documents --check.
man=$(gzip -dc "$prefix/share/man/man1/izpit.1.gz")
grep -q '^\.TH IZPIT 1 .*"izpit [0-9]' <<<"$man" || fail "izpit.1: no version in .TH"
grep -q 'check' <<<"$man" || fail "izpit.1: --check is not documented"

# The installed program does not reach back into the build tree.
if readelf -d "$prefix/bin/izpit" | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
    fail "bin/izpit keeps a run path into the build tree"
fi

# The installed program shows its window on a private X server: a mapped
# top-level window of class izpit.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
export DISPLAY=:$(<"$work/display")

mkdir -m 700 "$work/runtime"
(cd / && exec env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=xcb HOME="$work" XDG_RUNTIME_DIR="$work/runtime" \
    "$prefix/bin/izpit" >"$work/izpit.log" 2>&1) &
izpit=$!
pids+=($izpit)
window=
for _ in $(seq 100); do
    window=$(xwininfo -root -children 2>/dev/null | awk '/\("izpit" "izpit"\)/ { print $1; exit }')
    [[ -n $window ]] && xwininfo -id "$window" | grep -q 'Map State: IsViewable' && break
    window=
    kill -0 "$izpit" 2>/dev/null || break
    sleep 0.1
done
[[ -n $window ]] || { cat "$work/izpit.log" >&2; fail "the installed izpit showed no window"; }
info=$(xwininfo -id "$window")
width=$(awk '/Width:/ { print $2 }' <<<"$info")
height=$(awk '/Height:/ { print $2 }' <<<"$info")
((width >= 200 && height >= 200)) || fail "the window is only ${width}x$height"
kill -0 "$izpit" 2>/dev/null || fail "izpit ended after showing its window"
echo "izpit showed window $window, ${width}x$height: $(xwininfo -id "$window" | sed -n 's/.*Window id: [^ ]* //p')"
echo "installed tree checked: ${#expected[@]} files"
