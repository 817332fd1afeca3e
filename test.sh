#!/usr/bin/env bash
# Builds everything and runs every test: the core's unit tests, the tool's
# traces and the soak run, plain and under AddressSanitizer +
# UndefinedBehaviorSanitizer, then each fuzz target for a bounded time
# (ZORVANE_FUZZ_SECONDS, 60 by default), then the Windows build: the unit tests
# under Wine. Installs what is missing on a Debian machine first.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh host fuzz windows

jobs=$(nproc 2>/dev/null || echo 2)
werror=OFF
[[ -n "${CI:-}" ]] && werror=ON

run_preset() {
  local preset=$1
  shift
  echo "== $preset"
  cmake --preset "$preset" -DZORVANE_WERROR="$werror" "$@" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  ctest --preset "$preset" -j"$jobs"
}

run_preset host
run_preset host-sanitize
run_preset fuzz -DZORVANE_FUZZ_SECONDS="${ZORVANE_FUZZ_SECONDS:-60}"
run_preset windows
