#!/usr/bin/env bash
# Configures (once) and builds Kelvo in build/ with Ninja. Extra arguments go to the configure step.
# KELVO_BUILD_TARGETS="a b" builds only those targets (and what they need); unset: everything.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ] || [ $# -gt 0 ]; then
  cmake -S . -B build -G Ninja "$@"
fi
targets=()
for target in ${KELVO_BUILD_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build build "${targets[@]}"
