#!/usr/bin/env bash
# Checks that the folders of lib/ and source/ use one another downward only.
# Every folder's headers are on every include path, so nothing else stops a
# lower folder from including a higher one. Reads every #include of a file
# below lib/ and source/, finds the folder of the included header (headers
# are included by their bare names) and fails on an include from a folder
# into one above it, unless the pair stands in the list of upward uses
# below. It fails too on a listed use that no longer exists (the list stays
# true) and on a folder that has no place in the order yet.
# Usage: check-layers.sh [ROOT]   (default: the checkout holding this script)
set -euo pipefail
ROOT=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
cd "$ROOT"

# The folders from the bottom up: a file may include the headers of its own
# folder and of the folders before it. Files directly in lib/ belong to the
# foundation library (the library's build number).
LAYERS='
lib/foundation lib
lib/services
lib/graphics
lib/graphics/imaging
lib/xml
lib/geometry
lib/gui/core
lib/gui/layout
lib/gui/controls
lib/gui/dialogs
lib/appframe
lib/documents/model
lib/documents/layout
lib/documents/reports
lib/documents/display
lib/release
source/model
source/ui
'

# The uses that run upward because the design calls for them: one
# "including-file included-header" a line, under the reason.
UPWARD='
# The foundation translates its messages, and names the application in its
# logs and fatal-error reports, through the services built with it (the two
# libraries are linked together): message translation, the application
# metrics, the date and time of a report, resource URIs of streams, progress
# tasks of long parses, regular expressions of directory listings, the
# command-line flags of error reporting, the debugging aids stopwatch.
lib/foundation/ZQLOW_COMMDLG.cpp ZQ_Internationalization.h
lib/foundation/ZQLOW_WIN_Core.cpp ZQ_Internationalization.h
lib/foundation/ZQ_AbstractTextStreamParser.cpp ZQ_Internationalization.h
lib/foundation/ZQ_AbstractTextStreamParser.cpp ZQ_ProgressReportService.h
lib/foundation/ZQ_AbstractTextStreamParser.cpp ZQ_URI.h
lib/foundation/ZQ_BinaryStreamParser.cpp ZQ_Internationalization.h
lib/foundation/ZQ_DebugLog.cpp ZQ_ApplicationMetrics.h
lib/foundation/ZQ_DebuggingAids.cpp ZQ_Stopwatch.h
lib/foundation/ZQ_Exception.cpp ZQ_Internationalization.h
lib/foundation/ZQ_FatalError.cpp ZQ_ApplicationMetrics.h
lib/foundation/ZQ_FatalError.cpp ZQ_DateAndTime.h
lib/foundation/ZQ_FatalError.cpp ZQ_Internationalization.h
lib/foundation/ZQ_FatalError.cpp ZQ_Internationalization_Locale.h
lib/foundation/ZQ_FileStreamSink.cpp ZQ_Internationalization.h
lib/foundation/ZQ_FileStreamSource.cpp ZQ_Internationalization.h
lib/foundation/ZQ_FileUtils.cpp ZQ_Internationalization.h
lib/foundation/ZQ_FilenameIterator.cpp ZQ_RegularExpression.h
lib/foundation/ZQ_MemoryMappedFileStreamSource.cpp ZQ_Internationalization.h
lib/foundation/ZQ_Numeric.cpp ZQ_Internationalization.h
lib/foundation/ZQ_ReportError.cpp ZQ_CommandLine.h
lib/foundation/ZQ_ReportError.cpp ZQ_Internationalization.h

# The canvas reads the screen size metrics of the GUI toolkit (pixels per
# millimetre of the screen).
lib/geometry/ZQPIC_ScreenMillimetersPerPixel.cpp ZQF_Metrics.h

# The glyph core asks the layout glyphs for buttons and bitmaps (one call
# adds a command button), and its border and text display align their
# content with the alignment glyph.
lib/gui/core/ZQF_AddButton.cpp ZQF_ButtonCommandAdaptorGlyph.h
lib/gui/core/ZQF_AddButton.cpp ZQF_StandardBitmapButtonGlyph.h
lib/gui/core/ZQF_BorderGlyph.cpp ZQF_AlignmentGlyph.h
lib/gui/core/ZQF_MouseWheel.cpp ZQF_BitmapGlyph.h
lib/gui/core/ZQF_SimpleBreakingTextDisplayGlyph.cpp ZQF_AlignmentGlyph.h

# The document view of a document program prints and previews the document
# it writes: the framework reaches the document engine in this one source
# file (its header only declares the document).
lib/appframe/ZQF_PLUGIN_DocumentInstance.cpp ZQFO_Document.h
lib/appframe/ZQF_PLUGIN_DocumentInstance.cpp ZQFO_PrintDocument.h
lib/appframe/ZQF_PLUGIN_DocumentInstance.cpp ZQFOxZQF_PrintPreviewDocument.h

