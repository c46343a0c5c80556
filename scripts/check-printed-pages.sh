#!/usr/bin/env bash
# Checks the print jobs the document tests keep (run under Wine, which
# cannot read a Unix program's exit code): reads each <name>.ps back with
# ghostscript and compares its text, page by page, with <name>.txt beside it
# (one expected line a page), then renders the pages to PNG pictures for a
# person to look at.
# Usage: check-printed-pages.sh JOB_FOLDER SCREENSHOT_FOLDER
set -euo pipefail
jobs=$1
shots=$2
mkdir -p "$shots"
shopt -s nullglob
files=("$jobs"/*.ps)
if [ ${#files[@]} -eq 0 ]; then
  echo "no print jobs in $jobs" >&2
  exit 1
fi
failed=0
for job in "${files[@]}"; do
  name=$(basename "$job" .ps)
  got=$(gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=txtwrite -sOutputFile=- "$job" |
        sed -e 's/^[[:space:]]*//' -e 's/[[:space:]]*$//' -e '/^$/d')
  want=$(sed -e '/^$/d' "$jobs/$name.txt")
  if [ "$got" != "$want" ]; then
    echo "$name: printed text differs" >&2
    diff <(echo "$want") <(echo "$got") >&2 || true
    failed=1
  fi
  gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r60 -sOutputFile="$shots/printed-$name-%d.png" "$job"
done
exit $failed
