#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
KALMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$KALMORA_ROOT/cmake/deps.sh"
kalmora_install_deps
build_dir="${KALMORA_BUILD_DIR:-$KALMORA_ROOT/build}"
kalmora_build "$build_dir"
cd "$build_dir"
ctest --output-on-failure --timeout 600 "$@"
