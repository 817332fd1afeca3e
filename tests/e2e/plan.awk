# Splits a `zorvane-sim replay` trace into what each click of the script does,
# so that a test driving the window knows when a click has finished.
# Input: the actions one a line ("1", "5" or "r"), then the trace.
# Output, one line per action, tab-separated:
#   ACTION  ROWS  BOXES  [BOX_TEXT  BOX_ROWS]...
# ROWS: the rows in the list once the click is done; per message box, its text
# and the rows in the list while it is open (a guaranteed draw of a batch
# shows its box while its new row is still empty).
BEGIN { FS = "\t"; OFS = "\t"; drawnTop = "恭喜您获得了 荣耀水晶" }
FNR == NR { actions[++actionCount] = $1; next }
{ trace[++lineCount] = $0 }

function kind(i,    fields) {
  if (i > lineCount) return ""
  split(trace[i], fields, "\t")
  return fields[1]
}
function field(i, n,    fields) {
  split(trace[i], fields, "\t")
  return fields[n]
}
function fail(message) {
  print "plan.awk: " message " at trace line " at > "/dev/stderr"
  failed = 1
  exit 1
}
# Consumes a row line; returns its row index.
function takeRow() {
  if (kind(at) != "row") fail("expected a row")
  return field(at++, 2) + 0
}
# Consumes a message line, noting the rows shown while it is open.
function takeMessage(rowsOpen) {
  if (kind(at) != "message") fail("expected a message")
  boxes = boxes OFS field(at++, 2) OFS rowsOpen
  boxCount++
}

END {
  if (failed) exit 1
  at = 1
  rows = 0
  for (a = 1; a <= actionCount; a++) {
    action = actions[a]
    boxes = ""
    boxCount = 0
    if (action == "r") {
      if (kind(at) != "reset") fail("expected a reset")
      at++
      rows = 0
    } else if (action == "1") {
      index_ = takeRow()
      rows = index_ + 1
      text = field(at - 1, 6)
      glory = field(at - 1, 5) + 0
      if (text == drawnTop) {
        takeMessage(rows)
      } else if (glory == 361) {
        takeMessage(rows)
        takeRow()  # the same row again, with the guarantee text
      }
    } else if (action == "5") {
      for (draw = 1; draw <= 5; draw++) {
        if (kind(at) == "message") {
          # A guaranteed draw: the box shows over the new, still empty row.
          takeMessage(rows + 1)
          index_ = takeRow()
          rows = index_ + 1
          # The guaranteed draw also drew the top prize: a second box, and the
          # batch ends.
          if (kind(at) == "message") { takeMessage(rows); break }
        } else {
          index_ = takeRow()
          rows = index_ + 1
          if (field(at - 1, 6) == drawnTop) { takeMessage(rows); break }
        }
      }
    } else {
      fail("unknown action " action)
    }
    print action, rows, boxCount boxes
  }
  if (at <= lineCount) fail("trace lines left over")
}
