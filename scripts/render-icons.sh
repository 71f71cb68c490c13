#!/usr/bin/env bash
# Renders resources/icons/src/*.svg into the PNGs the resource file embeds.
# A developer tool only: the PNGs are committed and the build never runs this.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
src="$root/resources/icons/src"
out="$root/resources/icons"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render-icons: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
    exit 1
fi

# Every icon is drawn on a 64x64 grid except these two.
size_of() {
    case "$1" in
        logomin) echo 128 ;;
        CameraplayStatus) echo 24 ;;
        *) echo 64 ;;
    esac
}

shopt -s nullglob
count=0
for svg in "$src"/*.svg; do
    name="$(basename "$svg" .svg)"
    size="$(size_of "$name")"
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio \
        --format png --output "$out/$name.png" "$svg"
    count=$((count + 1))
done

if [ "$count" -eq 0 ]; then
    echo "render-icons: no SVG sources in $src" >&2
    exit 1
fi
echo "render-icons: $count icons written to $out"
