#!/usr/bin/env bash
# README command 1: sets up, builds, and runs the heat-stress program MORV.exe.
# With the caller's display, the program starts for the user and the script
# returns its exit code. Without one (the script starts its own virtual
# display), tools/CaptureProgram.exe runs the program there, saves
# build/screenshots/MORV-splash.png (when the splash shows),
# build/screenshots/MORV.png and, the window restored to 800 x 600,
# build/screenshots/MORV-800x600.png, closes the program by File, E&xit,
# prints the screenshots' paths and fails on a non-zero exit code, a
# fatal-error report or nothing painted within 20 s. The model benchmark is
# `scripts/benchmark.sh model`.
set -euo pipefail
HAD_DISPLAY=${DISPLAY:-}
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
zq_build_and_open_session

if [ -n "$HAD_DISPLAY" ]; then
  status=0
  wine "$ZQ_BUILD/source/ui/MORV.exe" "$@" || status=$?
  exit "$status"
fi
mkdir -p "$ZQ_BUILD/screenshots"
wine "$ZQ_BUILD/tools/CaptureProgram.exe" "Z:$ZQ_BUILD/source/ui/MORV.exe" "Z:$ZQ_BUILD/screenshots" |
  sed -e "s,^Z:,," -e "s,\\\\,/,g"
exit "${PIPESTATUS[0]}"
