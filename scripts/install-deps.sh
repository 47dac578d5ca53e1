#!/usr/bin/env bash
# Installs the Debian packages Kelvo needs to build, test and run, and only those that are missing,
# so that a warm run costs a few milliseconds. Extra arguments are further packages to make sure of
# (./package.sh adds its tools). Installing needs root: through sudo, or run this script as root
# once. Each step is one line on the terminal; apt's own output goes to the log file that line
# names, and the whole log is printed when a step fails.
set -euo pipefail

# One group a line: add a package to the group it belongs to.
packages=(
  build-essential cmake ninja-build                                 # compiler and build tools
  qt6-base-dev pkgconf libxkbcommon-dev libxkbcommon-x11-dev libwayland-dev  # Qt, the keyboard layout
  qt6-speech-dev qt6-declarative-dev                                # the read-aloud's voice (Qt TextToSpeech)
  qt6-translations-l10n qt6-wayland                                 # Qt's own Japanese texts, Wayland
  fonts-ipafont-gothic                                              # a Japanese font for menus and keys
  libgmp-dev libgtest-dev libgmock-dev libbenchmark-dev             # tests and benchmarks
  desktop-file-utils appstream                                      # checks of the menu entry and description
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

say() { echo "install-deps: $*"; }
count() { if [ "$1" -eq 1 ]; then echo "1 package"; else echo "$1 packages"; fi; }
echo "Kelvo needs $(count ${#missing[@]}) not yet installed: ${missing[*]}"

# The command that runs apt-get as root. sudo clears the environment, so the front end that keeps
# debconf from asking questions is set by env on the far side of sudo.
if [ "$(id -u)" -eq 0 ]; then
  as_root=(env DEBIAN_FRONTEND=noninteractive)
else
  as_root=(sudo env DEBIAN_FRONTEND=noninteractive)
  if ! command -v sudo >/dev/null || ! sudo -v; then
    self="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"
    [ $# -gt 0 ] && self+=" $*"
    {
      echo
      if command -v sudo >/dev/null; then
        echo "Installing them needs root, and sudo did not let $(id -un) in."
        to_sudo="adduser $(id -un) sudo"
      else
        echo "Installing them needs root, and sudo is not installed."
        to_sudo="apt-get install sudo; adduser $(id -un) sudo"
      fi
      echo "Install them once as root (this asks for the root password), then run this again:"
      echo "  su -c '$self'"
      echo "Or let sudo do it from now on: as root, $to_sudo; then log in again."
    } >&2
    exit 1
  fi
fi

log=$(mktemp --suffix=.log "${TMPDIR:-/tmp}/kelvo-install-deps.XXXXXX")
apt_options=(-y --no-install-recommends -o Dpkg::Use-Pty=0 -o APT::Color=0)
started=$SECONDS

# step WHAT COMMAND...: one line saying what runs; on failure the whole log, then the end.
step() {
  local what=$1
  shift
  say "$what (log: $log)"
  echo "=== $what: $*" >>"$log"
  if ! "$@" >>"$log" 2>&1 </dev/null; then
    echo "install-deps: FAILED: $what. The whole log ($log):" >&2
    cat "$log" >&2
    exit 1
  fi
}

# The package lists are refreshed only when something has to be installed (a fresh machine has none).
step "refreshing the package lists" "${as_root[@]}" apt-get update
step "working out what they need" apt-get install -s "${apt_options[@]}" "${missing[@]}"
all=$(grep -c '^Inst ' "$log" || true)
step "installing $(count "$all"), the ${#missing[@]} above and what they need" \
  "${as_root[@]}" apt-get install "${apt_options[@]}" "${missing[@]}"
say "installed $(count "$all") in $((SECONDS - started)) s"
