#!/usr/bin/env bash
# A rapid double click on a button (two presses 30 ms apart) runs its command
# twice, one after the other and never overlapping: the rows equal the
# replay of two clicks. A click on "重置抽奖机" in the middle of a long script
# leaves the list empty, and the next draw is numbered 1 again.
source "$(dirname "$0")/lib.sh"
e2e_setup
start_zorvane

double_click() { # ACTION ROWS_AFTER
  click "$(action_button "$1")" --repeat 2 --delay 30
  SCRIPT_DONE+=("$1" "$1")
  if drv wait-rows "$2" 10000 && [[ "${DRV_LINES[0]}" == rows* ]]; then
    pass "double click on $(action_button "$1"): $2 rows"
  else
    fail "double click on $(action_button "$1"): ${DRV_LINES[*]}, expected $2 rows"
  fi
}
double_click 1 2
expect_rows "double click on the single draw"
double_click 5 12
expect_rows "double click on the batch"
# A later click, waited for, shows no third command was left over from them.
run_script 1
expect_rows "a click after the double clicks"

# A reset in the middle of a long script.
run_script 5x40 1x20
run_script r
drv list-state
check_eq "rows after the reset" 0 "$(fact rows)"
run_script 1
drv rows
check_eq "the first draw after the reset" "$(printf 'row\t0\t1\t60\t1')" "$(cut -f1-5 <<<"${DRV_LINES[0]}")"
run_script 5x30
expect_rows "the long script with a reset in its middle"

click caption
key Escape
expect_close "Esc after the script" 5000
