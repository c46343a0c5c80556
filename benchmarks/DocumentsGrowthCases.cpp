// Size families of the documents benchmark that must cost in proportion to
// their size, or not grow at all, each timed side by side in one run:
// - one renderer laid out ten times at one page size (an 8,000-line
//   preformatted paragraph on 100 x 60 mm pages, and 10,000 one-paragraph
//   sections): the third and the tenth layout beside the first, each the
//   best of three renderers, and the median of the second to the tenth
//   against the first;
// - one paragraph paginated on A4 at 200 KB and at 1 MB (preformatted short
//   lines, words, a distinct font height per word), with the memory its
//   pages hold; the error document of a damaged file whose one line is a
//   letter and 32,000 or 160,000 carriage returns, and of one of 100,000 or
//   1,000,000 lines, empty but the first and the last, erring on the last
//   (written, read and paginated);
// - one table of a column of one-line cells paginated on 100 x 40 mm pages
//   at 2,000 and at 10,000 rows (the best of three renderers), with the
//   memory its pages hold;
// - the HTML export of one paragraph of 250 and of 2,500 pictures 20 mm wide,
//   and of the paragraph of font heights at 200 KB and 1 MB.
// Layouts run on a 2 x 2 memory image, as the HTML export measures.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "ZQCG_Polygon.h"
#include "ZQFO_Document.h"
#include "ZQFO_DocumentRenderer.h"
#include "ZQFO_ExportDocumentToHTML.h"
#include "ZQFO_FormatXMLParsingErrorForDisplay.h"
#include "ZQIMG_Image.h"
#include "ZQPIC_Canvas.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQPIC_Picture.h"
#include "ZQR_MemoryDC.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"

