#!/usr/bin/env bash
# Builds the tree and runs DocumentsTests with --rewrite-golden: the report
# stylesheet's golden files (tests/documents/reports/golden/*.zqfo.xml) are
# written anew from what the stylesheet produces. Review `git diff` before
# committing them.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
zq_build_and_open_session
cmake --build "$ZQ_BUILD" --target DocumentsTests -j "${ZQ_JOBS:-4}" >/dev/null
wine "$ZQ_BUILD/tests/documents/DocumentsTests.exe" --gtest_brief=1 \
  --gtest_filter='ZQRPT_FormattingStylesheet.WritesTheGolden*' --rewrite-golden </dev/null
