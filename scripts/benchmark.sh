#!/usr/bin/env bash
# Sets up, builds and runs one benchmark program under Wine:
#   scripts/benchmark.sh model [cases] [repetitions]   the heat-stress model
#   scripts/benchmark.sh library [passes]              text and containers
#                                                      beside the C++ runtime
#   scripts/benchmark.sh graphics [passes]             graphics resources
#                                                      beside bare Win32 calls
#   scripts/benchmark.sh gui [messages] [passes] [draws]
#                                                      glyph routing, layout
#                                                      drawing and window painting
#   scripts/benchmark.sh xml [megabytes] [passes]      XML reading and writing
#   scripts/benchmark.sh imaging [passes]              PNG and JPEG codecs
#                                                      beside GDI+'s decoders
#   scripts/benchmark.sh geometry [passes]             drawing through the canvas
#                                                      beside plain GDI calls
#   scripts/benchmark.sh documents [passes] [megabytes]
#                                                      formatting options of a
#                                                      document tree, document
#                                                      reading, parsing and
#                                                      pagination, reports turned
#                                                      into document markup
#   scripts/benchmark.sh app [starts] [edits] [idle seconds]
#                                                      MORV.exe's cold start beside
#                                                      a bare window; recalculation
#                                                      after an edit; idle wake-ups
#   scripts/benchmark.sh release [megabytes] [passes]  the tab normaliser and
#                                                      the source release
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"

case "${1:-}" in
  model) program=ModelBenchmark ;;
  library) program=LibraryBenchmark ;;
  graphics) program=GraphicsBenchmark ;;
  gui) program=GuiBenchmark ;;
  xml) program=XmlBenchmark ;;
  imaging) program=ImagingBenchmark ;;
  geometry) program=GeometryBenchmark ;;
  documents) program=DocumentsBenchmark ;;
  app) program=AppBenchmark ;;
  release) program=ReleaseBenchmark ;;
  *)
    echo "usage: scripts/benchmark.sh model|library|graphics|gui|xml|imaging|geometry|documents|app|release [arguments]" >&2
    exit 2
    ;;
esac
shift
zq_build_and_open_session
wine "$ZQ_BUILD/benchmarks/$program.exe" "$@" </dev/null
