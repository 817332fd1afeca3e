# Function library of the end-to-end tests, sourced by each test script.
#
# Each test gets its own virtual X screen (Xvfb, 800 x 600), its own copy of
# the prepared Wine prefix (so its own wineserver), starts the real
# zorvane.exe there, drives it with real X input (xdotool) and reads it from
# outside with the driver (zorvane_e2e_driver.exe, kept running as a
# coprocess). Everything it starts is stopped by PID, and the prefix's
# wineserver with `wineserver -k`, when the script exits.
#
# The environment (set by CTest, see CMakeLists.txt):
#   ZORVANE_EXE ZORVANE_CREATE_FAILS_EXE E2E_DRIVER ZORVANE_SIM
#   E2E_PREFIX_TEMPLATE E2E_WORK E2E_ARTIFACTS E2E_SOURCE_DIR E2E_NM E2E_OBJDUMP

set -u -o pipefail

for variable in ZORVANE_EXE ZORVANE_CREATE_FAILS_EXE E2E_DRIVER ZORVANE_SIM E2E_PREFIX_TEMPLATE E2E_WORK \
  E2E_ARTIFACTS E2E_SOURCE_DIR; do
  [[ -n "${!variable:-}" ]] || { echo "e2e: $variable is not set (run the tests through CTest)" >&2; exit 2; }
done

E2E_NAME=$(basename "$0" .sh)
E2E_DIR=$E2E_WORK/$E2E_NAME      # scratch: prefix copy, pipes; removed when the test passes
E2E_OUT=$E2E_ARTIFACTS/$E2E_NAME # kept: screenshots, rows, logs, figures
E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes its ANSI code page from the Unix locale; the program must read
# right under any, and this is the one CI machines have.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

failures=0
XVFB_PID=""
XDO_PID=""
XDO=""
PROGRAM_PID=""
DRIVER_PID=""
DRV_TO=""
DRV_FROM=""
declare -a DRV_LINES=()
declare -A POSITION=()

# --- Reporting ---

log() { printf '%s %s\n' "$(date +%T.%3N)" "$*"; }
pass() { log "ok   $*"; }
fail() {
  log "FAIL $*"
  failures=$((failures + 1))
}
# A fault in the test's own machinery: stop here.
die() {
  log "FATAL $*"
  exit 1
}
check_eq() { # DESCRIPTION EXPECTED ACTUAL
  if [[ "$2" == "$3" ]]; then pass "$1: $3"; else fail "$1: expected '$2', got '$3'"; fi
}
check_ne() { # DESCRIPTION UNWANTED ACTUAL
  if [[ "$2" != "$3" ]]; then pass "$1: $3"; else fail "$1: got '$3'"; fi
}
check_le() { # DESCRIPTION LIMIT ACTUAL
  if (($3 <= $2)); then pass "$1: $3 <= $2"; else fail "$1: $3 > $2"; fi
}
figure() { # NAME VALUE: a measured figure, printed and kept
  log "figure $1 = $2"
  printf '%s\t%s\n' "$1" "$2" >>"$E2E_OUT/figures.tsv"
}
now_us() { echo "${EPOCHREALTIME/./}"; }

# --- Set-up and clean-up ---

e2e_setup() {
  rm -rf "$E2E_DIR" "$E2E_OUT"
  mkdir -p "$E2E_DIR" "$E2E_OUT"
  trap e2e_cleanup EXIT
  copy_prefix
  start_xvfb
  start_xdo
  log "display $DISPLAY, prefix $WINEPREFIX"
}

