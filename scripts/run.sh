#!/usr/bin/env bash
# Installs what is missing, builds the suite and starts VexoCam on the
# built-in simulated cameras (under a virtual X server when there is no display).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VEXO_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target VexoCam Addrix VexoUpgrade vexo-sim translations manual

# The source tree's default is the simulated cameras, even where an installed
# suite's system-wide configuration chooses real ones; VEXO_SDK_BACKENDS and
# the user's sdk.conf still decide.
export VEXO_SDK_SYSTEM_CONFIG=${VEXO_SDK_SYSTEM_CONFIG:-/dev/null}

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/bin/VexoCam"
fi
echo "No display: starting VexoCam under xvfb-run (screen 1600x900)."
exec xvfb-run -a -s "-screen 0 1600x900x24" "$build/bin/VexoCam"
