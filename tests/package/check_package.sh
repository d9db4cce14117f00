#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks what it holds, validates its desktop
# entry and AppStream file, unpacks it into a scratch root and starts the unpacked program.
# The checked package is left in the build directory.
# Usage: check_package.sh <build dir> <version>
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
id=example.kinetra.Kinetra

fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
shopt -s nullglob
debs=("$work"/out/kinetra_*.deb)
[ "${#debs[@]}" -eq 1 ] || fail "expected one .deb, found ${#debs[@]}"
deb=${debs[0]}
echo "package: $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Package)" = kinetra ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6printsupport6 fonts-liberation2; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/files"
expect=(
    /usr/bin/kinetra
    "/usr/share/applications/$id.desktop"
    "/usr/share/metainfo/$id.metainfo.xml"
    "/usr/share/icons/hicolor/scalable/apps/$id.svg"
)
for size in 16 24 32 48 64 128 256 512; do
    expect+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expect[@]}"; do
    grep -qx "$f" "$work/files" || fail "the package lacks $f"
done

root=$work/root
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
grep -qx 'Categories=Education;Science;Physics;' "$root/usr/share/applications/$id.desktop" ||
    fail "desktop categories"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "metainfo release is not $version"
for size in 16 24 32 48 64 128 256 512; do
    got=$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [ "$got" = "${size}x${size}" ] || fail "icon ${size}x${size} is $got"
done

# The unpacked program itself, with no display at all.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$root/usr/bin/kinetra" --version)
[ "$out" = "KINETRA, wersja $version" ] || fail "--version printed: $out"
set +e
env -u DISPLAY "$root/usr/bin/kinetra" --no-such-option 2>"$work/err"
status=$?
set -e
[ "$status" -eq 2 ] || fail "an unknown option exited with $status"
grep -q "no-such-option" "$work/err" || fail "the unknown option is not named: $(cat "$work/err")"
cp "$deb" "$build/"
echo "package checked: $(wc -l <"$work/files") entries, --version: $out"
