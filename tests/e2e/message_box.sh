#!/usr/bin/env bash
# The top-prize message box, reached by clicks the replay says lead to it:
# caption "信息：", the replay's text, one OK button, no icon, no owner, the
# main window disabled while it is open, and the command held while it is
# open: a single draw's row is there, a batch that drew the top prize ends
# there (its rows stay as they are after OK). Every box of every test gets
# the same checks (check_box in lib.sh); this one also keeps screenshots.
source "$(dirname "$0")/lib.sh"
e2e_setup
start_zorvane

inspect_box() { # BOX_NUMBER EXPECTED_TEXT ROWS_OPEN
  check_box "$@"
  local shot
  shot=$(screenshot "box-$1")
  drv wait-box 1000
  read -r bx by bw bh <<<"$(fact box.rect)"
  local colours
  colours=$(convert "$shot" -crop "${bw}x$bh+$bx+$by" +repage -format %k info:)
  if ((colours >= 8)); then pass "box $1 is drawn ($colours colours)"; else fail "box $1 looks blank ($colours colours)"; fi
  answer_box "$@"
  drv state
  check_eq "box $1: main window enabled again after OK" yes "$(fact enabled)"
  check_eq "box $1: rows after OK" "$3" "$(fact rows)"
}
ON_BOX=inspect_box

# A single draw's top prize (the 26th single draw after a reset).
run_script 5 1x2 r 1x26
check_eq "boxes seen" 1 "$BOXES_SEEN"
expect_rows "up to the single draw's top prize"
# A batch whose 3rd draw is the top prize: three rows, one box, the batch ends.
run_script 5x4
check_eq "boxes seen" 2 "$BOXES_SEEN"
expect_rows "a batch ended by its top prize"
run_script 5
expect_rows "the next batch after it"

# After OK no window of the program is active: the box had no owner and the
# main window was still disabled when the box went away, so nothing took the
# activation (nor the X input focus). A person clicks the window to go on; it
# then gives the focus back to the control that had it before the box.
drv state
log "after the box: active $(fact active), focus $(fact focus), X focus $(xdotool getwindowfocus)"
click caption
if wait_focus "button[$BUTTON_FIVE]" 5000; then pass "a click on the title bar gives the focus back to the button"; else
  fail "after a click on the title bar the focus is on $(focus_now)"; fi
key Escape
expect_close "Esc after the boxes" 5000
