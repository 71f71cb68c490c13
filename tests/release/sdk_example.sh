#!/bin/sh
# Installs the build into a scratch prefix, builds the SDK example against it
# with pkg-config only (no path into the source or build tree), runs it on the
# simulated cameras and checks the picture it saved.
# Usage: sdk_example.sh <build dir> <examples dir> <suite version> <CFLAGS>
set -eu
build=$1
examples=$2
version=$3
cflags=$4
work=${TMPDIR:-/tmp}/sdk_example
rm -rf "$work"
mkdir -p "$work"
prefix=$work/prefix

for component in runtime dev; do
    cmake --install "$build" --prefix "$prefix" --component "$component" >/dev/null
done
PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name vexocamerasdk.pc)")
export PKG_CONFIG_PATH

fail() { echo "sdk_example: $*" >&2; exit 1; }

[ "$(pkg-config --modversion vexocamerasdk)" = "$version" ] || fail "pkg-config version is not $version"
for flag in $(pkg-config --cflags --libs vexocamerasdk); do
    case "$flag" in
        -I"$prefix"/* | -L"$prefix"/* | -Wl,-rpath,"$prefix"/* | -l*) ;;
        *) fail "pkg-config flag $flag points outside the installed prefix" ;;
    esac
done

# As a user of the dev package would: copy the examples and run make.
cp -r "$examples" "$work/src"
make -s -C "$work/src" CFLAGS="$cflags" grab_frames

cd "$work"
./src/grab_frames "" shot >out.txt 2>&1 && fail "an empty serial was accepted: $(cat out.txt)"
./src/grab_frames >out.txt 2>&1 || fail "the example failed: $(cat out.txt)"
cat out.txt
[ "$(grep -c '^frame ' out.txt)" -eq 10 ] || fail "not ten frames"
# The first free camera of the built-in set is a 1920x1080 colour camera.
head -c 24 frame.png | od -An -tx1 | tr -d ' \n' > head.hex
[ "$(cut -c1-16 head.hex)" = "89504e470d0a1a0a" ] || fail "frame.png is not a PNG"
[ "$(cut -c33-48 head.hex)" = "0000078000000438" ] || fail "frame.png is not 1920x1080"

# The program found the installed library through its run path, not the build's.
ldd ./src/grab_frames | grep -q "$prefix/.*libVexoCameraSDK.so" || fail "not linked to the installed library"
