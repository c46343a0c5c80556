#!/usr/bin/env bash
# README command 2: sets up, builds, and runs every test executable under Wine
# through ctest, in parallel. Starts an Xvfb display when DISPLAY is unset and a
# persistent wineserver, and stops both afterwards, also on failure.
# Extra arguments go to ctest (for example -R ModelTests).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${ZQ_BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/setup.sh"

source "$ROOT/scripts/wine-session.sh"
zq_wine_session_start "$BUILD"
trap zq_wine_session_stop EXIT

cd "$BUILD"
ctest --output-on-failure -j "${ZQ_JOBS:-$(nproc)}" "$@"
