#!/usr/bin/env bash
# Installs what is missing, builds every target (programs, tests, benchmarks,
# fuzz targets), runs every test and builds and checks the Debian packages.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VEXO_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)

# Whatever this machine's configuration says (an installed suite makes real
# cameras its default), everything below gets the simulated cameras and may
# reach GigE Vision cameras on loopback only; the tests that need Aravis's
# test camera name it at 127.0.0.1 themselves.
export VEXO_SDK_BACKENDS=sim VEXO_SDK_SYSTEM_CONFIG=/dev/null VEXO_SDK_CONFIG=/dev/null VEXO_SDK_LOOPBACK_ONLY=1
unset VEXO_SDK_GIGE_ADDRESSES

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXO_BUILD_TESTS=ON -DVEXO_BUILD_BENCH=ON
cmake --build "$build" -j"$jobs"

# The fuzz targets need clang's libFuzzer: built on their own and run briefly
# on their seed corpora so they cannot rot.
if [ -f "$root/scripts/fuzz-smoke.sh" ]; then
  bash "$root/scripts/fuzz-smoke.sh" "$build-fuzz"
fi

# The packages as they would ship: contents, dependencies, lintian, desktop
# entries and AppStream file.
bash "$root/scripts/check-package.sh" "$build"

ctest --test-dir "$build" --output-on-failure -j"$jobs"
