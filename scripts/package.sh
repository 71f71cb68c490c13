#!/usr/bin/env bash
# Installs what is missing, builds the suite without tests and benchmarks and
# makes its Debian packages in <build>/packages/ (cmake/Packaging.cmake lists
# them): vexocam (the programs), libvexocamerasdk1 (the camera library),
# libvexocamerasdk-dev (headers, CMake package, pkg-config file, examples,
# reference), and the others the build declares, each with its -dbgsym .ddeb.
# Install with: sudo apt install ./build-package/packages/*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VEXO_BUILD_DIR:-$root/build-package}
jobs=$(nproc 2>/dev/null || echo 2)

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXO_BUILD_TESTS=OFF -DVEXO_BUILD_BENCH=OFF
cmake --build "$build" -j"$jobs"
bash "$root/scripts/check-package.sh" "$build"
ls -1 "$build"/packages/*.deb "$build"/packages/*.ddeb
