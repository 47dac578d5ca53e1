#!/usr/bin/env bash
# Installs what is missing, builds the calculator (only the program, its script host and the
# KelvoFiles template beside them: no tests) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
KELVO_BUILD_TARGETS="kelvo kelvo-wsh kelvo_files" scripts/build.sh
exec build/kelvo
