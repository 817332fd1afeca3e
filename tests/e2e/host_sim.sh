#!/usr/bin/env bash
# Makes sure the host build of zorvane-sim, which gives the rows the window
# must show, exists and is up to date: builds it with the host preset unless
# a path was given (ZORVANE_HOST_SIM at configure time).
# Usage: host_sim.sh SOURCE_DIR SIM_PATH GIVEN(ON|OFF)
set -euo pipefail
source=$1
sim=$2
given=$3
if [[ "$given" == ON ]]; then
  [[ -x "$sim" ]] || { echo "host_sim: $sim is not an executable" >&2; exit 1; }
else
  cd "$source"
  [[ -f build/host/CMakeCache.txt ]] || cmake --preset host >/dev/null
  cmake --build --preset host -j2 --target zorvane-sim >/dev/null
fi
"$sim" replay 5 1 | tail -1
