#!/usr/bin/env bash
# Sets up, builds, and runs one benchmark program under Wine:
#   scripts/benchmark.sh NAME [arguments]   (for example XmlBenchmark)
# NAME is a program of benchmarks/ (benchmarks/NAME.cpp); the arguments go to it.
set -euo pipefail
if [ $# -lt 1 ]; then
  echo "usage: scripts/benchmark.sh NAME [arguments]" >&2
  exit 2
fi
name=$1
shift
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
zq_build_and_open_session

wine "$ZQ_BUILD/benchmarks/$name.exe" "$@" </dev/null
