#!/bin/sh
# The SDK as an integrator gets it: installs the library and its development
# files into a scratch prefix, builds the examples there with CMake
# (find_package) and with make (pkg-config), with no path into the source or
# build tree, and runs them on the simulated cameras.
# Usage: sdk_examples.sh <build dir> <examples dir> <suite version> <CFLAGS>
set -eu
build=$1
examples=$2
version=$3
cflags=$4
work=${TMPDIR:-/tmp}/sdk_examples
rm -rf "$work"
mkdir -p "$work"
prefix=$work/prefix

fail() { echo "sdk_examples: $*" >&2; exit 1; }

for component in sdk dev; do
    cmake --install "$build" --prefix "$prefix" --component "$component" >/dev/null
done
libdir=$(dirname "$(find "$prefix" -name 'libVexoCameraSDK.so.*.*')")
[ -n "$libdir" ] || fail "the library was not installed"

# The library by its versioned name, with its SONAME and no run path.
[ -f "$libdir/libVexoCameraSDK.so.$version" ] || fail "libVexoCameraSDK.so.$version missing"
major=${version%%.*}
soname=$(readelf -d "$libdir/libVexoCameraSDK.so.$version" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
[ "$soname" = "libVexoCameraSDK.so.$major" ] || fail "SONAME is '$soname'"
[ "$(readlink "$libdir/libVexoCameraSDK.so.$major")" = "libVexoCameraSDK.so.$version" ] || fail "no .so.$major link"
[ "$(readlink "$libdir/libVexoCameraSDK.so")" = "libVexoCameraSDK.so.$major" ] || fail "no .so link for linking"
if readelf -d "$libdir/libVexoCameraSDK.so.$version" | grep -Eq 'R(UN)?PATH'; then
    fail "the library carries a run path"
fi

# pkg-config: the installed prefix only, no run path forced on programs.
PKG_CONFIG_PATH=$libdir/pkgconfig
export PKG_CONFIG_PATH
[ "$(pkg-config --modversion vexocamerasdk)" = "$version" ] || fail "pkg-config version is not $version"
for flag in $(pkg-config --cflags --libs vexocamerasdk); do
    case "$flag" in
        -I"$prefix"/* | -L"$prefix"/* | -lVexoCameraSDK) ;;
        *) fail "unexpected pkg-config flag $flag" ;;
    esac
done

# As a user of the dev package would: copy the examples, build them both ways.
cp -r "$examples" "$work/src"
make -s -C "$work/src" CFLAGS="$cflags" >"$work/make.log" 2>&1 || fail "make failed: $(cat "$work/make.log")"
cmake -S "$work/src" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_C_FLAGS="$cflags" \
    -DCMAKE_BUILD_TYPE=Release >"$work/cmake.log" 2>&1 || fail "cmake failed: $(cat "$work/cmake.log")"
cmake --build "$work/cmake" >>"$work/cmake.log" 2>&1 || fail "cmake build failed: $(cat "$work/cmake.log")"

# The version file accepts 1.x only for a 1.x library.
mkdir -p "$work/newer"
cat >"$work/newer/CMakeLists.txt" <<EOT
cmake_minimum_required(VERSION 3.16)
project(newer LANGUAGES C)
find_package(VexoCameraSDK $((major + 1)).0 REQUIRED)
EOT
if cmake -S "$work/newer" -B "$work/newer/build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null 2>&1; then
    fail "find_package accepted version $((major + 1)).0"
fi

# Both builds use the installed library: the CMake build through its run
# path, the pkg-config build through the loader's path like any library
# outside the system folders.
ldd "$work/cmake/grab_frames" | grep -q "$libdir/libVexoCameraSDK.so.$major" ||
    fail "the CMake build does not use the installed library"
LD_LIBRARY_PATH=$libdir ldd "$work/src/grab_frames" | grep -q "$libdir/libVexoCameraSDK.so.$major" ||
    fail "the pkg-config build does not use the installed library"

cd "$work"
run() { # run <log> <program> <args...>: fails the test with the program's output
    log=$1
    shift
    "$@" >"$log" 2>&1 || fail "$* failed: $(cat "$log")"
    cat "$log"
}

# grab_frames, from the pkg-config build: versions, ten frames, a PNG in a new folder.
LD_LIBRARY_PATH=$libdir ./src/grab_frames "" shot >out.txt 2>&1 && fail "an empty serial was accepted: $(cat out.txt)"
LD_LIBRARY_PATH=$libdir run grab.txt ./src/grab_frames VXG2M-21A0457 pictures/today/frame
grep -qx "libVexoCameraSDK $version, built with $version" grab.txt || fail "library and header versions differ"
[ "$(grep -c '^frame ' grab.txt)" -eq 10 ] || fail "not ten frames"
head -c 24 pictures/today/frame.png | od -An -tx1 | tr -d ' \n' >head.hex
[ "$(cut -c1-16 head.hex)" = "89504e470d0a1a0a" ] || fail "frame.png is not a PNG"
[ "$(cut -c33-48 head.hex)" = "0000078000000438" ] || fail "frame.png is not 1920x1080"

# The others, from the CMake build.
bin=$work/cmake
run trigger.txt "$bin/trigger" VXG2M-21A0457
[ "$(grep -c '^software frame ' trigger.txt)" -eq 3 ] || fail "not three software-triggered frames"
[ "$(grep -c '^hardware frame ' trigger.txt)" -eq 3 ] || fail "not three hardware-triggered frames"

run multi.txt "$bin/multi_camera" 15
[ "$(grep -c ': 15 frames ' multi.txt)" -eq 4 ] || fail "not 15 frames from each of the four cameras"
for size in 1920x1080 1280x1024 2592x1944 640x480; do
    grep -q " $size," multi.txt || fail "no $size frames"
done

# A loop slower than the camera misses frames, and the counts agree: every
# frame produced was received or lost (but the few still in the library's
# buffers at the end), and the gaps in the frame numbers are losses.
run loop.txt "$bin/frame_loop" VXG2M-21A0457 1.5 40
received=$(sed -n 's/^received \([0-9]*\) frames.*/\1/p' loop.txt)
skipped=$(sed -n 's/.*, \([0-9]*\) skipped by frame number.*/\1/p' loop.txt)
produced=$(sed -n 's/^camera: \([0-9]*\) produced.*/\1/p' loop.txt)
lost=$(sed -n 's/^camera: .*, \([0-9]*\) lost$/\1/p' loop.txt)
[ "${received:-0}" -gt 10 ] || fail "too few frames received"
[ "${skipped:-0}" -gt 0 ] && [ "$skipped" -le "$lost" ] || fail "skipped $skipped, lost $lost"
pending=$((produced - received - lost))
[ "$pending" -ge 0 ] && [ "$pending" -le 4 ] || fail "$produced produced, $received received, $lost lost"

run reconnect.txt "$bin/reconnect" VXG2M-21A0457 4 --simulate-unplug
grep -q '^camera lost after ' reconnect.txt || fail "the loss was not seen"
grep -q '^camera back after ' reconnect.txt || fail "the camera did not come back"
after=$(sed -n 's/^[0-9]* frames, \([0-9]*\) after the camera came back.*/\1/p' reconnect.txt)
[ "${after:-0}" -gt 10 ] || fail "too few frames after the camera came back"

run gige.txt "$bin/gige_address"
[ "$(grep -c '^VXG' gige.txt)" -eq 2 ] || fail "not the two GigE cameras"
run gige.txt "$bin/gige_address" VXG1M-19B0932 static 192.168.77.20 255.255.255.0 192.168.77.1
grep -q '^VXG1M-19B0932: static 192.168.77.20 mask 255.255.255.0 gateway 192.168.77.1,' gige.txt ||
    fail "the static address was not kept"
"$bin/gige_address" VXG1M-19B0932 static 192.168.77.300 255.255.255.0 192.168.77.1 >bad.txt 2>&1 &&
    fail "an invalid address was accepted"
run gige.txt "$bin/gige_address" VXG1M-19B0932 dhcp
grep -q '^VXG1M-19B0932: dhcp 192.168.77.20 ' gige.txt || fail "DHCP was not kept"
