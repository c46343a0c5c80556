#!/usr/bin/env bash
# README command 2: sets up, builds, and runs every test executable under Wine
# through ctest, in parallel. Starts an Xvfb display when DISPLAY is unset and a
# persistent wineserver, and stops both afterwards, also on failure.
# Extra arguments go to ctest (for example -R ModelTests).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
zq_build_and_open_session

cd "$ZQ_BUILD"
ctest --output-on-failure -j "${ZQ_JOBS:-$(nproc)}" "$@"
