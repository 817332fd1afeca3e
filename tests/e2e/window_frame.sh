#!/usr/bin/env bash
# The frame, driven with the mouse: it cannot be resized from its edges or
# corner, nor maximised (button or double click on the title bar); it can be
# moved by its title bar, minimised and restored, and the focus comes back
# to the control that had it.
source "$(dirname "$0")/lib.sh"
e2e_setup
start_zorvane

window_rect() {
  drv state
  fact rect
}
start_rect=$(window_rect)
check_eq "start rectangle" "210 165 380 269" "$start_rect"

# What the frame answers where a resizable frame would offer sizing.
while IFS='|' read -r place point; do
  drv hittest "at:$point"
  check_ne "hit test on the $place" HTSIZING "${DRV_LINES[0]}"
done <<'POINTS'
top-left corner|210,165
bottom-right corner|589,433
left edge|210,300
right edge|589,300
bottom edge|400,433
top edge|400,165
POINTS
drv hittest caption
check_eq "hit test on the title bar" HTCAPTION "${DRV_LINES[0]}"
drv hittest minimize
check_eq "hit test on the minimise button" HTMINBUTTON "${DRV_LINES[0]}"

# Dragging the bottom-right corner and the left edge changes nothing. The
# drag is followed by a move of the window by its title bar, which is seen;
# both are handled in order, so the drag was handled before it.
drag() { # FROM_X FROM_Y TO_X TO_Y
  pointer_to "$1" "$2"
  xdo mousedown 1 mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) mousemove "$3" "$4" mouseup 1
}
wait_rect() { # RECT MS
  local deadline=$(($(now_us) + $2 * 1000))
  while [[ "$(window_rect)" != "$1" ]]; do (($(now_us) < deadline)) || return 1; sleep 0.01; done
}
drag 588 432 640 480
drag 211 300 150 300
read -r cx cy <<<"$(position caption)"
drag "$cx" "$cy" $((cx + 50)) $((cy + 20))
if wait_rect "260 185 380 269" 5000; then pass "moved by its title bar (+50, +20), size kept after corner and edge drags"; else
  fail "after the drags the window is at $(window_rect), expected 260 185 380 269"; fi
drag $((cx + 50)) $((cy + 20)) "$cx" "$cy"
wait_rect "$start_rect" 5000 || fail "moved back: $(window_rect)"

# No maximising: the (greyed) maximise button and a double click on the title bar.
click maximize
click caption --repeat 2 --delay 40
# A move after both, seen, shows both were handled.
drag "$cx" "$cy" $((cx + 10)) "$cy"
wait_rect "220 165 380 269" 5000 || fail "after the maximise attempts: $(window_rect)"
drv state
check_eq "zoomed after the maximise attempts" no "$(fact zoomed)"
drag $((cx + 10)) "$cy" "$cx" "$cy"
wait_rect "$start_rect" 5000 || fail "moved back: $(window_rect)"

# Minimise, then restore (as the taskbar does: WM_SYSCOMMAND SC_RESTORE); the
# focus goes back to the button that had it.
key Tab
wait_focus "button[$BUTTON_SINGLE]" 5000 || fail "Tab to the first button: $(focus_now)"
click minimize
deadline=$(($(now_us) + 5000000))
while drv state && [[ "$(fact iconic)" != yes ]] && (($(now_us) < deadline)); do sleep 0.01; done
check_eq "minimised by its button" yes "$(fact iconic)"
drv syscommand restore
deadline=$(($(now_us) + 5000000))
while drv state && [[ "$(fact iconic)" != no ]] && (($(now_us) < deadline)); do sleep 0.01; done
check_eq "restored" no "$(fact iconic)"
wait_rect "$start_rect" 5000 || fail "restored at $(window_rect)"
if wait_focus "button[$BUTTON_SINGLE]" 5000; then pass "the focus came back to the button after restore"; else
  fail "focus after restore: $(focus_now)"; fi

key Escape
expect_close "Esc after the frame checks" 5000
