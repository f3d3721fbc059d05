#!/usr/bin/env bash
# Renders the pictures of docs/screenshots under a real X server (Xvfb), as a
# user sees the windows: every window and dialog in Italian, English and
# Portuguese on a 1920 x 1080 screen at scale 1, and the main and table windows
# on a 1366 x 768 screen at scale 2 (QT_SCALE_FACTOR=2), each also scrolled to
# its far end.
#
# Usage: scripts/screenshots.sh [BUILD_FOLDER]   (default: build/default, built)
# Needs xvfb-run (Debian: xvfb, xauth) and, to compress the pictures, optipng;
# scripts/setup.sh installs them.
set -euo pipefail

cd "$(dirname "$0")/.."
build=${1:-build/default}
tool="$build/src/app/tarvel-screenshot"
out=docs/screenshots

if [ ! -x "$tool" ]; then
  echo "screenshots: build first ($tool is missing)" >&2
  exit 1
fi
if ! command -v xvfb-run >/dev/null; then
  echo "screenshots: xvfb-run is missing (apt-get install xvfb xauth)" >&2
  exit 1
fi

# The about box names the program by its executable: run the tool under the
# desktop program's name, beside the translation modules.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$tool" "$work/tarvel"
cp "$build"/src/app/tarvel_*.qm "$work/"

rm -rf "$out"
mkdir -p "$out"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=Europe/Rome
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR

xvfb-run -a -s "-screen 0 1920x1080x24 -dpi 96" \
  "$work/tarvel" --set "$out"
xvfb-run -a -s "-screen 0 1366x768x24 -dpi 96" \
  env QT_SCALE_FACTOR=2 "$work/tarvel" --set "$out" --windows main,table \
  --suffix -scale2-1366x768 --ends

# Lossless recompression where optipng is at hand.
if command -v optipng >/dev/null; then
  optipng -quiet -o2 "$out"/*.png
fi
du -ch "$out"/*.png | tail -1
