#!/usr/bin/env bash
# Prepares the Wine prefix that every end-to-end test copies: made once, under
# a lock, and reused while its recipe (this file) is unchanged.
#   - Managed=N: with no window manager Wine draws the frames itself, a close
#     takes milliseconds instead of about 2 s, and the active window gets the
#     keyboard focus.
#   - The default GUI font's faces (Tahoma behind "MS Shell Dlg", and the
#     other faces dialogs ask for) replaced by an installed CJK font: under a
#     C or C.UTF-8 locale Wine's own substitute has no CJK glyphs and draws
#     empty boxes.
#   - Wine's Marlett font copied into the prefix's Fonts folder: this build
#     of Wine does not find it in its data directory, and the title-bar
#     buttons are drawn with it.
# Usage: prepare_prefix.sh PREFIX DRIVER_EXE
set -euo pipefail
prefix=$1
driver=$2
recipe=$(sha256sum "$0" | cut -c1-16)
cjkFont="WenQuanYi Micro Hei"

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [[ -f "$prefix/.zorvane-e2e-ready" && "$(cat "$prefix/.zorvane-e2e-ready")" == "$recipe" ]]; then
  echo "prefix $prefix ready"
  exit 0
fi

fc-list | grep -q "$cjkFont" || { echo "prepare_prefix: the font '$cjkFont' is not installed (fonts-wqy-microhei)" >&2; exit 1; }
marlett=""
for candidate in /usr/share/wine/fonts/marlett.ttf /usr/lib/wine/fonts/marlett.ttf; do
  [[ -f "$candidate" ]] && marlett=$candidate && break
done

export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
export LANG=C.UTF-8 LC_ALL=C.UTF-8
if [[ -d "$prefix" ]]; then
  wineserver -k 2>/dev/null || true
  rm -rf "$prefix"
fi
echo "creating prefix $prefix"
wineboot --init >/dev/null 2>&1
wineserver -w

wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" SimSun 宋体 "Segoe UI"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "$cjkFont" /f >/dev/null
done
if [[ -n "$marlett" ]]; then
  cp "$marlett" "$prefix/drive_c/windows/Fonts/marlett.ttf"
else
  echo "prepare_prefix: no marlett.ttf found; the title-bar buttons will show letters" >&2
fi

# Builds Wine's font cache now rather than in the first test, and checks
# that the default GUI font has every glyph of the program's texts.
texts=(60积分抽1次 270积分抽5次 重置抽奖机 消费值 荣耀值 获得信息 信息： Zorvane抽奖机 恭喜您获得了荣耀水晶)
answer=$(wine "$driver" fonts "${texts[@]}" 2>/dev/null)
wineserver -w
echo "$answer"
if grep -P '^font\.missing\[.*\]\t[1-9]' <<<"$answer"; then
  echo "prepare_prefix: the default GUI font lacks glyphs of the program's texts" >&2
  exit 1
fi
echo "$recipe" >"$prefix/.zorvane-e2e-ready"
