#!/usr/bin/env bash
# Installs what is missing, builds, and starts the viewer (or, with "maker", the maker).
set -euo pipefail
KALMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$KALMORA_ROOT/cmake/deps.sh"
kalmora_install_deps
build_dir="${KALMORA_BUILD_DIR:-$KALMORA_ROOT/build}"
kalmora_build "$build_dir"

program=KALMORAV
case "${1:-viewer}" in
  viewer) program=KALMORAV ;;
  maker) program=KALMORAM ;;
  *) echo "usage: ./run.sh [viewer|maker]" >&2; exit 2 ;;
esac
exe="$build_dir/app/$program"
if [ ! -x "$exe" ]; then
  echo "Built, but $program does not exist yet in this version."
  exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: $program is a desktop program. Run it in a desktop session, or under a virtual X server: xvfb-run -a ./run.sh ${1:-viewer}" >&2
  exit 1
fi
exec "$exe"
