#!/usr/bin/env bash
# Configures (once) and builds Kelvo in build/ with Ninja. Extra arguments go to the configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ] || [ $# -gt 0 ]; then
  cmake -S . -B build -G Ninja "$@"
fi
cmake --build build
