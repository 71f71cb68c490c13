#!/bin/sh
# The camera library as the test environment starts it, told by every
# configuration there is to use real cameras and given no address list (or
# one beyond loopback), must send nothing anywhere but loopback.
#
# Observed, never risked: vexo-sim lists the cameras under strace inside a
# private network namespace where only the loopback interface exists, so even
# a fault cannot reach a network. Every address a socket call names must be
# 127.0.0.0/8 or ::1, and no socket may be switched to broadcast. A control
# run that asks 127.0.0.1 must show its discovery packet, so a trace that
# misses sends cannot pass.
# Usage: loopback_only.sh <vexo-sim>
set -eu
tool=$1
work=${TMPDIR:-/tmp}/loopback_only
rm -rf "$work"
mkdir -p "$work"

fail() { echo "loopback_only: $*" >&2; exit 1; }

if ! unshare -rn true 2>/dev/null; then
    echo "loopback_only: no private network namespace here (unshare -rn refused); not run"
    exit 77
fi
command -v strace >/dev/null || fail "strace is missing (scripts/packages.txt)"

# An installed suite and a user who both want real cameras.
printf 'backends = aravis\n' >"$work/system.conf"
printf 'backends = aravis,sim\n' >"$work/user.conf"

# trace <name> [VAR=value ...]: lists the cameras in the namespace.
trace() {
    name=$1
    shift
    env -u VEXO_SDK_BACKENDS -u VEXO_SDK_GIGE_ADDRESSES \
        VEXO_SDK_SYSTEM_CONFIG="$work/system.conf" VEXO_SDK_CONFIG="$work/user.conf" "$@" \
        unshare -rn sh -c 'ip link set lo up && exec strace -f -qq -e trace=network -o "$1" "$2" list' \
        sh "$work/$name.trace" "$tool" >"$work/$name.out" 2>&1 ||
        fail "$name: vexo-sim list failed: $(cat "$work/$name.out")"
}

# Addresses named by socket calls that are not loopback, one per line.
foreign() {
    grep -E '^[0-9]+ +(sendto|sendmsg|sendmmsg|connect)\(' "$1" |
        grep -oE 'inet_addr\("[^"]*"\)|inet_pton\(AF_INET6, "[^"]*"' |
        sed -E 's/.*"([^"]*)".*/\1/' | grep -vE '^(127\.[0-9.]+|::1)$' || true
}

check() {
    name=$1
    [ -s "$work/$name.trace" ] || fail "$name: no trace written"
    out=$(foreign "$work/$name.trace")
    [ -z "$out" ] || fail "$name: sent beyond loopback to: $(echo "$out" | sort -u | tr '\n' ' ')"
    if grep -q 'SO_BROADCAST' "$work/$name.trace"; then
        fail "$name: a socket was switched to broadcast"
    fi
}

trace from_files
check from_files
trace from_environment VEXO_SDK_BACKENDS=aravis
check from_environment
trace beyond_loopback VEXO_SDK_BACKENDS=aravis VEXO_SDK_GIGE_ADDRESSES=192.168.10.20,10.0.0.1
check beyond_loopback

# The control: what the library does send shows in the trace.
trace control VEXO_SDK_BACKENDS=aravis VEXO_SDK_GIGE_ADDRESSES=127.0.0.1
check control
grep -Eq '^[0-9]+ +(connect|sendto)\(.*htons\(3956\).*inet_addr\("127\.0\.0\.1"\)' "$work/control.trace" ||
    fail "control: the discovery packet to 127.0.0.1 is not in the trace"
echo "loopback_only: nothing but loopback traffic"
