#!/usr/bin/env bash
# Builds the tree and runs one benchmark program under Wine:
#   scripts/benchmark.sh NAME [arguments]     e.g. scripts/benchmark.sh GraphicsBenchmark
# runs build/benchmarks/NAME.exe with the arguments, in a Wine session like
# scripts/run.sh's.
set -euo pipefail
if [ $# -lt 1 ]; then
  echo "usage: scripts/benchmark.sh NAME [arguments]" >&2
  exit 2
fi
name=$1
shift
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
zq_build_and_open_session

wine "$ZQ_BUILD/benchmarks/$name.exe" "$@"
