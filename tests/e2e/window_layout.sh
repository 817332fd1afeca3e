#!/usr/bin/env bash
# The window as it starts, read from outside: title, outer rectangle centred
# on an 800 x 600 screen, frame and title-bar buttons, icons, background; the
# four controls' kinds, texts, positions, sizes, styles and tab stops; the
# list's styles, colours, header and columns; the focus on the list. Then a
# screenshot that must show the window, and Esc closes it with status 0.
source "$(dirname "$0")/lib.sh"
e2e_setup
start_zorvane
drv describe || die "describe failed: ${DRV_LINES[*]}"
save_answer "$E2E_OUT/describe.tsv"

expect_facts "window" <<'EOF'
window.class	ZorvaneMainWindow
window.title	Zorvane抽奖机
# (800 - 380) / 2 = 210 and (600 - 269) / 2 = 165, the half pixel dropped.
window.rect	210 165 380 269
screen.size	800 600
window.style.WS_CAPTION	yes
window.style.WS_SYSMENU	yes
window.style.WS_MINIMIZEBOX	yes
window.style.WS_MAXIMIZEBOX	no
window.style.WS_THICKFRAME	no
window.style.WS_POPUP	no
window.style.WS_CHILD	no
window.style.WS_VSCROLL	no
window.style.WS_HSCROLL	no
window.exstyle.WS_EX_TOPMOST	no
window.exstyle.WS_EX_TOOLWINDOW	no
window.exstyle.WS_EX_LAYOUTRTL	no
window.owner	none
window.menu	none
window.visible	yes
window.enabled	yes
window.iconic	no
window.zoomed	no
children	4
focus	list
active	window
EOF

# Kind, text, place and size of each control, and the styles all share.
while IFS='|' read -r name class text rect; do
  expect_facts "$name" <<EOF
$name.class	$class
$name.text	$text
$name.rect	$rect
$name.visible	yes
$name.enabled	yes
$name.style.WS_CHILD	yes
$name.style.WS_TABSTOP	yes
$name.style.WS_DISABLED	no
EOF
done <<'EOF'
list|SysListView32||0 0 380 200
button[60积分抽1次]|Button|60积分抽1次|10 205 100 30
button[重置抽奖机]|Button|重置抽奖机|140 205 100 30
button[270积分抽5次]|Button|270积分抽5次|265 205 100 30
EOF

for button in 60积分抽1次 重置抽奖机 270积分抽5次; do
  name="button[$button]"
  expect_facts "$name" <<EOF
$name.style.BS_PUSHBUTTON	yes
$name.style.BS_DEFPUSHBUTTON	no
$name.style.BS_CENTER	yes
$name.style.BS_VCENTER	yes
$name.style.BS_MULTILINE	yes
$name.style.BS_BITMAP	no
$name.style.BS_ICON	no
$name.image	none
EOF
done

expect_facts "list" <<'EOF'
list.style.LVS_REPORT	yes
list.style.LVS_SINGLESEL	yes
list.style.LVS_SHOWSELALWAYS	yes
list.style.LVS_NOSORTHEADER	yes
list.style.LVS_SORTASCENDING	no
list.style.LVS_SORTDESCENDING	no
list.style.LVS_EDITLABELS	no
list.style.LVS_NOCOLUMNHEADER	no
list.style.LVS_OWNERDATA	no
list.exstyle.WS_EX_CLIENTEDGE	yes
list.extended.LVS_EX_FULLROWSELECT	yes
list.extended.LVS_EX_GRIDLINES	yes
list.extended.LVS_EX_CHECKBOXES	no
list.extended.LVS_EX_TRACKSELECT	no
list.extended.LVS_EX_HEADERDRAGDROP	no
list.extended.LVS_EX_ONECLICKACTIVATE	no
list.extended.LVS_EX_TWOCLICKACTIVATE	no
list.extended.LVS_EX_SUBITEMIMAGES	no
list.colour.text	0 0 0
list.colour.textbackground	255 255 255
list.colour.background	255 255 255
list.images.0	none
list.images.1	none
list.images.2	none
list.rows	0
list.selected	0
list.header	present
list.header.visible	yes
list.header.style.HDS_BUTTONS	no
list.header.items	4
list.header.images	none
list.columns	4
list.column.0.title	#
list.column.0.width	35
list.column.1.title	消费值
list.column.1.width	70
list.column.2.title	荣耀值
list.column.2.width	70
list.column.3.title	获得信息
list.column.3.width	180
EOF
for column in 0 1 2 3; do
  expect_facts "column $column" <<EOF
