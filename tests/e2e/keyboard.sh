#!/usr/bin/env bash
# The keyboard, with real X key presses: the list has the focus at start;
# Tab and Shift+Tab visit all four controls, one way and back; Space on a
# focused button runs its command (rows compared with the replay); Enter and
# F1 do nothing (no row, no focus move); arrow keys move the list's selection
# and do nothing on a button; Esc on a button closes the window with status 0.
#
# A key that must do nothing has no event to wait for, so each is followed by
# a Tab: keys are handled in order, so once the Tab has moved the focus, the
# key before it has been handled too, and the focus must be where the Tab
# alone would have put it.
source "$(dirname "$0")/lib.sh"
e2e_setup
start_zorvane

check_eq "focus at start" list "$(focus_now)"

# Tab: four steps visit the four controls and come back to the list.
declare -a order=(list)
for step in 1 2 3 4; do
  key Tab
  order+=("$(wait_focus_moves "${order[-1]}" 5000)")
done
check_eq "Tab order comes back to the list after four steps" list "${order[4]}"
visited=$(printf '%s\n' "${order[@]:0:4}" | sort -u | wc -l)
check_eq "controls Tab visits" 4 "$visited"
log "Tab order: ${order[*]}"
# Shift+Tab walks the same circle backwards.
for step in 3 2 1 0; do
  key shift+Tab
  if wait_focus "${order[$step]}" 5000; then pass "Shift+Tab to ${order[$step]}"; else
    fail "Shift+Tab: focus on $(focus_now), expected ${order[$step]}"; fi
done

# The control after NAME in the Tab order.
next_of() {
  local i
  for i in 0 1 2 3; do [[ "${order[$i]}" == "$1" ]] && { printf '%s' "${order[$(((i + 1) % 4))]}"; return; }; done
}
focus_on() { # NAME: Tab until the focus is there
  local tries=0 now
  now=$(focus_now)
  while [[ "$now" != "$1" ]]; do
    ((tries++ < 4)) || die "cannot Tab to $1"
    key Tab
    now=$(wait_focus_moves "$now" 2000)
  done
}
# Presses KEY (xdotool names) on NAME, then Tab; the focus must arrive where
# Tab alone leads from NAME, and the rows must not change.
expect_no_effect() { # NAME KEY...
  local name=$1
  shift
  focus_on "$name"
  drv list-state
  local selected
  selected=$(fact selected)
  key "$@" Tab
  local expected
  expected=$(next_of "$name")
  if wait_focus "$expected" 5000; then pass "$* on $name: the focus stays until Tab"; else
    fail "$* on $name: focus on $(focus_now), expected $expected after Tab"; fi
  drv list-state
  [[ "$name" == list ]] || check_eq "$* on $name: list selection" "$selected" "$(fact selected)"
  expect_rows "$* on $name: no command ran"
}

# Space on each focused button runs that button's command.
space_on() { # BUTTON ACTION ROWS_AFTER
  focus_on "button[$1]"
  key space
  SCRIPT_DONE+=("$2")
  if drv wait-rows "$3" 5000 && [[ "${DRV_LINES[0]}" == rows* ]]; then pass "Space on $1 ran its command"; else
    fail "Space on $1: ${DRV_LINES[*]}"; fi
  expect_rows "Space on $1"
}
space_on "$BUTTON_FIVE" 5 5
space_on "$BUTTON_SINGLE" 1 6
space_on "$BUTTON_RESET" r 0
space_on "$BUTTON_SINGLE" 1 1
run_script 5 5 # a few rows for the arrows

# Enter: no default button, so nothing on any control; F1 does nothing.
for name in list "button[$BUTTON_SINGLE]" "button[$BUTTON_FIVE]" "button[$BUTTON_RESET]"; do
  expect_no_effect "$name" Return
done
expect_no_effect "button[$BUTTON_FIVE]" F1
expect_no_effect list F1

# Arrow keys on the list move its selection, one row a press.
focus_on list
drv list-state
[[ "$(fact selected)" == -1 ]] || fail "a row selected before any arrow key: $(fact selected)"
key Down
deadline=$(($(now_us) + 5000000))
while drv list-state && [[ "$(fact selected)" == -1 ]] && (($(now_us) < deadline)); do sleep 0.005; done
first=$(fact selected)
check_ne "Down on the list selects a row" -1 "$first"
for move in Down:1 Down:2 Up:1; do
  key "${move%:*}"
  want=$((first + ${move#*:}))
  deadline=$(($(now_us) + 5000000))
  while drv list-state && [[ "$(fact selected)" != "$want" ]] && (($(now_us) < deadline)); do sleep 0.005; done
  check_eq "${move%:*} on the list" "$want" "$(fact selected)"
done
drv describe
check_eq "rows selected after the arrows" 1 "$(fact list.selected)"
# On a button they do nothing: no focus move, no command, selection kept.
for arrow in Down Up Left Right; do
  expect_no_effect "button[$BUTTON_SINGLE]" "$arrow"
done

focus_on "button[$BUTTON_RESET]"
key Escape
expect_close "Esc with the focus on a button" 5000
