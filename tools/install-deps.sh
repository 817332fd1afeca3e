#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if any is
# missing. Idempotent: does nothing (and needs no network) when all are there.
# Usage: tools/install-deps.sh GROUP...   groups: host fuzz windows
set -euo pipefail

declare -A groups=(
  [host]="cmake make g++ googletest libgtest-dev libbenchmark-dev"
  [fuzz]="clang libclang-rt-14-dev"
  [windows]="cmake make g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 googletest wine wine64 fonts-wine xvfb xdotool x11-utils imagemagick fonts-wqy-microhei"
)

wanted=()
for group in "$@"; do
  [[ -n "${groups[$group]:-}" ]] || { echo "install-deps: unknown group '$group'" >&2; exit 2; }
  read -r -a packages <<<"${groups[$group]}"
  wanted+=("${packages[@]}")
done

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
  if command -v sudo >/dev/null; then sudo=(sudo); else
    echo "install-deps: missing packages: ${missing[*]} (run as root or install them)" >&2
    exit 1
  fi
else
  sudo=()
fi
echo "install-deps: installing ${missing[*]}" >&2
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
