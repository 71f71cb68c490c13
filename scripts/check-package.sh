#!/usr/bin/env bash
# Builds the Debian packages from a finished build folder and checks them as
# a release would be checked: every package the build declares, its files,
# control fields and dependencies, the camera library's file names, SONAME
# and symbol table, run paths, detached debug symbols, lintian without errors
# or warnings, the desktop entries and the AppStream file; then builds a
# program against the packaged SDK with CMake and with pkg-config and runs it
# on the simulated cameras.
# Usage: scripts/check-package.sh <build dir>
set -euo pipefail
build=$(cd "${1:?usage: check-package.sh <build dir>}" && pwd)
source=$(cd "$(dirname "$0")/.." && pwd)

fail() { echo "check-package: $*" >&2; exit 1; }

rm -rf "$build/packages"
(cd "$build" && cpack -G DEB >"$build/cpack.log" 2>&1) || { cat "$build/cpack.log"; fail "cpack failed"; }
shopt -s nullglob

# The packages the build declares: component -> package name.
config=$build/CPackConfig.cmake
components=$(sed -n 's/^set(CPACK_COMPONENTS_ALL "\(.*\)")$/\1/p' "$config" | tr ';' ' ')
declare -A package
for component in $components; do
    upper=${component^^}
    package[$component]=$(sed -n "s/^set(CPACK_DEBIAN_${upper}_PACKAGE_NAME \"\(.*\)\")\$/\1/p" "$config")
done
for component in runtime sdk dev; do
    [ -n "${package[$component]:-}" ] || fail "the build declares no $component package"
done

# One version everywhere: the programs, every package, the dependencies on
# exactly this build of the library.
version=$("$build/bin/VexoCam" --version | awk '{print $2}')
for program in Addrix VexoUpgrade; do
    [ "$("$build/bin/$program" --version)" = "$program $version" ] || fail "$program --version is not $version"
