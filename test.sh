#!/usr/bin/env bash
# Builds everything and runs every test: the core's unit tests, the tool's
# traces, plain and under AddressSanitizer + UndefinedBehaviorSanitizer.
# Installs what is missing on a Debian machine first.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh host

jobs=$(nproc 2>/dev/null || echo 2)
werror=OFF
[[ -n "${CI:-}" ]] && werror=ON

run_preset() {
  local preset=$1
  echo "== $preset"
  cmake --preset "$preset" -DZORVANE_WERROR="$werror" >/dev/null
  cmake --build --preset "$preset" -j"$jobs"
  ctest --preset "$preset" -j"$jobs"
}

run_preset host
run_preset host-sanitize
