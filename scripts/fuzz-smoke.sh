#!/bin/sh
# Builds the libFuzzer targets on their own with clang and runs each briefly
# on its seed corpus. Usage: scripts/fuzz-smoke.sh [build dir] [seconds per target]
# The run is repeatable (fixed seed and number of inputs, FUZZ_SEED and
# FUZZ_RUNS to change them), so a test run never fails by chance; longer,
# random runs are for developers: scripts/fuzz-smoke.sh dir 300 with FUZZ_SEED=0.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-fuzz"}
seconds=${2:-10}
jobs=${VEXO_JOBS:-2}
seed=${FUZZ_SEED:-1}
runs=${FUZZ_RUNS:-20000}

generator=
if command -v ninja >/dev/null 2>&1; then
    generator="-G Ninja"
fi
# shellcheck disable=SC2086
cmake -S "$root/fuzz" -B "$build" $generator -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j "$jobs"

status=0
for corpus in "$root"/fuzz/*/corpus/*/; do
    name=$(basename "$corpus")
    binary=$(find "$build" -type f -name "$name" -perm -u+x | head -n 1)
    if [ -z "$binary" ]; then
        echo "fuzz-smoke: no binary for corpus $name" >&2
        status=1
        continue
    fi
    # Fresh inputs go to a scratch folder so the committed seeds stay as they are.
    scratch=$(mktemp -d)
    echo "fuzz-smoke: $name (seed $seed, at most $runs inputs or ${seconds}s)"
    limit="-runs=$runs"
    [ "$seed" = 0 ] && limit=""
    # shellcheck disable=SC2086
    if ! "$binary" -seed="$seed" $limit -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/$name-" "$scratch" "$corpus" >"$build/$name.log" 2>&1; then
        echo "fuzz-smoke: $name FAILED, see $build/$name.log" >&2
        tail -n 30 "$build/$name.log" >&2
        status=1
    else
        grep -E 'stat::number_of_executed_units' "$build/$name.log" || true
    fi
    rm -rf "$scratch"
done
exit $status
