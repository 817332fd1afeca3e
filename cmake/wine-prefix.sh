#!/usr/bin/env bash
# Creates the Wine prefix PREFIX once, ready for the program: wineboot, a font
# link from the default GUI fonts to an installed CJK font (so the Chinese
# texts render whatever the Unix locale is, as font linking does on Windows),
# then waits for the server to finish writing it. Later calls find it ready
# and return at once. With --unmanaged, Wine draws the window frames itself
# (for screens without a window manager: closes are immediate and the active
# window gets the keys).
# usage: wine-prefix.sh PREFIX [--unmanaged]
set -euo pipefail
prefix=$1
unmanaged=${2:-}
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -f "$prefix/.zorvane-ready" ]]; then
  wineboot --init >/dev/null 2>&1
  # Marlett, from Wine's own fonts, draws the title-bar buttons; this Wine
  # build does not find it by itself. (Wine's Tahoma is left out: with it
  # the CJK font link no longer reaches the title bar.)
  if [[ -f /usr/share/wine/fonts/marlett.ttf ]]; then
    cp -n /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  for face in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI"; do
    wine reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
  wineserver -w
  touch "$prefix/.zorvane-ready"
fi
if [[ $unmanaged == --unmanaged && ! -f "$prefix/.zorvane-unmanaged" ]]; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.zorvane-unmanaged"
fi
