#!/usr/bin/env bash
# Builds the Debian packages from a finished build folder and checks them as
# a release would be checked: file list, control fields and dependencies, run
# paths, lintian without errors, the desktop entries and the AppStream file.
# Usage: scripts/check-package.sh <build dir>
set -euo pipefail
build=$(cd "${1:?usage: check-package.sh <build dir>}" && pwd)

fail() { echo "check-package: $*" >&2; exit 1; }

rm -rf "$build/packages"
(cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1) || { cat "$build/cpack.log"; fail "cpack failed"; }
shopt -s nullglob
debs=("$build"/packages/vexocam_*.deb)
devs=("$build"/packages/vexocam-dev_*.deb)
[ ${#debs[@]} -eq 1 ] && [ ${#devs[@]} -eq 1 ] || fail "expected one vexocam and one vexocam-dev package"
deb=${debs[0]}
dev=${devs[0]}

echo "== $(basename "$deb")"
dpkg-deb -I "$deb"
echo "== $(basename "$dev")"
dpkg-deb -I "$dev"

# One version everywhere: the programs, both packages, the dev package's
# dependency on exactly this build of the programs.
version=$("$build/bin/VexoCam" --version | awk '{print $2}')
for program in Addrix VexoUpgrade; do
    [ "$("$build/bin/$program" --version)" = "$program $version" ] || fail "$program --version is not $version"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
[ "$(dpkg-deb -f "$dev" Version)" = "$version" ] || fail "dev package version is not $version"
[ "$(dpkg-deb -f "$dev" Depends)" = "vexocam (= $version)" ] || fail "dev package must depend on vexocam (= $version)"

# Dependencies computed from the binaries: Qt (with Network for Addrix),
# FFmpeg and the image libraries of the camera library.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt5core5a libqt5gui5 libqt5widgets5 libqt5network5 'libavcodec[0-9]+' 'libavformat[0-9]+' \
    'libavutil[0-9]+' 'libswscale[0-9]+' libpng16-16 libjpeg62-turbo zlib1g libc6; do
    grep -Eq "(^|, )$lib " <<<"$depends" || fail "Depends lacks $lib: $depends"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
dpkg-deb -x "$dev" "$root"
dpkg-deb -c "$deb" >"$root/files.txt"
dpkg-deb -c "$dev" >>"$root/files.txt"

# Everything under /usr; nothing from the tests or benchmarks.
if awk '{print $6}' "$root/files.txt" | grep -Ev '^\./usr/' | grep -q .; then
    fail "files outside /usr"
fi
if grep -E '/(tst_|bench_|sdk_.*_test|vexo-framepath|vexo-manual-pdf)' "$root/files.txt"; then
    fail "test or build tools in the package"
fi

private=$(cd "$root" && dirname "$(find usr/lib -name libVexoCameraSDK.so)")
[ -n "$private" ] || fail "libVexoCameraSDK.so missing"
expect=(
    "$private/VexoCam" "$private/Addrix" "$private/VexoUpgrade" "$private/libVexoCameraSDK.so"
    "$private/vexo-sim" "$private/软件使用说明书.pdf"
    usr/share/metainfo/org.vexocam.VexoCam.metainfo.xml
    usr/include/vexocam/VexoCameraSDK.h usr/include/vexocam/VexoCameraSim.h
    usr/share/doc/vexocam/copyright usr/share/doc/vexocam/changelog.gz
    usr/share/doc/vexocam-dev/copyright usr/share/doc/vexocam-dev/examples/grab_frames.c
)
for program in VexoCam Addrix VexoUpgrade; do
    expect+=("$private/${program}_zh_CN.qm" "$private/${program}_en_CN.qm"
        "usr/share/applications/org.vexocam.$program.desktop"
        "usr/share/man/man1/$program.1.gz"
        "usr/share/icons/hicolor/scalable/apps/org.vexocam.$program.svg")
    for size in 16 22 24 32 48 64 128 256; do
        expect+=("usr/share/icons/hicolor/${size}x${size}/apps/org.vexocam.$program.png")
    done
    # The start command is a link that resolves to the program in the package.
    [ -L "$root/usr/bin/$program" ] || fail "/usr/bin/$program is not a link"
    [ "$(readlink -f "$root/usr/bin/$program")" = "$(readlink -f "$root/$private/$program")" ] ||
        fail "/usr/bin/$program does not lead to $private/$program"
done
for file in "${expect[@]}"; do
    [ -e "$root/$file" ] || fail "missing /$file"
done
[ -n "$(find "$root/usr/lib" -name vexocamerasdk.pc)" ] || fail "vexocamerasdk.pc missing"
grep -q '^prefix=/usr$' "$(find "$root/usr/lib" -name vexocamerasdk.pc)" || fail "vexocamerasdk.pc does not name /usr"

# The programs find their library beside themselves, never in the build tree.
for elf in VexoCam Addrix VexoUpgrade vexo-sim libVexoCameraSDK.so; do
    runpath=$(readelf -d "$root/$private/$elf" | sed -n 's/.*R\(UN\)\{0,1\}PATH.*\[\(.*\)\]/\2/p')
    [ "$runpath" = '$ORIGIN' ] || fail "$elf has run path '$runpath', not \$ORIGIN"
done

# Desktop integration, validated offline.
for desktop in "$root"/usr/share/applications/*.desktop; do
    desktop-file-validate "$desktop" || fail "$(basename "$desktop") is not valid"
    exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -e "$root/usr/bin/$exec" ] || fail "$(basename "$desktop") starts $exec, which is not in /usr/bin"
done
appstreamcli validate --no-net "$root/usr/share/metainfo/org.vexocam.VexoCam.metainfo.xml" ||
    fail "the AppStream file is not valid"

# The manual carries every picture taken so far (scripts/manual-screenshots.sh).
manual=$(cd "$(dirname "$0")/.." && pwd)/docs/manual
wanted=0
for picture in $(sed -n 's/.*<img src="\([^"]*\)".*/\1/p' "$manual/manual.html"); do
    if [ -f "$manual/$picture" ]; then wanted=$((wanted + 1)); fi
done
[ "$wanted" -gt 0 ] || fail "the manual shows no pictures"
images=$(pdfimages -list "$root/$private/软件使用说明书.pdf" | tail -n +3 | wc -l)
[ "$images" -ge "$wanted" ] || fail "the manual PDF has $images pictures, its source $wanted"

# Errors fail; warnings are shown.
echo "== lintian"
status=0
report=$(lintian --fail-on error "$deb" "$dev" 2>&1) || status=$?
grep -v 'running with root privileges' <<<"$report" || true
[ "$status" -eq 0 ] || fail "lintian reports errors"
echo "check-package: $(basename "$deb") and $(basename "$dev") are fine"
