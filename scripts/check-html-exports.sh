#!/usr/bin/env bash
# Checks the HTML exports the document tests keep (run under Wine, which
# cannot read a Unix program's exit code): parses each <name>.htm with
# html5lib, the parser browsers follow, and fails on any parse error but the
# one about the export's old doctype; then renders each export in headless
# Chromium to html-<name>.png for a person to look at.
# Usage: check-html-exports.sh EXPORT_FOLDER SCREENSHOT_FOLDER
set -euo pipefail
exports=$1
shots=$2
mkdir -p "$shots"
shopt -s nullglob
files=("$exports"/*.htm)
if [ ${#files[@]} -eq 0 ]; then
  echo "no HTML exports in $exports" >&2
  exit 1
fi
# Debian's interpreter: python3-html5lib installs for it, whatever python3
# comes first on the PATH.
/usr/bin/python3 - "${files[@]}" <<'EOF'
import sys
import html5lib

failed = False
for path in sys.argv[1:]:
    parser = html5lib.HTMLParser()
    with open(path, "rb") as f:
        parser.parse(f, transport_encoding="iso-8859-1")
    for (line, column), code, data in parser.errors:
        if code == "unknown-doctype":
            continue  # the HTML 2.0 doctype: standards mode wants <!DOCTYPE html>
        print("%s:%d:%d: %s %s" % (path, line, column, code, data), file=sys.stderr)
        failed = True
sys.exit(1 if failed else 0)
EOF
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
for page in "${files[@]}"; do
  name=$(basename "$page" .htm)
  rm -f "$shots/html-$name.png"
  timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" --window-size=800,1200 --screenshot="$shots/html-$name.png" \
    "file://$(cd "$(dirname "$page")" && pwd)/$name.htm" >/dev/null 2>&1 || true
  if [ ! -s "$shots/html-$name.png" ]; then
    echo "$name: the browser drew no picture" >&2
    exit 1
  fi
done
