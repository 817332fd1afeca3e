#!/usr/bin/env bash
# Every way a person closes the window ends the program at once with exit
# status 0: Alt+F4, the title bar's close button, the system menu's Close
# (Alt+Space, C), Esc with rows in the list. A new start after a close with
# rows begins with an empty list.
source "$(dirname "$0")/lib.sh"
e2e_setup

start_zorvane
drv hittest close
check_eq "the close button's place on the title bar" HTCLOSE "${DRV_LINES[0]}"
key alt+F4
expect_close "Alt+F4" 5000

start_zorvane
run_script 5 1
click close
expect_close "a click on the title bar's close button, with rows" 5000

start_zorvane
drv state
check_eq "a new start after a close with rows: rows" 0 "$(fact rows)"
key alt+space c
expect_close "the system menu's Close (Alt+Space, C)" 5000

start_zorvane
run_script 5x3
start=$(now_us)
key Escape
expect_close "Esc with rows" 5000 && figure close_ms_15_rows $(((PROGRAM_END_US - start) / 1000))