# The document model and its layout are one library: the model parses into
# the layout blocks and distributes them into the layout pages, and the
# layout reads the model options.
lib/documents/model/ZQFO_Cache.cpp ZQFO_ErrorImage.h
lib/documents/model/ZQFO_ContentArea.cpp ZQFO_FormattedDocument.h
lib/documents/model/ZQFO_ContentArea.h ZQFO_RenderObject.h
lib/documents/model/ZQFO_ContentArea.h ZQFO_TableOfContents.h
lib/documents/model/ZQFO_DistributionContext.cpp ZQFO_RenderObject.h
lib/documents/model/ZQFO_DistributionContext.h ZQFO_TableOfContents.h
lib/documents/model/ZQFO_DocumentParser.cpp ZQFO_Block_Paragraph.h
lib/documents/model/ZQFO_DocumentParser.cpp ZQFO_Block_Table.h
lib/documents/model/ZQFO_DocumentParser.cpp ZQFO_StandardColorKeys.h
lib/documents/model/ZQFO_DocumentParser.cpp ZQFO_StandardOptionAttributes.h
lib/documents/model/ZQFO_DocumentParser.cpp ZQFO_TableOfContents.h
lib/documents/model/ZQFO_PageSequenceGenerator.cpp ZQFO_DistributeBlockStream.h
lib/documents/model/ZQFO_PageSequenceGenerator.cpp ZQFO_FormattedDocument.h
lib/documents/model/ZQFO_PageSequenceGenerator.h ZQFO_BlockStream.h
lib/documents/model/ZQFO_PageSequenceGenerator.h ZQFO_TableOfContents.h
lib/documents/model/ZQFO_PageSequenceGenerator.h ZQFO_TextFixupDictionary.h
lib/documents/model/ZQFO_ParsedDocument.cpp ZQFO_Block.h
lib/documents/model/ZQFO_ParsedDocument.cpp ZQFO_ExportDocumentToHTML_ExportContext.h
lib/documents/model/ZQFO_ParsedDocument.h ZQFO_BlockStream.h
lib/documents/model/ZQFO_StandardOptionParsers.cpp ZQFO_StandardOptionAttributes.h
'

sources=$(find lib source -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.rc' \) | LC_ALL=C sort)

awk -v layers="$LAYERS" -v upward="$UPWARD" '
  function folder(path) { sub(/\/[^\/]*$/, "", path); return path }
  BEGIN {
    n = split(layers, lines, "\n")
    for (i = 1; i <= n; ++i) {
      if (lines[i] == "") continue
      ++rank
      m = split(lines[i], names, " ")
      for (j = 1; j <= m; ++j) { rankOf[names[j]] = rank; label[names[j]] = names[1] }
    }
    n = split(upward, lines, "\n")
    for (i = 1; i <= n; ++i) {
      if (lines[i] ~ /^[ \t]*(#|$)/) continue
      split(lines[i], pair, " ")
      allowed[pair[1] " " pair[2]] = 1
    }
    failed = 0
  }
  # First pass (the file list): where each header lives.
  FNR == NR {
    dir = folder($0)
    if (!(dir in rankOf)) {
      printf "%s: the folder %s has no place in the layer order of check-layers.sh\n", $0, dir
      failed = 1
      next
    }
    base = $0; sub(/.*\//, "", base)
    if (base ~ /\.h$/) {
      if (base in home && home[base] != dir) {
        printf "%s: a header of this name is in %s too\n", $0, home[base]
        failed = 1
      }
      home[base] = dir
    }
    next
  }
  # Second pass: every file, its includes.
  FNR == 1 { ++files }
  /^[ \t]*#[ \t]*include[ \t]*["<]/ {
    name = $0
    sub(/^[^"<]*["<]/, "", name); sub(/[">].*$/, "", name); sub(/.*\//, "", name)
    if (!(name in home)) next
    from = folder(FILENAME); to = home[name]
    if (!(from in rankOf) || rankOf[to] <= rankOf[from]) next
    key = FILENAME " " name
    if (key in allowed) { used[key] = 1; next }
    printf "%s:%d: includes %s of %s, above %s\n", FILENAME, FNR, name, label[to], label[from]
    failed = 1
  }
  END {
    for (key in allowed) {
      if (!(key in used)) {
        split(key, pair, " ")
        printf "%s: no longer includes %s: remove the pair from the upward uses of check-layers.sh\n",
               pair[1], pair[2]
        failed = 1
      }
    }
    if (failed) {
      print "Layer check failed: a folder may include only the headers of its own folder and of the"
      print "folders below it (scripts/check-layers.sh lists the order and the upward uses by design)."
      exit 1
    }
    count = 0
    for (key in allowed) ++count
    printf "Layer check passed: %d files, %d upward uses by design.\n", files, count
  }
' <(printf '%s\n' "$sources") $sources
