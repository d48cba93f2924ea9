#!/bin/sh
# Takes docs/window.png: the main window after calculating the worked example,
# on a virtual display. Usage: tools/screenshot/screenshot.sh [BUILD_DIR] [OUTPUT] [PAGE]
set -eu
here=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$here/build}
output=${2:-$here/docs/window.png}
page=${3:-0}
cmake --build "$build" --target ui_screenshot -j2 >/dev/null
mkdir -p "$(dirname "$output")"
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    env QT_QPA_PLATFORM=xcb "$build/tools/screenshot/ui_screenshot" "$output" "$page"
echo "wrote $output"