namespace {

template <class Work>
double Seconds(Work DoWork) {
  const auto begin = std::chrono::steady_clock::now();
  DoWork();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

// The bytes allocated in all the process's heaps, megabytes: a walk of
// every block, so it counts what is held, whatever the heaps kept free.
double AllocatedMegabytes() {
  HANDLE heaps[64];
  const DWORD numHeaps = std::min<DWORD>(GetProcessHeaps(64, heaps), 64);
  double bytes = 0;
  for (DWORD i = 0; i < numHeaps; ++i) {
    PROCESS_HEAP_ENTRY entry = {};
    if (!HeapLock(heaps[i])) continue;
    while (HeapWalk(heaps[i], &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
    HeapUnlock(heaps[i]);
  }
  return bytes / 1e6;
}

const char kOpen[] = "<zqfo_document><zqfo_section><zqfo_blockstream>";
const char kClose[] = "</zqfo_blockstream></zqfo_section></zqfo_document>";

ZQFO_Document MakeDocument(const std::string& Markup) {
  ZQFO_DocumentStream stream;
  stream << Markup.c_str();
  return stream.GetDocument();
}

std::string RandomLetters(std::mt19937& Random, int Length) {
  std::string text(Length, ' ');
  for (char& c : text) c = static_cast<char>('a' + Random() % 26);
  return text;
}

// One preformatted paragraph of Bytes in lines of MinLength to MaxLength letters.
std::string PreformattedParagraph(size_t Bytes, int MinLength, int MaxLength) {
  std::mt19937 random(1);
  std::string text = std::string(kOpen) + "<zqfo_para line_preformatted='true'>";
  const size_t start = text.size();
  while (text.size() - start < Bytes)
    text += RandomLetters(random, MinLength + static_cast<int>(random() % (MaxLength - MinLength + 1))) + "\n";
  return text + "</zqfo_para>" + kClose;
}

// One paragraph of Bytes of words of 2 to 9 letters; with Heights each word
// in its own font height, all of them spread over 8 to 12 points.
std::string ParagraphOfWords(size_t Bytes, bool Heights) {
  std::mt19937 random(2);
  std::vector<std::string> words;
  for (size_t bytes = 0; bytes < Bytes; bytes += words.back().size() + 1)
    words.push_back(RandomLetters(random, 2 + static_cast<int>(random() % 8)));
  std::string text = std::string(kOpen) + "<zqfo_para>";
  char group[80];
  for (size_t i = 0; i < words.size(); ++i) {
    if (!Heights) {
      text += words[i] + " ";
      continue;
    }
    std::snprintf(group, sizeof group, "<zqfo_flowgroup font_height='%.5f pt'>",
                  8 + 4.0 * static_cast<double>(i) / static_cast<double>(words.size()));
    text += group + words[i] + "</zqfo_flowgroup> ";
  }
  return text + "</zqfo_para>" + kClose;
}

// The error document of a damaged file whose only line is "l" and
// CarriageReturns carriage returns.
std::string ErrorDocument(long CarriageReturns) {
  const std::string raw = "l" + std::string(CarriageReturns, '\r');
  const ZQ_Exception error("XML Error", "Unexpected end of file at line 1 and column 2 while reading help.");
  return ZQFO_FormatXMLParsingErrorForDisplay(ZQ_String(raw.c_str(), static_cast<int>(raw.size())), error,
                                              "The help page could not be read.", 0, 0)
      .GetText();
}

// The error document of a damaged file of Lines lines, empty but the first
// and the last, whose error is in the last.
std::string ErrorDocumentOfLines(long Lines) {
  const std::string raw = "<section><title>Guide</title>" + std::string(Lines - 1, '\n') + "<para><bold>x</para>";
  const ZQ_Exception error("XML Error", ("Found the end tag </para> where </bold> was expected. This error occurred "
                                         "at line " + std::to_string(Lines) + " and column 14 while reading help.")
                                            .c_str());
  return ZQFO_FormatXMLParsingErrorForDisplay(ZQ_String(raw.c_str(), static_cast<int>(raw.size())), error,
                                              "The help page could not be read.", 0, 0)
      .GetText();
}

class MeasuringCanvas {
 public:
  MeasuringCanvas() : Canvas(Memory.GetHDC(), ZQ_Rectangle<long>(0, 0, 2, 2), 3) {
    Canvas.SetBackingImage(Image);
    Canvas.Initialize();
  }
  ZQPIC_Canvas& Get() { return Canvas; }

 private:
  ZQIMG_Image Image{2, 2, 24};
  ZQR_MemoryDC Memory{nullptr, Image.GetHBITMAP()};
  ZQPIC_DeviceContextCanvas Canvas;
};

void RunRelayoutCases() {
  std::string manyPages = "<zqfo_document>";
  for (int i = 0; i < 10000; ++i)
    manyPages += "<zqfo_section><zqfo_blockstream><zqfo_para>Help page " + std::to_string(i) +
                 " with <zqfo_flowgroup font_weight='bold'>a few</zqfo_flowgroup> words.</zqfo_para>" +
                 "</zqfo_blockstream></zqfo_section>";
  manyPages += "</zqfo_document>";
  const struct {
    const char* what;
    std::string markup;
  } kCases[] = {{"8,000-line preformatted paragraph", PreformattedParagraph(8000 * 41, 10, 60)},
                {"10,000 one-paragraph sections", manyPages}};
  std::printf("  one renderer laid out 10 times on 100 x 60 mm pages (the best of 3 renderers):\n");
  for (const auto& c : kCases) {
    const ZQFO_Document document = MakeDocument(c.markup);
    MeasuringCanvas canvas;
    double times[10];
    std::fill(times, times + 10, 1e30);
    long numPages = 0;
    for (int run = 0; run < 3; ++run) {
      ZQFO_DocumentRenderer renderer(document);
      for (double& time : times)
        time = std::min(time, Seconds([&] { renderer.Repaginate(canvas.Get(), 100, 60); }));
      numPages = renderer.GetNumPages();
    }
    double later[9];
    std::copy(times + 1, times + 10, later);
    std::nth_element(later, later + 4, later + 9);
    const double median = later[4];
    std::printf("    %-36s %5ld pages: first %7.1f ms, third %7.1f ms, tenth %7.1f ms\n", c.what, numPages,
                times[0] * 1e3, times[2] * 1e3, times[9] * 1e3);
    std::printf("      the median of the second to the tenth: %.2f times the first (target at most 1.3): %s\n",
                median / times[0], median <= 1.3 * times[0] ? "met" : "MISSED");
  }
}

// Paginates Markup on pages of Width x Height mm with Margin on every side;
// the seconds, the pages and the megabytes the pages hold.
struct PaginationFigures {
  double Seconds = 0, Megabytes = 0;
  long Pages = 0;
};

PaginationFigures Paginate(const ZQFO_Document& Document, double Width, double Height, double Margin) {
  PaginationFigures figures;
  MeasuringCanvas canvas;
  const double before = AllocatedMegabytes();
  ZQFO_DocumentRenderer renderer(Document);
  renderer.SetMargins(Margin, Margin, Margin, Margin);
  figures.Seconds = Seconds([&] { renderer.Repaginate(canvas.Get(), Width, Height); });
  figures.Megabytes = AllocatedMegabytes() - before;
  figures.Pages = renderer.GetNumPages();
  return figures;
}

PaginationFigures Paginate(const std::string& Markup, double Width, double Height, double Margin) {
  return Paginate(MakeDocument(Markup), Width, Height, Margin);
}

PaginationFigures PaginateOnA4(const std::string& Markup) { return Paginate(Markup, 210, 297, 20); }

// The error document of ErrorDocumentOfLines written and read, then
// paginated on A4: the seconds of all three, the pagination's figures apart.
double ErrorDocumentOfLinesSeconds(long Lines, PaginationFigures& Pagination) {
  ZQFO_Document document;
  const double writeAndRead = Seconds([&] { document = MakeDocument(ErrorDocumentOfLines(Lines)); });
  Pagination = Paginate(document, 210, 297, 20);
  return writeAndRead + Pagination.Seconds;
}

void Row(const char* What, const char* Small, const char* Large, double SmallSeconds, double LargeSeconds,
         double Target, const std::string& Extra = "") {
  std::printf("    %-36s %s %8.1f ms, %s %8.1f ms%s\n", What, Small, SmallSeconds * 1e3, Large, LargeSeconds * 1e3,
              Extra.c_str());
  std::printf("      %.2f times (target at most %.0f): %s\n", LargeSeconds / SmallSeconds, Target,
              LargeSeconds <= Target * SmallSeconds ? "met" : "MISSED");
}

void RunParagraphCases() {
  std::printf("  one paragraph paginated on A4:\n");
  const struct {
    const char* what;
    std::string (*make)(size_t);
  } kParagraphs[] = {
      {"preformatted, lines of 1 to 4 letters", [](size_t Bytes) { return PreformattedParagraph(Bytes, 1, 4); }},
      {"words", [](size_t Bytes) { return ParagraphOfWords(Bytes, false); }},
      {"a font height a word", [](size_t Bytes) { return ParagraphOfWords(Bytes, true); }},
  };
  char extra[120];
  for (const auto& p : kParagraphs) {
    const PaginationFigures small = PaginateOnA4(p.make(200000));
    const PaginationFigures large = PaginateOnA4(p.make(1000000));
    std::snprintf(extra, sizeof extra, "; %ld and %ld pages holding %.0f and %.0f MB", small.Pages, large.Pages,
                  small.Megabytes, large.Megabytes);
    Row(p.what, "200 KB", "1 MB", small.Seconds, large.Seconds, 6, extra);
  }
  const PaginationFigures small = PaginateOnA4(ErrorDocument(32000));
  const PaginationFigures large = PaginateOnA4(ErrorDocument(160000));
  std::snprintf(extra, sizeof extra, "; %ld and %ld pages", small.Pages, large.Pages);
  Row("error document, a line of CRs", "32,000", "160,000", small.Seconds, large.Seconds, 6, extra);
  PaginationFigures smallLines, largeLines;
  const double smallSeconds = ErrorDocumentOfLinesSeconds(100000, smallLines);
  const double largeSeconds = ErrorDocumentOfLinesSeconds(1000000, largeLines);
  std::snprintf(extra, sizeof extra, "; %ld and %ld pages, paginated in %.1f and %.1f ms", smallLines.Pages,
                largeLines.Pages, smallLines.Seconds * 1e3, largeLines.Seconds * 1e3);
  Row("error document, error on last line", "100,000", "1,000,000", smallSeconds, largeSeconds, 12, extra);
}

// A table of one column of Rows one-line cells.
std::string OneColumnTable(long Rows) {
  std::string text = std::string(kOpen) + "<zqfo_table>";
  for (long r = 0; r < Rows; ++r)
    text += "<zqfo_row><zqfo_flowcell>Row " + std::to_string(r + 1) + "</zqfo_flowcell></zqfo_row>";
  return text + "</zqfo_table>" + kClose;
}

// The fastest of three paginations of the table of Rows rows on pages 100 mm
// wide and Height high, each by a new renderer: a layout of some 30 ms is
// easily slowed by a busy machine.
PaginationFigures PaginateTable(long Rows, double Height) {
  const std::string markup = OneColumnTable(Rows);
  PaginationFigures best;
  for (int run = 0; run < 3; ++run) {
    const PaginationFigures figures = Paginate(markup, 100, Height, 0);
    if (run == 0 || figures.Seconds < best.Seconds) best = figures;
  }
  return best;
}

void RunTableCases() {
  std::printf("  one table paginated on 100 x 40 mm pages (the best of 3 renderers):\n");
  const PaginationFigures small = PaginateTable(2000, 40);
  const PaginationFigures large = PaginateTable(10000, 40);
  char extra[120];
  std::snprintf(extra, sizeof extra, "; %ld and %ld pages holding %.0f and %.0f MB", small.Pages, large.Pages,
                small.Megabytes, large.Megabytes);
  Row("a column of one-line cells", "2,000 rows", "10,000 rows", small.Seconds, large.Seconds, 5, extra);
  // The same layout without a split, for what the machine's caches add to
  // the larger table whatever the pages.
  const double smallWhole = PaginateTable(2000, ZQFO_DocumentRenderer::Continuous).Seconds;
  const double largeWhole = PaginateTable(10000, ZQFO_DocumentRenderer::Continuous).Seconds;
  std::printf("      on one continuous page %.1f and %.1f ms: %.2f times\n", smallWhole * 1e3, largeWhole * 1e3,
              largeWhole / smallWhole);
}

class SquarePicture : public ZQPIC_Picture {
  void Imp_DrawPicture(ZQPIC_Canvas& Canvas) const override {
    Canvas.CanvasDraw(ZQCG_Polygon(ZQ_Rectangle<double>(1, 1, 8, 3)));
  }
};

// The HTML export of Document into a folder of its own, emptied afterwards.
double ExportSeconds(const ZQFO_Document& Document) {
  const ZQ_String folder = ZQ_FileUtils::GetTemporaryDirectory() + "DocumentsBenchmarkExport";
  ZQ_FileUtils::SafeRemoveDirectory(folder);
  ZQ_FileUtils::SafeCreateDirectory(folder);
  const double seconds = Seconds([&] { ZQFO_ExportDocumentToHTML(Document, ZQ_FileName(folder + "\\Export.html")); });
  ZQ_FileUtils::SafeRemoveDirectory(folder);
  return seconds;
}

double PicturesExportSeconds(long Count) {
  std::string markup = std::string(kOpen) + "<zqfo_para>";
  for (long i = 0; i < Count; ++i) markup += "<zqfo_picture name='logo' width='20 mm'/> ";
  ZQFO_Document document = MakeDocument(markup + "</zqfo_para>" + kClose);
  ZQFO_ExternalContext pictures;
  pictures.Set("logo", ZQ_CountedPtr<const ZQPIC_Picture>(new SquarePicture));
  document.SetExternalContext(pictures);
  return ExportSeconds(document);
}

void RunExportCases() {
  std::printf("  HTML export of one paragraph:\n");
  Row("pictures 20 mm wide", "250", "2,500", PicturesExportSeconds(250), PicturesExportSeconds(2500), 15);
  Row("a font height a word", "200 KB", "1 MB", ExportSeconds(MakeDocument(ParagraphOfWords(200000, true))),
      ExportSeconds(MakeDocument(ParagraphOfWords(1000000, true))), 6);
}

}  // namespace

void RunGrowthCases() {
  std::printf("  size families, one run:\n");
  RunRelayoutCases();
  RunParagraphCases();
  RunTableCases();
  RunExportCases();
}