# A copy of the prepared prefix. The libraries (most of its 700 MB) are hard
# links: Wine never writes them after the prefix was made. Everything else,
# the registry files above all, is copied, since wineserver rewrites them.
copy_prefix() {
  local source=$E2E_PREFIX_TEMPLATE
  [[ -f "$source/.zorvane-e2e-ready" ]] || die "the prefix $source is not prepared (the e2e.prefix test does it)"
  export WINEPREFIX=$E2E_DIR/prefix
  mkdir -p "$WINEPREFIX"
  (cd "$source" && tar --exclude=./drive_c/windows/system32 --exclude=./drive_c/windows/syswow64 \
    --exclude=./drive_c/windows/winsxs -cf - .) | (cd "$WINEPREFIX" && tar -xf -) || die "cannot copy the prefix"
  local shared
  for shared in system32 syswow64 winsxs; do
    if [[ -d "$source/drive_c/windows/$shared" ]]; then
      cp -al "$source/drive_c/windows/$shared" "$WINEPREFIX/drive_c/windows/$shared" || die "cannot link $shared"
    fi
  done
}

# Xvfb picks a free display number itself (-displayfd), so parallel tests
# never race for one.
start_xvfb() {
  local displayFile=$E2E_DIR/display
  : >"$displayFile"
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$displayFile" 2>"$E2E_OUT/xvfb.log" &
  XVFB_PID=$!
  local deadline=$(($(now_us) + 15000000))
  while [[ ! -s "$displayFile" ]]; do
    kill -0 "$XVFB_PID" 2>/dev/null || die "Xvfb ended: $(tail -3 "$E2E_OUT/xvfb.log")"
    (($(now_us) < deadline)) || die "Xvfb did not start"
    sleep 0.02
  done
  export DISPLAY=:$(head -1 "$displayFile")
}

# One xdotool for the whole test, fed commands a line at a time: each new
# xdotool process takes about 130 ms to start, longer than a click takes to
# be handled.
start_xdo() {
  local input=$E2E_DIR/xdotool.in
  mkfifo "$input"
  xdotool - <"$input" >>"$E2E_OUT/xdotool.log" 2>&1 &
  XDO_PID=$!
  exec {XDO}>"$input"
}

# Sends an xdotool command (mousemove, click, mousedown, mouseup, key). The
# X events it makes reach the program in the order they were sent; the tests
# wait for their effects through the driver, never for xdotool itself.
xdo() {
  printf '%s\n' "$*" >&"$XDO" || die "xdotool is gone"
}

e2e_cleanup() {
  local status=$?
  if [[ -n "$XDO" ]]; then exec {XDO}>&-; fi
  if [[ -n "$XDO_PID" ]]; then
    kill "$XDO_PID" 2>/dev/null
    wait "$XDO_PID" 2>/dev/null
  fi
  stop_driver
  if [[ -n "$PROGRAM_PID" ]] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
    kill "$PROGRAM_PID" 2>/dev/null
    wait "$PROGRAM_PID" 2>/dev/null
  fi
  if [[ -n "${WINEPREFIX:-}" && -d "$WINEPREFIX" ]]; then
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
  fi
  if [[ -n "$XVFB_PID" ]]; then
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
  fi
  if ((status == 0 && failures == 0)); then
    rm -rf "$E2E_DIR"
  else
    log "scratch kept in $E2E_DIR"
  fi
  log "artifacts in $E2E_OUT"
  ((status != 0)) && exit "$status"
  if ((failures > 0)); then
    log "$E2E_NAME: $failures check(s) failed"
    exit 1
  fi
  log "$E2E_NAME: passed"
  exit 0
}

# --- The program ---

# Starts an exe under Wine; PROGRAM_PID is the Wine process that runs it, so
# its exit status is the program's (narrowed to 8 bits by Unix).
start_program() { # [EXE]
  local exe=${1:-$ZORVANE_EXE}
  PROGRAM_START_US=$(now_us)
  wine "$exe" >>"$E2E_OUT/program.log" 2>&1 &
  PROGRAM_PID=$!
}

