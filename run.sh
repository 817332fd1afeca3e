#!/usr/bin/env bash
# Builds Zorvane for Windows and starts it under Wine: on the user's display
# when there is one; otherwise on a virtual screen, saving a screenshot of the
# window and saying where it is. Installs what is missing on a Debian machine
# first. On Windows itself, build with CMake instead (see the README).
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

tools/install-deps.sh windows
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc 2>/dev/null || echo 2)" --target zorvane >/dev/null
exe=$root/build/windows/window/zorvane.exe
prefix=$root/build/run/wineprefix
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
  cmake/wine-prefix.sh "$prefix"
  exec wine "$exe"
fi

# No display: a virtual one, a screenshot, then the window is closed.
cmake/wine-prefix.sh "$prefix" --unmanaged
shot=$root/build/run/zorvane.png
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
deadline=$((SECONDS + 20))
until xdpyinfo >/dev/null 2>&1; do
  ((SECONDS < deadline)) || { echo "run.sh: the virtual screen did not start" >&2; exit 1; }
  sleep 0.1
done
wine "$exe" &
program=$!
until xdotool search --name 'Zorvane' >/dev/null 2>&1; do
  ((SECONDS < deadline + 40)) || { echo "run.sh: the window did not appear" >&2; exit 1; }
  sleep 0.2
done
xdotool sync >/dev/null 2>&1 || true
sleep 1  # let the first paint finish before the picture is taken
import -window root "$shot"
echo "No display: Zorvane ran on a virtual screen; screenshot: $shot"
xdotool key Escape
wait "$program"
