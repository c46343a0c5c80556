// Plain-text export: lays the document out in a fixed-pitch font and writes
// its words row by row on a character grid.
#include "ZQ_ConvertDocumentToText.h"

#include <algorithm>
#include <string>

#include "ZQFO_DocumentRenderer.h"
#include "ZQFO_LibraryExceptions.h"
#include "ZQIMG_Image.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQR_MemoryDC.h"
#include "ZQ_Numeric.h"
#include "ZQ_TextOutputFileStream.h"

namespace {

const double kCellWidthMm = 2.11667;   // twelve characters an inch
const double kLineHeightMm = 3.72525;  // one line of Courier New 10
const double kPageWidthMm = 165.1;     // 6.5 inches: 78 cells
// Blanks pad a row up to this column at most: a word laid out kilometres
// to the right (a wide table, huge margins) follows the one before it after
// a single blank instead of making a row of millions of characters.
const double kMaximumPaddedColumn = 4096;

// Measures text at 600 dots an inch on a 2 x 2 monochrome image: the export
// never draws, and a printer-like resolution keeps the word positions close
// to the grid.
void LayOut(ZQFO_DocumentRenderer& Renderer) {
  const ZQIMG_Image surface(2, 2, 1);
  ZQR_MemoryDC surfaceDC(nullptr, surface.GetHBITMAP());
  ZQPIC_DeviceContextCanvas canvas(surfaceDC.GetHDC(), ZQ_Rectangle<long>(0, 0, 600, 600), 3,
                                   ZQ_Point<double>(25.4, 25.4));
  canvas.SetBackingImage(surface);
  canvas.Initialize();
  Renderer.Repaginate(canvas, kPageWidthMm, ZQFO_DocumentRenderer::Continuous);
}

// Rows from the top of the page, left to right within a row.
bool IsBefore(const ZQFO_ExportDocumentToText_WordInfo& A, const ZQFO_ExportDocumentToText_WordInfo& B) {
  return A.Y > B.Y || (A.Y == B.Y && A.X < B.X);
}

bool IsBlank(const ZQ_String& Text) {
  const std::string text = Text.GetText();
  return text.find_first_not_of(' ') == std::string::npos;
}

void AppendWord(std::string& Out, const ZQFO_ExportDocumentToText_WordInfo& Word) {
  const char* text = Word.Text.GetText();
  for (int i = 0; i < Word.Text.GetLength(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == 160)
      Out += ' ';
    else if (c == 190 && Word.SymbolFont)
      Out += "---";  // the parser's em dash; elsewhere 190 is a real "3/4" sign
    else
      Out += static_cast<char>(c);
  }
}

ZQ_String ConvertToText(const ZQFO_Document& Document) {
  ZQFO_DocumentRenderer renderer(Document);
  renderer.SetTextExportMode(true);
  LayOut(renderer);
  ZQ_Array<ZQFO_ExportDocumentToText_WordInfo> words;
  long count = 0;
  renderer.CollectWordInfo(words, count);
  // An empty paragraph holds one blank to keep its line: no word to place;
  // the gap it leaves still gives its blank line.
  long kept = 0;
  for (long i = 0; i < count; ++i)
    if (!IsBlank(words[i].Text)) words[kept++] = words[i];
  count = kept;
  // A heap sort: equal positions need no stable order.
  ZQFO_ExportDocumentToText_WordInfo* first = count > 0 ? &words[0] : nullptr;
  std::make_heap(first, first + count, IsBefore);
  std::sort_heap(first, first + count, IsBefore);

  std::string out;
  double previousY = count > 0 ? words[0].Y : 0.0;
  for (long i = 0; i < count;) {
    // A row is every word within half a line of the row's top word: all
    // text is Courier New 10 then, and only symbols, which keep their own
    // typeface, sit a little off the line's other words.
    const double rowY = words[i].Y;
    long rowEnd = i;
    while (rowEnd < count && rowY - words[rowEnd].Y < 0.5 * kLineHeightMm) ++rowEnd;
    std::sort(first + i, first + rowEnd, [](const ZQFO_ExportDocumentToText_WordInfo& A,
                                            const ZQFO_ExportDocumentToText_WordInfo& B) { return A.X < B.X; });
    // In doubles until bounded: a gap of kilometres overflows a long.
    const double lineSteps = ZQ_Round((previousY - rowY) / kLineHeightMm);
    out.append(lineSteps >= 3 ? 2 : lineSteps >= 2 ? 1 : 0, '\n');
    const size_t rowStart = out.size();
    double column = 0.0;
    for (; i < rowEnd; ++i) {
      const double gap = ZQ_Round((words[i].X - column) / kCellWidthMm);
      if (gap >= 1) {
        const double room = kMaximumPaddedColumn - static_cast<double>(out.size() - rowStart);
        out.append(static_cast<size_t>(std::max(1.0, std::min(gap, room))), ' ');
      }
      AppendWord(out, words[i]);
      column = words[i].X + words[i].Text.GetLength() * kCellWidthMm;
    }
    out += '\n';
    previousY = rowY;
  }
  return ZQ_String(out.c_str());
}

}  // namespace

ZQ_String ZQ_ConvertDocumentToText(const ZQFO_Document& Document) {
  return ZQFO_WithLibraryExceptions("export the document as text", [&] { return ConvertToText(Document); });
}

void ZQ_ConvertDocumentToTextFile(const ZQFO_Document& Document, const ZQ_FileName& FileName) {
  ZQ_SaveStringAsFile(ZQ_ConvertDocumentToText(Document), FileName);
}
