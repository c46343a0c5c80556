#!/usr/bin/env bash
# One idempotent set-up step for both README commands: installs the Debian
# packages the build needs (when missing), configures and builds the tree, and
# makes the build tree's test Wine prefix. Running it again changes nothing.
#   scripts/setup.sh            packages, build, prefix
# Environment: ZQ_BUILD_DIR (default: build), ZQ_JOBS (default: all cores).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${ZQ_BUILD_DIR:-$ROOT/build}
JOBS=${ZQ_JOBS:-$(nproc)}

log() { printf '== %s\n' "$*"; }

install_packages() {
  local packages=(g++-mingw-w64-i686 mingw-w64-i686-dev libz-mingw-w64-dev wine wine32:i386
                  xvfb xauth x11-apps imagemagick googletest cmake make fonts-wine fonts-liberation
                  ghostscript python3-html5lib chromium)
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" != 0 ]; then
    echo "Missing packages (${missing[*]}): run this as root once." >&2
    exit 1
  fi
  log "installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
}

build_tree() {
  if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    log "configuring $BUILD"
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.toolchain.cmake" \
          -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  log "building"
  cmake --build "$BUILD" -j "$JOBS" -- --no-print-directory
}

install_packages
build_tree
"$ROOT/scripts/make-wine-prefix.sh" "$BUILD"
