#!/usr/bin/env bash
# While a top-prize box is open the window takes no input: clicks on its
# three buttons, on its title-bar buttons, a double click and a drag on its
# title bar, and a close attempt (WM_SYSCOMMAND SC_CLOSE, as a taskbar sends
# it) change nothing: no row, no close, no move. The keys a person presses
# then go to the box (it has the focus): Esc, Alt+F4, Space and Enter each
# close the box as its OK would, and never the window. After the box the
# command goes on exactly where it was: the rows, and so the counters they
# show, equal the replay's. The first guaranteed draw in the middle of a batch
# (click 405 of 5x405) shows its box over its new, still empty row, and the
# rest of the batch waits for OK.
source "$(dirname "$0")/lib.sh"
e2e_setup
start_zorvane

clicks=405
# The box of the first guaranteed draw inside a batch: its number among the
# boxes, and the rows while it is open and after the click.
read -r guaranteeBox guaranteeRowsOpen guaranteeRowsAfter totalBoxes < <(
  awk -f "$E2E_LIB_DIR/plan.awk" <(expand_actions "5x$clicks") <("$ZORVANE_SIM" replay "5x$clicks") |
    awk -F'\t' '$3 > 0 { box += $3; if ($5 < $2 && !found) found = box " " $5 " " $2 } END { print found, box }')
[[ -n "$guaranteeBox" ]] || die "no guaranteed draw inside a batch in 5x$clicks"
log "box $guaranteeBox: a guaranteed draw inside a batch ($guaranteeRowsOpen rows while open, then $guaranteeRowsAfter)"

# Mouse input and a close attempt on the disabled window, then a barrier: a
# press on the box's OK, seen as pushed, shows that all the input before it
# has been handled. Nothing may have changed; the release then clicks OK.
mouse_faults() { # BOX_NUMBER ROWS_OPEN
  local rect
  drv state
  rect=$(fact rect)
  click "$BUTTON_SINGLE"
  click "$BUTTON_FIVE"
  click "$BUTTON_RESET"
  click close
  click minimize
  click maximize
  click caption --repeat 2 --delay 40
  read -r cx cy <<<"$(position caption)"
  pointer_to "$cx" "$cy"
  xdo mousedown 1
  xdo mousemove $((cx + 40)) $((cy + 30))
  xdo mouseup 1
  drv syscommand close
  read -r ox oy <<<"$(position ok)"
  pointer_to "$ox" "$oy"
  xdo mousedown 1
  drv wait-pushed 10000 || fail "box $1: the barrier's press on OK was not seen"
  drv state
  local -a problems=()
  [[ "$(fact exists)" == yes ]] || problems+=("the window closed")
  [[ "$(fact rows)" == "$2" ]] || problems+=("$(fact rows) rows, expected $2")
  [[ "$(fact boxes)" == 1 ]] || problems+=("$(fact boxes) boxes")
  [[ "$(fact enabled)" == no ]] || problems+=("the window is enabled")
  [[ "$(fact iconic)" == no ]] || problems+=("minimised")
  [[ "$(fact zoomed)" == no ]] || problems+=("maximised")
  [[ "$(fact rect)" == "$rect" ]] || problems+=("moved to $(fact rect)")
  if ((${#problems[@]} == 0)); then
    pass "box $1: clicks on the buttons, title bar and its buttons, a drag and SC_CLOSE changed nothing"
  else
    fail "box $1: ${problems[*]}"
  fi
  xdo mouseup 1
  drv wait-no-box 10000 || fail "box $1: OK did not close it"
}

# A key on the open box closes it like OK; the window stays.
key_closes_box() { # BOX_NUMBER KEY
  key "$2"
  if drv wait-no-box 10000; then pass "box $1: $2 closed the box"; else fail "box $1: $2 left the box open"; fi
  drv state
  check_eq "box $1: the window after $2 on the box" yes "$(fact exists)"
}

fault_box() { # BOX_NUMBER EXPECTED_TEXT ROWS_OPEN
  check_box "$@"
  case $1 in
    1) mouse_faults "$1" "$3" ;;
    2) key_closes_box "$1" Escape ;;
    3) key_closes_box "$1" alt+F4 ;;
    4) key_closes_box "$1" space ;;
    5) key_closes_box "$1" Return ;;
    "$guaranteeBox")
      # The guaranteed draw's row is there and still empty; the batch waits.
      drv rows $(($3 - 1))
      check_eq "box $1: the guaranteed draw's row while the box is open" \
        "$(printf 'row\t%d\t\t\t\t' $(($3 - 1)))" "${DRV_LINES[0]:-none}"
      mouse_faults "$1" "$3"
      ;;
    *) answer_box "$@" ;;
  esac
}
ON_BOX=fault_box

run_script "5x$clicks"
check_eq "boxes seen" "$totalBoxes" "$BOXES_SEEN"
drv state
check_eq "rows after the batch that waited for its box" "$guaranteeRowsAfter" "$(fact rows)"
# One more batch and a single draw: their rows show the counters, which the
# faults left alone.
run_script 5 1
expect_rows "5x$clicks 5 1 with faults at the boxes"

click caption
key Escape
expect_close "Esc after the faults" 5000
