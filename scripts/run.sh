#!/usr/bin/env bash
# README command 1: sets up, builds, and runs the program's main job. Until the
# application exists, that is the heat-stress model benchmark.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${ZQ_BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/setup.sh"

source "$ROOT/scripts/wine-session.sh"
zq_wine_session_start "$BUILD"
trap zq_wine_session_stop EXIT

wine "$BUILD/benchmarks/ModelBenchmark.exe" "$@"