# Polls until the program's process has ended (a zombie counts), then reaps
# it: PROGRAM_STATUS its exit status, PROGRAM_END_US when it was seen ended.
wait_program_exit() { # TIMEOUT_MS
  local deadline=$(($(now_us) + $1 * 1000))
  local state
  while :; do
    state=$(awk '{print $3}' "/proc/$PROGRAM_PID/stat" 2>/dev/null || echo gone)
    [[ "$state" == Z || "$state" == gone ]] && break
    if (($(now_us) >= deadline)); then
      PROGRAM_STATUS=timeout
      return 1
    fi
    sleep 0.005
  done
  PROGRAM_END_US=$(now_us)
  wait "$PROGRAM_PID"
  PROGRAM_STATUS=$?
  PROGRAM_PID=""
  return 0
}

# Starts zorvane.exe and the driver, and waits for the window.
start_zorvane() {
  start_program "$ZORVANE_EXE"
  [[ -n "$DRIVER_PID" ]] || start_driver
  drv wait-window 60000 || die "no main window: ${DRV_LINES[*]}"
  WINDOW_SHOWN_US=${DRV_LINES[0]##* }
  POSITION=()
  SCRIPT_DONE=()  # a new process: empty counters and list
}

# Closes with a key or a click and checks the exit status is 0.
expect_close() { # DESCRIPTION TIMEOUT_MS
  if ! wait_program_exit "$2"; then
    fail "$1: the program did not end within $2 ms"
    return 1
  fi
  check_eq "$1: exit status" 0 "$PROGRAM_STATUS"
}

# --- The driver ---

start_driver() {
  local input=$E2E_DIR/driver.in output=$E2E_DIR/driver.out
  rm -f "$input" "$output"
  mkfifo "$input" "$output"
  wine "$E2E_DRIVER" serve <"$input" >"$output" 2>>"$E2E_OUT/driver.log" &
  DRIVER_PID=$!
  exec {DRV_TO}>"$input" {DRV_FROM}<"$output"
}

stop_driver() {
  if [[ -n "$DRV_TO" ]]; then exec {DRV_TO}>&-; fi
  if [[ -n "$DRV_FROM" ]]; then exec {DRV_FROM}<&-; fi
  DRV_TO=""
  DRV_FROM=""
  if [[ -n "$DRIVER_PID" ]]; then
    kill "$DRIVER_PID" 2>/dev/null
    wait "$DRIVER_PID" 2>/dev/null
  fi
  DRIVER_PID=""
}

# Sends one command to the driver; its answer's lines land in DRV_LINES.
# Returns the command's status (0 done, 1 not found or timed out).
drv() {
  DRV_LINES=()
  printf '%s\n' "$*" >&"$DRV_TO" || die "the driver is gone"
  local line
  while IFS= read -r -t 120 line <&"$DRV_FROM"; do
    case $line in
      .) return 0 ;;
      '!'*) return "${line#! }" ;;
      *) DRV_LINES+=("$line") ;;
    esac
  done
  die "the driver did not answer: $*"
}

# The value of fact NAME in the last answer (empty if absent).
fact() {
  local line
  for line in "${DRV_LINES[@]}"; do
    if [[ "${line%%$'\t'*}" == "$1" ]]; then
      printf '%s' "${line#*$'\t'}"
      return 0
    fi
  done
  return 1
}

# Checks facts of the last answer against a table read from stdin:
# NAME<TAB>VALUE lines, one check a line.
expect_facts() { # CONTEXT
  local name value actual
  while IFS=$'\t' read -r name value; do
    [[ -z "$name" || "$name" == '#'* ]] && continue
    if actual=$(fact "$name"); then
      check_eq "$1 $name" "$value" "$actual"
    else
      fail "$1 $name: no such fact (expected '$value')"
    fi
  done
}

save_answer() { printf '%s\n' "${DRV_LINES[@]}" >"$1"; }

# --- Real X input ---

position() { # NAME: screen position "X Y" of a control or place
  if [[ -z "${POSITION[$1]:-}" || "$1" == ok ]]; then
    drv screen-pos "$1" || die "no screen position for $1: ${DRV_LINES[*]}"
    POSITION[$1]=${DRV_LINES[0]}
  fi
  printf '%s' "${POSITION[$1]}"
}

