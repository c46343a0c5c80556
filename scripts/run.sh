#!/usr/bin/env bash
# README command 1: sets up, builds, and runs the program's main job. Until the
# application exists, that is the heat-stress model benchmark.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
zq_build_and_open_session

wine "$ZQ_BUILD/benchmarks/ModelBenchmark.exe" "$@"
