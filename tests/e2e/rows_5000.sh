#!/usr/bin/env bash
# 5 000 rows in the real list view through 1 017 clicks on "270积分抽5次"
# (the top-prize boxes on the way answered as they come), then ten clicks
# on "60积分抽1次" whose time from the click to its row in the list is the
# responsiveness figure with that many rows. The list keeps its last row in
# view; its rows equal the replay's; Esc then ends the program with status 0,
# and the time that takes is the closing figure.
source "$(dirname "$0")/lib.sh"
e2e_setup
start_zorvane

started=$(now_us)
run_script 5x1017
figure clicks_1017_batches "$(awk -v us=$(($(now_us) - started)) 'BEGIN { printf "%.1f s", us / 1e6 }')"
early=$(latency_summary "${LATENCIES_US[@]:0:100}")
late=$(latency_summary "${LATENCIES_US[@]: -100}")
figure batch_click_to_5th_row_first_100 "$early"
figure batch_click_to_5th_row_last_100 "$late"
drv state
rowsNow=$(fact rows)
if ((rowsNow >= 5000)); then pass "rows in the list: $rowsNow"; else fail "only $rowsNow rows"; fi

run_script 1x10
figure single_click_to_row_at_5000_rows "$(latency_summary "${LATENCIES_US[@]}")"
slowest=$(printf '%s\n' "${LATENCIES_US[@]}" | sort -n | tail -1)
check_le "slowest click to its row with $rowsNow rows (ms)" 1000 $((slowest / 1000))

drv list-state
save_answer "$E2E_OUT/list-state.tsv"
check_eq "the last row is wholly in view" yes "$(fact last.visible)"
top=$(fact top)
perPage=$(fact perpage)
rows=$(fact rows)
if ((top + perPage >= rows && top < rows)); then pass "top row $top, $perPage a page, $rows rows"; else
  fail "top row $top, $perPage a page, $rows rows: the end of the list is not shown"; fi
screenshot rows-5000 >/dev/null

started=$(now_us)
expect_rows "5x1017 1x10"
figure read_rows_ms $((($(now_us) - started) / 1000))

# After the last box no window is active: a click on the title bar first.
click caption
wait_focus "button[$BUTTON_SINGLE]" 5000 || log "focus after the click on the title bar: $(focus_now)"
started=$(now_us)
key Escape
expect_close "Esc with $rows rows" 10000 && figure close_ms_with_rows "$(((PROGRAM_END_US - started) / 1000)) ms ($rows rows)"