pointer_to() { xdo mousemove "$1" "$2"; } # X Y

click() { # NAME [XDOTOOL CLICK OPTIONS...]
  local name=$1
  shift
  local x y
  read -r x y <<<"$(position "$name")"
  pointer_to "$x" "$y"
  # A plain click as press and release: xdotool's own click command adds a
  # varying wait of tens of milliseconds between them.
  if (($# == 0)); then
    xdo mousedown 1
    xdo mouseup 1
  else
    xdo click "$@" 1
  fi
}

# Points at a control and waits for its hover look to settle: the themed
# controls light up under the pointer. Leaves the settled look in FILE.
hover() { # NAME GEOMETRY FILE
  local x y
  grab_region "$3" "$2"
  read -r x y <<<"$(position "$1")"
  pointer_to "$x" "$y"
  wait_region_change "$3" "$2" 1000 && log "hover look of $1 drawn"
  grab_region "$3" "$2"
}

key() { xdo key "$@"; }

# The button a script action clicks.
readonly BUTTON_SINGLE="60积分抽1次" BUTTON_FIVE="270积分抽5次" BUTTON_RESET="重置抽奖机"
action_button() {
  case $1 in
    1) printf '%s' "$BUTTON_SINGLE" ;;
    5) printf '%s' "$BUTTON_FIVE" ;;
    r) printf '%s' "$BUTTON_RESET" ;;
    *) die "unknown action $1" ;;
  esac
}

# --- Expected results from the replay tool ---

