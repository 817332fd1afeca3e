#!/usr/bin/env bash
# Runs a Windows program under Wine, in a prefix of the build tree that is
# created once (under a lock, so that parallel tests do not race to make it).
#   ZORVANE_WINEPREFIX   the prefix (default: build/windows/wineprefix beside this build)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${ZORVANE_WINEPREFIX:-$here/../build/windows/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
"$here/wine-prefix.sh" "$WINEPREFIX"
exec wine "$@"
