#!/usr/bin/env bash
# Mouse clicks at the buttons' places on the screen run their commands: the
# rows read back from the list equal `zorvane-sim replay` of the same clicks.
# Clicking rows selects the whole row, one at a time, and the selection stays
# after a button click; clicking or dragging the column header neither sorts,
# nor shows a pressed item, nor reorders the columns.
source "$(dirname "$0")/lib.sh"
e2e_setup
start_zorvane

# Every button, a reset between draws, a batch after singles.
run_script 5 1 1 r 1 1 5 1
expect_rows "5 1 1 r 1 1 5 1"
shot=$(screenshot rows)
# The list's client area now holds text: far more colours than the empty grid.
listColours=$(convert "$shot" -crop 370x180+215+205 +repage -format %k info:)
if ((listColours >= 8)); then pass "rows painted ($listColours colours in the list)"; else
  fail "the list looks empty in the screenshot ($listColours colours)"; fi

# A click in the last column of a row selects the row (full-row selection:
# without it only the first cell's text would take the click).
for row in 2 5; do
  click "row:$row"
  wait_selected "$row" 3000
  check_eq "click on row $row: selected row" "$row" "$(selected_now)"
done
drv describe
check_eq "one row selected at a time" 1 "$(fact list.selected)"
# The selection stays while a command adds a row.
run_script 1
drv list-state
check_eq "selection after a button click" 5 "$(fact selected)"
drv state
check_eq "the click moved the focus to the button" "button[60积分抽1次]" "$(fact focus)"

# A press on a push button shows it pushed (beyond its hover look): the
# watch used for the header below sees such a change. The pointer then leaves
# the button before the release, which cancels the click: no command runs.
buttonArea=$(control_geometry "button[$BUTTON_SINGLE]")
hover "$BUTTON_SINGLE" "$buttonArea" "$E2E_OUT/button-hover.png"
xdo mousedown 1
if wait_region_change "$E2E_OUT/button-hover.png" "$buttonArea" 2000; then
  pass "a pressed push button looks pushed within the watch"
else
  fail "a pressed push button did not change within 2 s: the watch cannot see a pressed look"
fi
read -r lx ly <<<"$(position row:0)"
xdo mousemove "$lx" "$ly" mouseup 1
expect_rows "a press released off the button runs nothing"

# The header: a press shows no pushed item (its items do not act as buttons).
headerArea=$(control_geometry list | awk -F'[x+]' '{ printf "%dx17+%d+%d", $1 - 4, $3 + 2, $4 + 2 }')
hover header:1 "$headerArea" "$E2E_OUT/header-hover.png"
xdo mousedown 1
changes=$(count_region_changes "$E2E_OUT/header-hover.png" "$headerArea" 1500)
xdo mouseup 1
check_eq "header grabs that changed while an item was held down (1.5 s)" 0 "$changes"
# ... a click does not sort ...
click header:1
click header:3
expect_rows "after clicks on the header (no sorting)"
# ... and a drag does not reorder the columns.
read -r x0 y0 <<<"$(position header:0)"
read -r x2 y2 <<<"$(position header:2)"
pointer_to "$x0" "$y0"
xdo mousedown 1 mousemove $((x0 + 20)) "$y0" mousemove "$x2" "$y2" mouseup 1
drv describe
for column in 0 1 2 3; do
  check_eq "column $column order after a header drag" "$column" "$(fact "list.column.$column.order")"
done
expect_rows "after the header drag"

key Escape
expect_close "Esc after clicks" 5000