# The actions of a script, one a line: "5x3 r" -> 5 5 5 r.
expand_actions() {
  local token count i
  for token in "$@"; do
    if [[ "$token" == *x* ]]; then
      count=${token#*x}
      for ((i = 0; i < count; i++)); do echo "${token%x*}"; done
    else
      echo "$token"
    fi
  done
}

# The rows the list holds after the script: for each row its last state.
replay_rows() { # FILE ACTION...
  local file=$1
  shift
  "$ZORVANE_SIM" replay "$@" | awk -F'\t' '
    $1 == "reset" { delete rows; last = -1 }
    $1 == "row" { rows[$2] = $0; if ($2 > last) last = $2 }
    END { for (i = 0; i <= last; i++) print rows[i] }' >"$file"
}

# Reads the list back from the window and compares it with the replay of the
# same clicks.
expect_rows() { # DESCRIPTION [ACTION...] (default: SCRIPT_DONE)
  local description=$1
  shift
  (($# > 0)) || set -- "${SCRIPT_DONE[@]}"
  local expected=$E2E_OUT/rows.expected actual=$E2E_OUT/rows.actual
  if (($# > 0)); then replay_rows "$expected" "$@"; else : >"$expected"; fi
  drv rows || die "cannot read the rows: ${DRV_LINES[*]}"
  if ((${#DRV_LINES[@]} > 0)); then save_answer "$actual"; else : >"$actual"; fi
  if diff -q "$expected" "$actual" >/dev/null; then
    pass "$description: $(wc -l <"$actual") rows equal the replay"
  else
    fail "$description: rows differ from the replay (first differences below)"
    diff "$expected" "$actual" | head -10
  fi
}

# --- Running a script of clicks ---

# Clicks through a script, each click waited for: after a click the list
# must reach the row count the replay gives, and each top-prize box the
# replay shows must open (and is checked, then answered by ON_BOX).
# SCRIPT_DONE holds every action the window has run since it started, so the
# replay covers them too; a test that makes a command run another way (a key)
# adds its action there itself.
#   ON_BOX: a function called as ON_BOX BOX_NUMBER EXPECTED_TEXT ROWS_OPEN;
#           it must close the box. Default: answer_box (a click on OK).
# Leaves the click-to-rows times of clicks without a box in LATENCIES_US.
ON_BOX=answer_box
BOXES_SEEN=0
declare -a SCRIPT_DONE=()
declare -a LATENCIES_US=()
run_script() { # ACTION...
  local plan=$E2E_DIR/plan.tsv
  local -a full=("${SCRIPT_DONE[@]}" "$@")
  local skip
  skip=$(expand_actions "${SCRIPT_DONE[@]}" | wc -l)
  "$ZORVANE_SIM" replay "${full[@]}" >"$E2E_DIR/trace.tsv" || die "replay failed for ${full[*]}"
  awk -f "$E2E_LIB_DIR/plan.awk" <(expand_actions "${full[@]}") "$E2E_DIR/trace.tsv" | tail -n +$((skip + 1)) \
    >"$plan" || die "cannot plan ${full[*]}"
  SCRIPT_DONE=("${full[@]}")
  LATENCIES_US=()
  local action rows boxes rest start answer n=0 planFd
  exec {planFd}<"$plan"
  while IFS=$'\t' read -r action rows boxes rest <&"$planFd"; do
    n=$((n + 1))
    start=$(now_us)
    click "$(action_button "$action")"
    local -a expectedBoxes=()
    [[ -n "$rest" ]] && IFS=$'\t' read -r -a expectedBoxes <<<"$rest"
    local seen=0
    while :; do
      if ! drv wait-rows "$rows" 20000; then
        fail "click $n ($action): ${DRV_LINES[*]}, expected $rows rows"
        exec {planFd}<&-
        return 1
      fi
      answer=${DRV_LINES[0]}
      if [[ "$answer" == box* ]]; then
        if ((seen >= boxes)); then
          fail "click $n ($action): a message box the replay does not show"
          exec {planFd}<&-
          return 1
        fi
        BOXES_SEEN=$((BOXES_SEEN + 1))
        "$ON_BOX" "$BOXES_SEEN" "${expectedBoxes[$((seen * 2))]}" "${expectedBoxes[$((seen * 2 + 1))]}"
        seen=$((seen + 1))
        continue
      fi
      # The rows are there; a box still due shows after its row is filled.
      if ((seen < boxes)); then
        drv wait-box 20000 || {
          fail "click $n ($action): the replay's message box did not show"
          exec {planFd}<&-
          return 1
        }
        continue
      fi
      ((boxes == 0)) && LATENCIES_US+=($((${answer##* } - start)))
      break
    done
  done
  exec {planFd}<&-
  return 0
}

# Checks an open top-prize box: caption, text, one OK button, no icon, no
# owner, the main window disabled, the rows of the list while it is open.
check_box() { # BOX_NUMBER EXPECTED_TEXT ROWS_OPEN
  drv wait-box 10000 || die "box $1 vanished"
  local facts
  facts=$(printf '%s\n' "${DRV_LINES[@]}")
  local -a problems=()
  [[ "$(fact box.count)" == 1 ]] || problems+=("boxes $(fact box.count)")
  [[ "$(fact box.caption)" == "信息：" ]] || problems+=("caption '$(fact box.caption)'")
  [[ "$(fact box.text)" == "$2" ]] || problems+=("text '$(fact box.text)' (expected '$2')")
  [[ "$(fact box.buttons)" == 1 ]] || problems+=("buttons $(fact box.buttons)")
  [[ "$(fact box.button.0.text)" == OK ]] || problems+=("button '$(fact box.button.0.text)'")
  [[ "$(fact box.icon)" == no ]] || problems+=("an icon")
  [[ "$(fact box.owner)" == none ]] || problems+=("owner $(fact box.owner)")
  [[ "$(fact box.same-thread)" == yes ]] || problems+=("not the window's thread")
  [[ "$(fact main.enabled)" == no ]] || problems+=("the main window is enabled")
  drv state
  [[ "$(fact rows)" == "$3" ]] || problems+=("$(fact rows) rows while open (expected $3)")
  if ((${#problems[@]} == 0)); then
    pass "box $1: 信息：/$2, one OK, no icon, no owner, main window disabled, $3 rows"
  else
    fail "box $1: ${problems[*]}"
    printf '%s\n' "$facts" >"$E2E_OUT/box-$1.facts"
  fi
}

answer_box() { # BOX_NUMBER EXPECTED_TEXT ROWS_OPEN
  check_box "$@"
  click ok
  drv wait-no-box 10000 || fail "box $1 did not close on OK"
}

# Latency figures (ms, one decimal) of LATENCIES_US: "min median max".
latency_summary() {
  printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "none"; exit }
    printf "min %.1f median %.1f max %.1f ms (n=%d)\n", v[1] / 1000, v[int((NR + 1) / 2)] / 1000, v[NR] / 1000, NR }'
}

# --- Screenshots ---

screenshot() { # NAME: the whole screen, kept as an artifact; prints its path
  local file=$E2E_OUT/$1.png
  import -window root "$file" || die "screenshot failed"
  printf '%s' "$file"
}

# A region of the screen, GEOMETRY as WxH+X+Y, grabbed to FILE.
grab_region() { import -window root -crop "$2" +repage "$1"; }

# Grabs the region again and again for MS milliseconds; prints how many of
# the grabs differ from REFERENCE. (For what must NOT happen there is no
# event to wait for: the test watches for a while, and a positive control
# with the same watch shows that the watch sees such a change.)
count_region_changes() { # REFERENCE GEOMETRY MS
  local deadline=$(($(now_us) + $3 * 1000)) changed=0 grab=$E2E_DIR/grab.png
  while (($(now_us) < deadline)); do
    grab_region "$grab" "$2"
    [[ "$(compare -metric AE "$1" "$grab" null: 2>&1)" != 0 ]] && changed=$((changed + 1))
  done
  echo "$changed"
}

# Polls until the region differs from REFERENCE; false at the deadline.
wait_region_change() { # REFERENCE GEOMETRY MS
  local deadline=$(($(now_us) + $3 * 1000)) grab=$E2E_DIR/grab.png
  while (($(now_us) < deadline)); do
    grab_region "$grab" "$2"
    [[ "$(compare -metric AE "$1" "$grab" null: 2>&1)" != 0 ]] && return 0
  done
  return 1
}

# The screen rectangle of a control as a geometry WxH+X+Y.
control_geometry() { # NAME (as in describe: list, button[TEXT])
  drv describe
  local rect
  rect=$(fact "$1.rect") || die "no control $1"
  read -r -a r <<<"$rect"
  read -r cx cy <<<"$(fact window.client.origin)"
  printf '%sx%s+%s+%s' "${r[2]}" "${r[3]}" $((cx + r[0])) $((cy + r[1]))
}

# --- Keyboard focus ---

focus_now() {
  drv state
  fact focus
}

# Polls until READER prints VALUE; false at the deadline.
wait_for_value() { # READER VALUE MS
  local deadline=$(($(now_us) + $3 * 1000))
  while :; do
    [[ "$("$1")" == "$2" ]] && return 0
    (($(now_us) < deadline)) || return 1
    sleep 0.005
  done
}

# Polls until the focus is on NAME; false at the deadline.
wait_focus() { wait_for_value focus_now "$1" "$2"; } # NAME MS

# Polls until the focus leaves FROM; prints where it went.
wait_focus_moves() { # FROM MS
  local deadline=$(($(now_us) + $2 * 1000)) now
  while :; do
    now=$(focus_now)
    [[ "$now" != "$1" ]] && { printf '%s' "$now"; return 0; }
    (($(now_us) < deadline)) || { printf '%s' "$now"; return 1; }
    sleep 0.005
  done
}

# The list's selected row now (-1 for none).
selected_now() {
  drv list-state
  fact selected
}

# Polls until row ROW is selected (a click is handled after xdotool returns);
# false at the deadline.
wait_selected() { wait_for_value selected_now "$1" "$2"; } # ROW MS
