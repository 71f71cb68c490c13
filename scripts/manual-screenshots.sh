#!/usr/bin/env bash
# Takes the pictures of the user manual (docs/manual/images/*.png) from the
# real programs of a build: starts them on the built-in simulated cameras
# under a private X server with openbox, drives them with xdotool and saves
# each window. Everything is fixed so that a re-run gives the same pictures
# up to the live camera images: the camera set, the Chinese user interface,
# the screen and window sizes, and (in a private network namespace, when the
# machine allows one) the host's network interface that the tools show.
#
# Usage: scripts/manual-screenshots.sh [build dir]      (default: build)
# Needs: Xvfb, openbox, xdotool, imagemagick; unshare and ip for the network.
# A window that a build does not have yet is skipped and its old picture kept.
# The click positions below belong to the window sizes set here: when a
# window's layout changes, look at the pictures and adjust the positions.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
bin=$build/bin
images=$root/docs/manual/images

# A private network: one interface "eth0" with a documentation address and
# nothing behind it, so the pictures do not show this machine's network; and
# a private, empty /home, so the paths the pictures show are always the same.
if [ -z "${VEXO_SHOTS_NETNS:-}" ] && unshare -rnm true 2>/dev/null; then
    exec unshare -rnm env VEXO_SHOTS_NETNS=1 bash "$0" "$build"