list.column.$column.align	left
list.column.$column.image	no
list.column.$column.order	$column
EOF
done

# The current visual style: the manifest brings in the side-by-side common
# controls 6.0.
comctl32=$(fact process.comctl32)
if [[ "$comctl32" == *winsxs*common-controls*_6.0.* ]]; then
  pass "common controls 6.0 loaded: $comctl32"
else
  fail "common controls: $comctl32 (not the side-by-side 6.0)"
fi

# The icons: Wine hands the window's large and small icons to X as
# _NET_WM_ICON; they must be the program's own (window/zorvane.ico), pixel for
# pixel within rounding.
xWindow=$(xwininfo -root -tree | awk '/"Zorvane抽奖机"/ { print $1; exit }')
xprop -id "$xWindow" -notype 32c _NET_WM_ICON | sed 's/^_NET_WM_ICON = //' | tr -d ' ' | tr ',' '\n' \
  >"$E2E_OUT/net_wm_icon.txt"
icon=$E2E_SOURCE_DIR/window/zorvane.ico
for size in 32 16; do
  frame=$(identify -format '%p %w\n' "$icon" | awk -v s="$size" '$2 == s { print $1; exit }')
  convert "${icon}[$frame]" -depth 8 rgba:- | od -An -v -tu1 | tr -s ' ' '\n' | sed '/^$/d' >"$E2E_OUT/icon-$size.rgba"
  verdict=$(awk -v size="$size" '
    FNR == NR { x11[NR] = $1; n = NR; next }
    { file[++m] = $1 }
    END {
      # Find the X icon of this size among "width height pixels..." blocks.
      for (i = 1; i <= n; i += 2 + x11[i] * x11[i + 1]) if (x11[i] == size && x11[i + 1] == size) start = i + 2
      if (!start) { print "absent"; exit }
      bad = 0
      for (p = 0; p < size * size; p++) {
        v = x11[start + p]
        a = int(v / 16777216); r = int(v / 65536) % 256; g = int(v / 256) % 256; b = v % 256
        fr = file[p * 4 + 1]; fg = file[p * 4 + 2]; fb = file[p * 4 + 3]; fa = file[p * 4 + 4]
        d = a - fa; if (d < 0) d = -d
        if (d > 2) { bad++; continue }
        if (fa > 0) {
          dr = r - fr; dg = g - fg; db = b - fb
          if (dr * dr > 9 || dg * dg > 9 || db * db > 9) bad++
        }
      }
      print (bad == 0 ? "same" : bad " pixels differ")
    }' "$E2E_OUT/net_wm_icon.txt" "$E2E_OUT/icon-$size.rgba")
  check_eq "the window's ${size}x$size icon against the program's icon" same "$verdict"
done

# Screenshot: the window is drawn (not a blank screen), where it should be,
# with the 3-D face colour as its background between the buttons.
shot=$(screenshot window)
colours=$(convert "$shot" -format %k info:)
if ((colours >= 16)); then pass "screenshot has $colours colours"; else fail "screenshot has only $colours colours"; fi
outside=$(convert "$shot" -crop 200x160+0+0 +repage -format %k info:)
check_eq "screen outside the window is plain" 1 "$outside"
faceColour=$(fact system.colour.btnface | awk '{ printf "srgb(%d,%d,%d)", $1, $2, $3 }')
read -r clientX clientY <<<"$(fact window.client.origin)"
# Client (125, 220): between the first two buttons, under the list.
pixel=$(convert "$shot" -format "%[pixel:p{$((clientX + 125)),$((clientY + 220))}]" info:)
check_eq "window background between the buttons is the 3-D face colour" "$faceColour" "$pixel"
# The list's background inside its client area is white.
pixel=$(convert "$shot" -format "%[pixel:p{$((clientX + 200)),$((clientY + 150))}]" info:)
check_eq "list background" "srgb(255,255,255)" "$pixel"

key Escape
expect_close "Esc at start" 5000
