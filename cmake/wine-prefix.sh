#!/usr/bin/env bash
# Creates the Wine prefix PREFIX once: wineboot, then waits for the server to
# finish writing it. Later calls find it ready and return at once.
set -euo pipefail
prefix=$1
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [[ ! -f "$prefix/.zorvane-ready" ]]; then
  export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineboot --init >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.zorvane-ready"
fi
