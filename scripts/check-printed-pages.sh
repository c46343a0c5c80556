#!/usr/bin/env bash
# Checks the print jobs the document tests keep (run under Wine, which
# cannot read a Unix program's exit code): reads each <name>.ps back with
# ghostscript and compares its text, line by line, with <name>.txt beside it
# (the words of every printed line, separated by blanks, in reading order;
# empty lines do not count), then renders the pages to PNG pictures for a
# person to look at. Words drawn out of order come back from the text reader
# merged or reversed, and so fail.
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
  # Text as a reader that follows the drawing takes it (as a PDF made from
  # the job gives it to search and copy): the glyphs in the order they are
  # drawn, a new line where the baseline moves, a blank where a glyph
  # starts more than 0.15 of the font size after the last one ends or
  # before it starts.
  got=$(gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=txtwrite -dTextFormat=0 -sOutputFile=- "$job" | awk '
    function flush() { if (line != "") print line; line = "" }
    /<page>/ { flush(); started = 0 }
    /<span / { match($0, /size="[^"]*"/); size = substr($0, RSTART + 6, RLENGTH - 7) + 0 }
    /<char / {
      match($0, /bbox="[^"]*"/); split(substr($0, RSTART + 6, RLENGTH - 7), box, " ")
      match($0, /c="[^"]*"/); c = substr($0, RSTART + 3, RLENGTH - 4)
      gsub(/&lt;/, "<", c); gsub(/&gt;/, ">", c); gsub(/&quot;/, "\"", c); gsub(/&apos;/, "'"'"'", c)
      gsub(/&amp;/, "\\&", c)
      if (started && box[2] != y) flush()
      else if (started && (box[1] > x1 + 0.15 * size || box[1] < x0)) line = line " "
      line = line c; started = 1; x0 = box[1]; y = box[2]; x1 = box[3]
    }
    END { flush() }' | sed -e 's/[[:space:]]\{1,\}/ /g' -e 's/^ //' -e 's/ $//' -e '/^$/d')
  want=$(sed -e 's/[[:space:]]\{1,\}/ /g' -e 's/^ //' -e 's/ $//' -e '/^$/d' "$jobs/$name.txt")
  if [ "$got" != "$want" ]; then
    echo "$name: printed text differs" >&2
    diff <(echo "$want") <(echo "$got") >&2 || true
    failed=1
  fi
  gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r60 -sOutputFile="$shots/printed-$name-%d.png" "$job"
done
exit $failed