done
major=${version%%.*}
sdk=${package[sdk]}
declare -A deb
debs=()
for component in $components; do
    name=${package[$component]}
    found=("$build"/packages/"${name}"_*.deb)
    [ ${#found[@]} -eq 1 ] || fail "expected one $name package, found ${#found[@]}"
    deb[$component]=${found[0]}
    debs+=("${found[0]}")
    echo "== $(basename "${found[0]}")"
    dpkg-deb -I "${found[0]}"
    [ "$(dpkg-deb -f "${found[0]}" Version)" = "$version" ] || fail "$name version is not $version"
    if [ "$component" != sdk ]; then
        dpkg-deb -f "${found[0]}" Depends | grep -Eq "(^|, )$sdk \(= $version\)" ||
            fail "$name must depend on $sdk (= $version)"
    fi
done
[ "$sdk" = "libvexocamerasdk$major" ] || fail "the library's package $sdk does not carry its SONAME version $major"

# The library's package: the library and nothing of the programs' toolkit.
depends=$(dpkg-deb -f "${deb[sdk]}" Depends)
for lib in 'libaravis-0.8-[0-9]+' libpng16-16 libjpeg62-turbo zlib1g 'libstdc\+\+6' libc6; do
    grep -Eq "(^|, )$lib " <<<"$depends" || fail "$sdk Depends lacks $lib: $depends"
done
if grep -Eiq 'qt|libav|libsw|ffmpeg' <<<"$depends"; then
    fail "$sdk depends on Qt or FFmpeg: $depends"
fi
# The programs: Qt (with Network for Addrix), FFmpeg and libyuv.
depends=$(dpkg-deb -f "${deb[runtime]}" Depends)
for lib in libqt5core5a libqt5gui5 libqt5widgets5 libqt5network5 'libavcodec[0-9]+' 'libavformat[0-9]+' \
    'libavutil[0-9]+' 'libswscale[0-9]+' 'libyuv[0-9]+' libc6; do
    grep -Eq "(^|, )$lib " <<<"$depends" || fail "Depends lacks $lib: $depends"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
: >"$root/files.txt"
for component in $components; do
    dpkg-deb -x "${deb[$component]}" "$root/fs"
    dpkg-deb -c "${deb[$component]}" | awk -v p="${package[$component]}" '{print p, $6}' >>"$root/files.txt"
    # Every package carries its copyright file and changelog.
    for doc in copyright changelog.gz; do
        grep -qx "${package[$component]} ./usr/share/doc/${package[$component]}/$doc" "$root/files.txt" ||
            fail "${package[$component]} lacks /usr/share/doc/${package[$component]}/$doc"
    done
done
fs=$root/fs

# Everything under /usr (and the SDK's configuration under /etc); nothing
# from the tests or benchmarks; no file in two packages.
if awk '{print $2}' "$root/files.txt" | grep -Ev '^\./((usr|etc)/|$)' | grep -q .; then
    fail "files outside /usr and /etc"
fi
if grep -E '/(tst_|bench_|sdk_.*_test|vexo-framepath|vexo-manual-pdf)' "$root/files.txt"; then
    fail "test or build tools in the package"
fi
# The camera library's package brings the system-wide configuration, kept
# over upgrades as a conffile, and the USB3 Vision udev rule; nothing else
# lies in /etc.
for file in ./etc/VexoCameraSDK/sdk.conf ./usr/lib/udev/rules.d/60-vexocamerasdk-usb3vision.rules; do
    grep -qx "${package[sdk]} $file" "$root/files.txt" || fail "${package[sdk]} lacks ${file#.}"
done
if awk '$2 ~ /^\.\/etc\/./ && $2 !~ /\/$/ {print $1, $2}' "$root/files.txt" |
    grep -vx "${package[sdk]} ./etc/VexoCameraSDK/sdk.conf" | grep -q .; then
    fail "unexpected files under /etc"
fi
conffiles=$(dpkg-deb -I "${deb[sdk]}" conffiles 2>/dev/null || true)
[ "$conffiles" = /etc/VexoCameraSDK/sdk.conf ] || fail "${package[sdk]} conffiles: '$conffiles'"
duplicates=$(awk '$2 !~ /\/$/ {print $2}' "$root/files.txt" | sort | uniq -d)
[ -z "$duplicates" ] || fail "files in two packages: $duplicates"

# The camera library: versioned file in the system's library folder, SONAME,
# no run path, exports exactly the functions of its headers.
library=$(cd "$fs" && find usr/lib -name "libVexoCameraSDK.so.$version")
[ -n "$library" ] || fail "libVexoCameraSDK.so.$version missing"
libdir=$(dirname "$library")
[ "$libdir" = "usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)" ] || fail "the library lies in $libdir"
grep -qx "$sdk ./$library" "$root/files.txt" || fail "the library is not in $sdk"
grep -qx "$sdk ./$libdir/libVexoCameraSDK.so.$major" "$root/files.txt" || fail "$sdk lacks libVexoCameraSDK.so.$major"
[ "$(readlink "$fs/$libdir/libVexoCameraSDK.so.$major")" = "libVexoCameraSDK.so.$version" ] ||
    fail "libVexoCameraSDK.so.$major does not lead to the library"
soname=$(readelf -d "$fs/$library" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
[ "$soname" = "libVexoCameraSDK.so.$major" ] || fail "SONAME is '$soname'"
if readelf -d "$fs/$library" | grep -Eq 'R(UN)?PATH'; then
    fail "the library carries a run path"
fi
nm -D --defined-only "$fs/$library" | awk '{print $3}' | sed 's/@.*//' | sort -u >"$root/exported.txt"
sed -n 's/^VEXO_SDK_API [^(]* \**\([A-Za-z0-9_]*\)(.*/\1/p' "$source"/sdk/include/*.h "$source"/sdk/include/VexoCameraSDK/*.h | sort -u >"$root/declared.txt"
[ -s "$root/declared.txt" ] || fail "no functions found in the headers"
diff "$root/declared.txt" "$root/exported.txt" >"$root/symbols.diff" ||
    fail "the library's symbols differ from its headers (< declared only, > exported only): $(cat "$root/symbols.diff")"
control=$(dpkg-deb --ctrl-tarfile "${deb[sdk]}" | tar -xO ./shlibs 2>/dev/null || true)
[ "$control" = "libVexoCameraSDK $major $sdk (>= $version)" ] || fail "$sdk shlibs is '$control'"

# The programs find the library beside themselves, through a link.
private=$(cd "$fs" && dirname "$(find usr/lib -name VexoCam -type f)")
expect=(
    "$private/VexoCam" "$private/Addrix" "$private/VexoUpgrade" "$private/vexo-sim" "$private/软件使用说明书.pdf"
    usr/share/metainfo/org.vexocam.VexoCam.metainfo.xml
)
[ -L "$fs/$private/libVexoCameraSDK.so.$major" ] || fail "no libVexoCameraSDK.so.$major link beside the programs"
[ "$(readlink -f "$fs/$private/libVexoCameraSDK.so.$major")" = "$(readlink -f "$fs/$library")" ] ||
    fail "the link beside the programs does not lead to the library"
for program in VexoCam Addrix VexoUpgrade; do
    expect+=("$private/${program}_zh_CN.qm" "$private/${program}_en_CN.qm"
        "usr/share/applications/org.vexocam.$program.desktop"
        "usr/share/man/man1/$program.1.gz"
        "usr/share/icons/hicolor/scalable/apps/org.vexocam.$program.svg")
    for size in 16 22 24 32 48 64 128 256; do
        expect+=("usr/share/icons/hicolor/${size}x${size}/apps/org.vexocam.$program.png")
    done
    # The start command is a link that resolves to the program in the package.
    [ -L "$fs/usr/bin/$program" ] || fail "/usr/bin/$program is not a link"
    [ "$(readlink -f "$fs/usr/bin/$program")" = "$(readlink -f "$fs/$private/$program")" ] ||
        fail "/usr/bin/$program does not lead to $private/$program"
done
for elf in VexoCam Addrix VexoUpgrade vexo-sim; do
    runpath=$(readelf -d "$fs/$private/$elf" | sed -n 's/.*R\(UN\)\{0,1\}PATH.*\[\(.*\)\]/\2/p')
    [ "$runpath" = '$ORIGIN' ] || fail "$elf has run path '$runpath', not \$ORIGIN"
done

# What other programs build against.
dev=${package[dev]}
include=usr/include/vexocam
expect+=(
    "$include/VexoCameraSDK.h" "$include/VexoCameraSim.h" "$include/VexoCameraSDKVersion.h"
    "$include/VexoCameraSDK/types.h" "$include/VexoCameraSDK/frames.h" "$include/VexoCameraSDK/features.h"
    "$libdir/pkgconfig/vexocamerasdk.pc" "$libdir/cmake/VexoCameraSDK/VexoCameraSDKConfig.cmake"
    "$libdir/cmake/VexoCameraSDK/VexoCameraSDKConfigVersion.cmake"
    "usr/share/doc/$dev/reference/index.html" "usr/share/doc/$dev/examples/CMakeLists.txt"
    "usr/share/doc/$dev/examples/Makefile" "usr/share/doc/$dev/examples/README.md"
)
for example in "$source"/examples/*.c; do
    expect+=("usr/share/doc/$dev/examples/$(basename "$example")")
done
for file in "${expect[@]}"; do
    [ -e "$fs/$file" ] || fail "missing /$file"
done
[ "$(readlink "$fs/$libdir/libVexoCameraSDK.so")" = "libVexoCameraSDK.so.$major" ] || fail "no libVexoCameraSDK.so link"
grep -qx "$dev ./$libdir/libVexoCameraSDK.so" "$root/files.txt" || fail "libVexoCameraSDK.so is not in $dev"
grep -q "^#define VEXO_SDK_VERSION_STRING \"$version\"$" "$fs/$include/VexoCameraSDKVersion.h" ||
    fail "the header's version is not $version"
grep -q '^prefix=/usr$' "$fs/$libdir/pkgconfig/vexocamerasdk.pc" || fail "vexocamerasdk.pc does not name /usr"
if grep -q 'rpath' "$fs/$libdir/pkgconfig/vexocamerasdk.pc"; then
    fail "vexocamerasdk.pc forces a run path"
fi

# The other packages, when the build makes them.
if [ -n "${deb[tools]:-}" ]; then
    [ -x "$fs/usr/bin/vexocam-cli" ] || fail "/usr/bin/vexocam-cli missing"
    [ -e "$fs/usr/share/man/man1/vexocam-cli.1.gz" ] || fail "the manual page of vexocam-cli is missing"
fi
if [ -n "${deb[python]:-}" ]; then
    [ -n "$(find "$fs/usr/lib" -path '*/dist-packages/vexocamera*' -print -quit)" ] ||
        fail "the module vexocamera is not in dist-packages"
fi

# Detached debug symbols of every package with binaries, matching them by
# build ID.
for component in $components; do
    name=${package[$component]}
    while IFS= read -r elf; do
        id=$(readelf -n "$fs/$elf" | sed -n 's/.*Build ID: \([0-9a-f]*\)/\1/p')
        [ -n "$id" ] || fail "/$elf has no build ID"
        ddebs=("$build"/packages/"${name}"-dbgsym_*.ddeb)
        [ ${#ddebs[@]} -eq 1 ] || fail "no $name-dbgsym package for /$elf"
        [ -f "$root/$name-dbgsym.txt" ] || dpkg-deb -c "${ddebs[0]}" >"$root/$name-dbgsym.txt"
        grep -q "/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" "$root/$name-dbgsym.txt" ||
            fail "$name-dbgsym lacks the debug symbols of /$elf"
        if readelf -S "$fs/$elf" | grep -q '\.debug_info'; then
            fail "/$elf is not stripped"
        fi
    done < <(awk -v p="$name" '$1 == p {print substr($2, 3)}' "$root/files.txt" | while read -r f; do
        [ -f "$fs/$f" ] && [ ! -L "$fs/$f" ] && file -b "$fs/$f" | grep -q '^ELF' && echo "$f"
    done)
done

# Desktop integration, validated offline.
for desktop in "$fs"/usr/share/applications/*.desktop; do
    desktop-file-validate "$desktop" || fail "$(basename "$desktop") is not valid"
    exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -e "$fs/usr/bin/$exec" ] || fail "$(basename "$desktop") starts $exec, which is not in /usr/bin"
done
appstreamcli validate --no-net "$fs/usr/share/metainfo/org.vexocam.VexoCam.metainfo.xml" ||
    fail "the AppStream file is not valid"

# The manual carries every picture taken so far (scripts/manual-screenshots.sh).
manual=$source/docs/manual
wanted=0
for picture in $(sed -n 's/.*<img src="\([^"]*\)".*/\1/p' "$manual/manual.html"); do
    if [ -f "$manual/$picture" ]; then wanted=$((wanted + 1)); fi
done
[ "$wanted" -gt 0 ] || fail "the manual shows no pictures"
images=$(pdfimages -list "$fs/$private/软件使用说明书.pdf" | tail -n +3 | wc -l)
[ "$images" -ge "$wanted" ] || fail "the manual PDF has $images pictures, its source $wanted"

# A program of an integrator's own, against the packaged SDK: the examples,
# built with CMake and with pkg-config, one run on a simulated camera.
echo "== a program against the packaged SDK"
work=$root/integrator
mkdir -p "$work/home"
cp -r "$fs/usr/share/doc/$dev/examples" "$work/src"
cmake -S "$work/src" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$fs/usr" >"$work/log" 2>&1 &&
    cmake --build "$work/cmake" >>"$work/log" 2>&1 || { cat "$work/log"; fail "the examples do not build with CMake"; }
PKG_CONFIG_SYSROOT_DIR=$fs PKG_CONFIG_LIBDIR=$fs/$libdir/pkgconfig make -s -C "$work/src" grab_frames >"$work/log" 2>&1 ||
    { cat "$work/log"; fail "the examples do not build with pkg-config"; }
for program in "$work/cmake/grab_frames" "$work/src/grab_frames"; do
    (cd "$work" && VEXO_SDK_BACKENDS=sim VEXO_SDK_HOME="$work/home" HOME="$work/home" LD_LIBRARY_PATH="$fs/$libdir" \
        "$program" "" >/dev/null 2>&1) && fail "an empty serial was accepted"
    (cd "$work" && VEXO_SDK_BACKENDS=sim VEXO_SDK_HOME="$work/home" HOME="$work/home" LD_LIBRARY_PATH="$fs/$libdir" \
        "$program" VXG2M-21A0457 "$work/out/frame" >"$work/log" 2>&1) || { cat "$work/log"; fail "$program failed"; }
    grep -qx "libVexoCameraSDK $version, built with $version" "$work/log" || fail "$program shows other versions"
    [ -s "$work/out/frame.png" ] || fail "$program saved no picture"
    rm -rf "$work/out"
done

# Errors and warnings fail; the rest is shown.
echo "== lintian"
status=0
report=$(lintian --fail-on error,warning "${debs[@]}" 2>&1) || status=$?
grep -v 'running with root privileges' <<<"$report" || true
[ "$status" -eq 0 ] || fail "lintian reports errors or warnings"
echo "check-package: $(for d in "${debs[@]}"; do basename "$d"; done | tr '\n' ' ')are fine"
