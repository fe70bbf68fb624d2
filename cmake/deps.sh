#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, only those missing.
# Sourced by run.sh and test.sh.
kalmora_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
  libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-ipafont fonts-liberation
  xvfb xauth openbox xdotool x11-utils imagemagick jq
  desktop-file-utils appstream dpkg-dev file
)

kalmora_install_deps() {
  local missing=()
  local p
  for p in "${kalmora_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo="sudo"
    else
      echo "These packages are missing and I am not root (and there is no sudo): ${missing[*]}" >&2
      return 1
    fi
  fi
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq || return 1
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" || return 1
}

kalmora_build() {
  local build_dir="$1"
  if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S "$KALMORA_ROOT" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo || return 1
  fi
  cmake --build "$build_dir" --parallel "$(nproc)"
}

# A second build of everything with AddressSanitizer and UndefinedBehaviorSanitizer (g++), for
# running the same tests; the fuzzers are left out (they carry both sanitizers already).
kalmora_sanitizer_flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"

kalmora_build_sanitized() {
  local build_dir="$1"
  if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S "$KALMORA_ROOT" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DKALMORA_FUZZ=OFF -DKALMORA_BUILD_BENCH=OFF \
      "-DCMAKE_CXX_FLAGS=$kalmora_sanitizer_flags" "-DCMAKE_EXE_LINKER_FLAGS=$kalmora_sanitizer_flags" || return 1
  fi
  cmake --build "$build_dir" --parallel "$(nproc)"
}

# The run-time options of the sanitized tests: stop at the first finding, with a stack.
# intercept_tls_get_addr=0 works around LeakSanitizer crashing on the thread-local storage of
# dlopen'ed image plugins with this compiler and C library.
kalmora_sanitizer_env() {
  export ASAN_OPTIONS="intercept_tls_get_addr=0:detect_leaks=1"
  export LSAN_OPTIONS="suppressions=$KALMORA_ROOT/tests/sanitizers/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
}
