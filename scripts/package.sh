#!/usr/bin/env bash
# Installs what is missing, builds the suite without tests and benchmarks and
# makes its Debian packages: <build>/packages/vexocam_<version>_<arch>.deb
# (programs, camera library, translations, manual, desktop integration) and
# vexocam-dev_<version>_<arch>.deb (the SDK's header, pkg-config file and
# example). Install with: sudo apt install ./build-package/packages/*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VEXO_BUILD_DIR:-$root/build-package}
jobs=$(nproc 2>/dev/null || echo 2)

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXO_BUILD_TESTS=OFF -DVEXO_BUILD_BENCH=OFF
cmake --build "$build" -j"$jobs"
bash "$root/scripts/check-package.sh" "$build"
ls -1 "$build"/packages/*.deb
