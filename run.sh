#!/usr/bin/env bash
# Builds the tool and replays a few clicks: a five-draw batch, a single
# draw, a reset and three single draws, as the window would show them.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh host
cmake --preset host >/dev/null
cmake --build --preset host -j"$(nproc 2>/dev/null || echo 2)" --target zorvane-sim >/dev/null
exec build/host/tools/zorvane-sim/zorvane-sim replay 5 1 r 1x3
