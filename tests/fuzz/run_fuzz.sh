#!/usr/bin/env bash
# Runs one fuzz target for a bounded time and prints its final figures; the
# full log stays beside the working corpus. Fails on any finding.
# usage: run_fuzz.sh TARGET SECONDS WORK_CORPUS SEED_CORPUS
set -uo pipefail
target=$1 seconds=$2 work=$3 seeds=$4
mkdir -p "$work"
log="$work.log"
"$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work-" "$work" "$seeds" >"$log" 2>&1
status=$?
grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)|^Done ' "$log"
if [[ $status -ne 0 ]]; then
  tail -n 40 "$log"
  echo "$(basename "$target"): finding or failure (exit $status); log: $log" >&2
fi
exit "$status"
