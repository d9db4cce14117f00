#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks what it holds, validates its desktop
# entry and AppStream file, its manual pages against the program's --help, its copyright and
# changelog, runs lintian where it is installed, unpacks it into a scratch root and starts the
# unpacked program.
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
    /usr/share/doc/kinetra/copyright
    /usr/share/doc/kinetra/changelog.gz
    /usr/share/man/man1/kinetra.1.gz
    /usr/share/man/pl/man1/kinetra.1.gz
    /usr/share/man/uk/man1/kinetra.1.gz
)
for size in 16 24 32 48 64 128 256 512; do
    expect+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expect[@]}"; do
    grep -qx "$f" "$work/files" || fail "the package lacks $f"
done

root=$work/root
dpkg -x "$deb" "$root"
# Not even a hint: two main categories would list the program twice in a menu.
hints=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1) || fail "desktop entry: $hints"
[ -z "$hints" ] || fail "desktop entry: $hints"
grep -qx 'Categories=Education;Physics;' "$root/usr/share/applications/$id.desktop" ||
    fail "desktop categories"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "metainfo release is not $version"
for size in 16 24 32 48 64 128 256 512; do
    got=$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [ "$got" = "${size}x${size}" ] || fail "icon ${size}x${size} is $got"
done

# Each manual page holds its language's --help line for line, under a name line.
for lang in en pl uk; do
    page=$root/usr/share/man/$lang/man1/kinetra.1.gz
    [ "$lang" = en ] && page=$root/usr/share/man/man1/kinetra.1.gz
    gzip -t "$page" || fail "$page is not gzip"
    zcat "$page" | sed -e 's/\\-/-/g' -e 's/\\e/\\/g' -e 's/^\\&//' >"$work/page"
    grep -A1 -x '.SH NAME' "$work/page" | grep -q '^kinetra - .' || fail "$lang page: no name line"
    env -u DISPLAY "$root/usr/bin/kinetra" --lang "$lang" --help | tail -n +2 >"$work/help"
    while IFS= read -r line; do
        [ -z "$line" ] || grep -qxF -- "$line" "$work/page" || fail "$lang page lacks: $line"
    done <"$work/help"
done

doc=$root/usr/share/doc/kinetra
head -n 1 "$doc/copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright is not machine-readable"
zcat "$doc/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
    fail "the changelog's last version is not $version"
description=$(dpkg-deb -f "$deb" Description | tr -s "\n " "  ")
grep -q "Polish, English and Ukrainian" <<<"$description" || fail "description: $description"

if command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" || fail "lintian"
fi

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