fi
user_home=
if [ -n "${VEXO_SHOTS_NETNS:-}" ]; then
    case "$root/:$build/" in
        /home/* | *:/home/*) ;; # the tree itself lives there
        *) mount -t tmpfs tmpfs /home && user_home=/home/operator ;;
    esac
    ip link set lo up
    ip link add eth0 type veth peer name peer0
    ip addr add 192.0.2.10/24 dev eth0
    ip link set eth0 up
    ip link set peer0 up
    ip route add default via 192.0.2.1 dev eth0
else
    echo "manual-screenshots: no private network namespace; the tools show this machine's interfaces" >&2
fi

for tool in Xvfb openbox xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "manual-screenshots: $tool is missing" >&2; exit 1; }
done
for program in VexoCam Addrix VexoUpgrade vexo-sim; do
    [ -x "$bin/$program" ] || { echo "manual-screenshots: build $bin/$program first" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Private settings, camera state and desktop; Chinese interface (the tools
# read the viewer's language key) and the four-cell grid at start.
mkdir -p "$work"/{data,config,state,cache,runtime,sdk}
chmod 700 "$work/runtime"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state
export XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/runtime HOME=${user_home:-$work/home}
mkdir -p "$HOME"
export VEXO_SDK_HOME=$work/sdk LANG=C.UTF-8 LC_ALL=C.UTF-8
export VEXO_SDK_BACKENDS=sim VEXO_SDK_SYSTEM_CONFIG=/dev/null
unset VEXO_SDK_CAMERAS VEXO_SDK_CONFIG QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_STYLE_OVERRIDE
cat >"$XDG_DATA_HOME/Config.ini" <<'EOF'
[EDITION]
Language=0
Version=v1.3.0

[WIDGETINFO]
WidgetCount=2
EOF

Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "manual-screenshots: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

taken=()
skipped=()

# window_of TITLE [seconds]: id of the visible window with exactly this title.
window_of() {
    local title=$1 seconds=${2:-10} id
    for _ in $(seq $((seconds * 5))); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | tail -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}
# click WINDOW X Y [BUTTON] [COUNT]: position relative to the window's inside.
click() {
    xdotool mousemove --window "$1" "$2" "$3" click --repeat "${5:-1}" --delay 80 "${4:-1}"
    sleep 0.4
}
# place WINDOW [WIDTH HEIGHT]: a fixed place (and size) on the screen.
place() {
    [ $# -ge 3 ] && xdotool windowsize --sync "$1" "$2" "$3"
    xdotool windowmove --sync "$1" 40 40 || true
    sleep 0.5
}
close_window() {
    xdotool windowactivate --sync "$1" key alt+F4 2>/dev/null || true
    sleep 0.5
}
# shot WINDOW NAME [CROP]: saves images/NAME.png (CROP as WxH+X+Y).
shot() {
    local window=$1 name=$2 crop=${3:-}
    xdotool mousemove 1590 990
    sleep 0.3
    import -window "$window" "$work/$name.png"
    if [ -n "$crop" ]; then
        convert "$work/$name.png" -crop "$crop" +repage "$work/$name.png"
    fi
    mkdir -p "$images"
    convert "$work/$name.png" -strip -define png:compression-level=9 "$images/$name.png"
    taken+=("$name")
}
skip() {
    skipped+=("$1 ($2)")
    echo "manual-screenshots: skipped $1: $2" >&2
}

# ---- VexoCam: a four-cell grid with the four built-in cameras streaming ----
"$bin/VexoCam" >"$work/vexocam.log" 2>&1 &
viewer=$!
pids+=($viewer)
main=$(window_of VexoCam 20)
place "$main" 1400 860
# The device tree lists the two GigE and the two USB cameras; a double click
# opens each in the next idle cell.
for y in 191 213 255 277; do
    click "$main" 120 "$y" 1 2
    sleep 1
done
sleep 3
# Select the first cell so that the dock shows its camera.
click "$main" 460 250
sleep 1.5
shot "$main" main-grid

# The dock with its exposure page.
click "$main" 1165 609
sleep 1
shot "$main" parameter-dock 302x762+1098+98

# The dock's third tab "全部特性": every feature of the camera as a tree;
# then back to the settings tab, whose pages the ROI editor below uses.
click "$main" 1290 143
sleep 1.5
shot "$main" feature-browser 302x762+1098+98
click "$main" 1138 143

# Link counts: the second camera's cable pulled for two seconds; once it is
# back, its cell's status line counts the frames it missed, in red while the
# count has just grown.
"$bin/vexo-sim" unplug VXG1M-19B0932 >/dev/null
sleep 2
"$bin/vexo-sim" replug VXG1M-19B0932 >/dev/null
for _ in $(seq 40); do
    import -window "$main" -crop 390x40+702+425 "$work/status.png"
    red=$(convert "$work/status.png" -fuzz 15% -fill black +opaque "rgb(208,32,16)" -format "%[fx:maxima>0]" info:)
    [ "$red" = 1 ] && break
    sleep 0.2
done
shot "$main" link-status 390x366+702+99

# The camera list ("打开相机"): link type and, for GigE, the address.
click "$main" 37 60
if list=$(window_of "请选择设备" 6); then
    place "$list" 720 244
    sleep 1
    shot "$list" camera-list
    close_window "$list"
else
    skip camera-list "no camera list window"
fi

# ROI editor: resolution page, "自定义" (the last entry) in the resolution
# list; "ROI区域" is enabled only once a camera runs a custom region.
click "$main" 1165 745
click "$main" 1246 449
xdotool key End Return
if roi=$(window_of "ROI设置" 6); then
    place "$roi"
    sleep 1.5
    shot "$roi" roi-editor
    close_window "$roi"
else
    skip roi-editor "no ROI editor window"
fi

# Histogram: the cell's context menu, fifth entry "直方图"; the window takes
# the camera's name as its title.
click "$main" 460 250 3
xdotool key Down Down Down Down Down Return
if histogram=$(window_of "Line camera A" 6); then
    place "$histogram"
    sleep 2
    shot "$histogram" histogram
    close_window "$histogram"
else
    xdotool key Escape
    skip histogram "no histogram window"
fi

# Layout editor: "画面切换" menu, "自定义" (second from the bottom); a 3x3
# layout with four cells merged and one cell selected. Closed without saving.
click "$main" 463 60
xdotool key Up Up Return
if editor=$(window_of "自定义画面分割" 6); then
    place "$editor"
    click "$editor" 386 64
    xdotool key Down Return
    sleep 0.3
    click "$editor" 50 25
    sleep 1
    xdotool key ctrl+a
    xdotool type --delay 40 "Station A"
    xdotool key Return
    sleep 0.8
    for cell in "393 164" "593 164" "393 314" "593 314"; do
        # shellcheck disable=SC2086
        click "$editor" $cell
    done
    click "$editor" 767 64
    click "$editor" 793 464
    shot "$editor" layout-editor
    close_window "$editor"
else
    skip layout-editor "no layout editor window"
fi

# Settings: the toolbar's "抓图" and "快捷键" open the capture and hotkey pages.
for page in "100 capture-settings" "193 hotkeys"; do
    set -- $page
    click "$main" "$1" 60
    if settings=$(window_of "设置" 6); then
        place "$settings"
        shot "$settings" "$2"
        close_window "$settings"
    else
        skip "$2" "no settings window"
    fi
done

close_window "$main"
for _ in $(seq 50); do kill -0 "$viewer" 2>/dev/null || break; sleep 0.2; done

# ---- Addrix: the GigE cameras of the private network, first one selected ----
"$bin/Addrix" >"$work/addrix.log" 2>&1 &
pids+=($!)
if addrix=$(window_of "IP配置工具" 15); then
    place "$addrix"
    click "$addrix" 240 85
    shot "$addrix" addrix
    close_window "$addrix"
else
    skip addrix "no Addrix window"
fi

# ---- VexoUpgrade: an upgrade of the first camera under way ----
mkdir -p "$HOME/firmware"
upg=$HOME/firmware/VXG-200C_v1.3.0.0.upg
"$bin/vexo-sim" make-upg --model VXG-200C --version 1.3.0.0 -o "$upg" >/dev/null
"$bin/VexoUpgrade" >"$work/upgrade.log" 2>&1 &
pids+=($!)
if upgrade=$(window_of "升级" 15); then
    place "$upgrade"
    click "$upgrade" 300 65
    xdotool type --delay 10 "$upg"
    click "$upgrade" 80 150
    click "$upgrade" 656 65
    sleep 1.8
    shot "$upgrade" vexoupgrade
    sleep 4
    xdotool key Return
    close_window "$upgrade"
else
    skip vexoupgrade "no VexoUpgrade window"
fi

echo "manual-screenshots: wrote ${#taken[@]} pictures to $images: ${taken[*]}"
if [ ${#skipped[@]} -gt 0 ]; then
    printf 'manual-screenshots: skipped %s\n' "${skipped[@]}"
fi
