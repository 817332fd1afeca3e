#!/usr/bin/env bash
# The soak run and `zorvane-sim replay` of the same script, side by side on
# the two cores: their traces must be the same, byte for byte.
# usage: run_soak.sh SOAK_BINARY TOOL_BINARY COMMANDS WORK_DIR
set -euo pipefail
soak=$1 tool=$2 commands=$3 work=$4
mkdir -p "$work"
script="$work/soak_script.txt"

"$soak" script "$commands" "$script"
mapfile -t words <"$script"
"$soak" run "$script" | sha256sum >"$work/soak.sha" &
soakPid=$!
"$tool" replay "${words[@]}" | sha256sum >"$work/replay.sha"
wait "$soakPid"
if ! cmp -s "$work/soak.sha" "$work/replay.sha"; then
  echo "soak trace differs from replay's: $(cut -c1-16 "$work/soak.sha") vs $(cut -c1-16 "$work/replay.sha")" >&2
  exit 1
fi
echo "soak: trace matches replay ($(cut -c1-16 "$work/replay.sha"), ${#words[@]} words)"
