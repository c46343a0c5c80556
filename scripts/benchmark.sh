#!/usr/bin/env bash
# README command: sets up, builds, and runs one benchmark program under Wine,
# e.g. scripts/benchmark.sh GuiBenchmark. Further arguments go to the program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
if [ $# -lt 1 ]; then
  echo "usage: scripts/benchmark.sh NAME [arguments]   (NAME: a program in benchmarks/)" >&2
  exit 2
fi
name=$1
shift
zq_build_and_open_session

wine "$ZQ_BUILD/benchmarks/$name.exe" "$@"
