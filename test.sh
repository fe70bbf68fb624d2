#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest; then builds again with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs the same tests there (the fuzzer, which
# has both built in, runs in the first pass only). KALMORA_SANITIZE=0 skips the second pass.
# Arguments go to both CTest runs (e.g. ./test.sh -L unit).
set -euo pipefail
KALMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$KALMORA_ROOT/cmake/deps.sh"
kalmora_install_deps
build_dir="${KALMORA_BUILD_DIR:-$KALMORA_ROOT/build}"
kalmora_build "$build_dir"
(cd "$build_dir" && ctest --output-on-failure --timeout 600 "$@")
# What the reliability tests and the fuzzer counted (CTest keeps the output of passing tests in
# its log only).
if grep -q -E 'counts: |^Done [0-9]+ runs' "$build_dir/Testing/Temporary/LastTest.log" 2>/dev/null; then
  echo "== Counts"
  grep -h -o -E 'counts: .*|^Done [0-9]+ runs in [0-9]+ second.*' "$build_dir/Testing/Temporary/LastTest.log" |
    sed -e 's/^counts: /  /' -e 's/^Done /  fuzz_profile_file: /'
fi

if [ "${KALMORA_SANITIZE:-1}" != 0 ]; then
  asan_dir="${KALMORA_ASAN_BUILD_DIR:-$KALMORA_ROOT/build-asan}"
  echo "== The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer ($asan_dir)"
  kalmora_build_sanitized "$asan_dir"
  kalmora_sanitizer_env
  (cd "$asan_dir" && ctest --output-on-failure --timeout 600 -LE fuzz "$@")
fi
