#!/usr/bin/env bash
# Installs what is missing, builds the calculator (only the program, its script host and the
# KelvoFiles template beside them: no tests) and starts it. The window needs a desktop session:
# without DISPLAY or WAYLAND_DISPLAY the build still runs, then this says so and exits with 1.
# Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
KELVO_BUILD_TARGETS="kelvo kelvo-wsh kelvo_files" scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<END
Kelvo is built ($PWD/build/kelvo), but there is no desktop session to show it in:
neither DISPLAY nor WAYLAND_DISPLAY is set. Run ./run.sh from a terminal inside your desktop,
or name the display, for example: DISPLAY=:0 ./run.sh
END
  exit 1
fi
exec build/kelvo "$@"
