// Printing documents: the choice of sheets for every range, and real jobs on
// the test printer checked by their PostScript pages and page texts.
#include <gtest/gtest.h>

#include "PrintTestSupport.h"
#include "ZQFO_PrintDocument.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_Array.h"
#include "ZQ_PrinterManager.h"

namespace {

std::vector<long> Choose(unsigned long Range, long First, long Last, std::vector<long> Selection, long NumPages) {
  ZQ_Array<long> numbers(static_cast<long>(Selection.size()));
  for (size_t i = 0; i < Selection.size(); ++i) numbers[static_cast<long>(i)] = Selection[i];
  return ZQFO_PrintDocument_ChoosePages(Range, First, Last, ZQ_ReadOnlyIterator<long>(numbers.GetIterator()),
                                        NumPages);
}

// The texts of the job's pages in order ("" for a blank sheet).
std::vector<int> PrintedPageNumbers(const std::string& PostScript) {
  std::vector<int> numbers;
  size_t at = PostScript.find("%%Page:");
  while (at != std::string::npos) {
    const size_t next = PostScript.find("%%Page:", at + 1);
    const std::string page = PostScript.substr(at, next == std::string::npos ? std::string::npos : next - at);
    int found = 0;
    for (int n = 1; n <= 9; ++n)
      if (page.find("/P glyphshow") != std::string::npos && page.find(PostScriptNumber(n)) != std::string::npos)
        found = n;
    numbers.push_back(found);
    at = next;
  }
  return numbers;
}

}  // namespace

TEST(ZQFO_PrintDocument, ChoosesSheetsForEveryRange) {
  const unsigned long All = ZQ_PrinterPrintOptions::PrintRange_All;
  const unsigned long Range = ZQ_PrinterPrintOptions::PrintRange_PageRange;
  const unsigned long Selection = ZQ_PrinterPrintOptions::PrintRange_Selection;
  const struct {
    unsigned long range;
    long first, last, pages;
    std::vector<long> selection, want;
    const char* why;
  } kCases[] = {
      {All, 2, 3, 3, {}, {0, 1, 2}, "all pages ignore the range"},
      {All, -1, -1, 0, {}, {0}, "a document without pages: one blank sheet"},
      {Range, 2, 3, 3, {}, {1, 2}, "pages 2-3 are indices 1 and 2"},
      {Range, 5, 2, 3, {}, {1, 2}, "5 to 2 on three pages: clamped, then swapped"},
      {Range, -1, -1, 3, {}, {0, 1, 2}, "both ends open"},
      {Range, 1, 9999, 1, {}, {0}, "a range beyond the document"},
      {Range, 2, 3, 0, {}, {0}, "a range of no pages: one blank sheet"},
      {Selection, 2, 3, 3, {3, 1, 9}, {2, 0, 8}, "a selection is kept as given, never clipped"},
      {Selection, -1, -1, 3, {0, -5, 2147483647}, {-1, -1, 2147483646}, "numbers below 1 are blank sheets"},
      {Selection, -1, -1, 3, {}, {}, "an empty selection prints no sheet"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Choose(c.range, c.first, c.last, c.selection, c.pages), c.want);
  }
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] { Choose(3, -1, -1, {}, 1); }), "false"));
}

class PrintDocument : public PrintingTest {
 protected:
  // A job kept in <build>\printjobs for the host check, which reads it back
  // with ghostscript and compares its text with the .txt written here (one
  // expected line a page); an empty name: a temporary file.
  std::string JobFile(const char* Name, const std::vector<int>& Pages) {
    std::vector<std::string> lines;
    for (int page : Pages) lines.push_back("Page " + std::to_string(page));
    return JobFile(Name, lines);
  }
  // The same with the words of every printed line expected, in order.
  std::string JobFile(const char* Name, const std::vector<std::string>& Lines) {
    if (!*Name) return OutputFile("PrintDocumentJob.ps");
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string folder(exe);
    for (int i = 0; i < 3; ++i) folder = folder.substr(0, folder.find_last_of("\\/"));  // <build>
    folder += "\\printjobs";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::ofstream expected(folder + "\\" + Name + ".txt", std::ios::binary);
    for (const std::string& line : Lines) expected << line << "\n";
    std::remove((folder + "\\" + Name + ".ps").c_str());
    return folder + "\\" + Name + ".ps";
  }
};

TEST_F(PrintDocument, JobsHoldTheChosenPagesInOrder) {
  const struct {
    int pages;
    long range;
    std::vector<long> selection;
    std::vector<int> want;  // page texts of the sheets, 0 for a blank one
    const char* why;
    const char* kept = "";  // the name the host check reads it by
  } kCases[] = {
      {3, ZQFO_PrintDocumentOptions::PrintRange_All, {}, {1, 2, 3}, "all pages", "three-pages"},
      {0, ZQFO_PrintDocumentOptions::PrintRange_All, {}, {0}, "no pages: one blank sheet"},
      {3, ZQFO_PrintDocumentOptions::PrintRange_Selection, {3, 1, 9}, {3, 1, 0}, "a selection, one beyond"},
      {3, ZQFO_PrintDocumentOptions::PrintRange_Selection, {}, {1, 2, 3},
       "no selection numbers: no selection to offer, all pages"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQFO_Document document = c.pages ? PagesDocument(c.pages) : ZQFO_Document();  // the default tree has no page
    if (!c.selection.empty()) {
      ZQ_Array<long> numbers(static_cast<long>(c.selection.size()));
      for (size_t i = 0; i < c.selection.size(); ++i) numbers[static_cast<long>(i)] = c.selection[i];
      document.SetSelectionPageNumbers(ZQ_ReadOnlyIterator<long>(numbers.GetIterator()));
    }
    ZQFO_PrintDocumentOptions options;
    options.ShowPrintDialog = false;
    options.PrintRange = c.range;
    options.OutputFileName = ZQ_FileName(JobFile(c.kept, c.want).c_str());
    ZQFO_PrintDocument(document, options);
    const std::string output = ReadWholeFile(options.OutputFileName.GetPathName().GetText());
    EXPECT_EQ(PrintedPageNumbers(output), c.want);
    EXPECT_NE(output.find("%%EOF"), std::string::npos);
  }
}

TEST_F(PrintDocument, ThePrintDialogsChoiceIsPrintedAndCancelPrintsNothing) {
  const struct {
    DialogAction action;
    std::vector<int> want;
    bool cancelled;
    const char* why;
    const char* kept = "";
  } kCases[] = {
      {{IDOK, 0, false, "2", "3"}, {2, 3}, false, "\"Pages\" 2-3 typed in the dialog", "pages-2-to-3"},
      {{IDOK, 0, false}, {1, 2, 3}, false, "the dialog's own choice: all"},
      {{IDCANCEL, 0, false}, {}, true, "cancel: the cancel exception, no job"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQFO_PrintDocumentOptions options;
    options.PrintRange = ZQFO_PrintDocumentOptions::PrintRange_All;
    options.OutputFileName = ZQ_FileName(JobFile(c.kept, c.want).c_str());
    DialogCloser closer({c.action});
    bool cancelled = false;
    try {
      ZQFO_PrintDocument(PagesDocument(3), options);
    } catch (const ZQ_CancelCurrentOperationException&) {
      cancelled = true;
    }
    EXPECT_EQ(cancelled, c.cancelled);
    const std::string output = ReadWholeFile(options.OutputFileName.GetPathName().GetText());
    EXPECT_EQ(PrintedPageNumbers(output), c.want);
    EXPECT_EQ(output.empty(), c.cancelled);
  }
}

TEST_F(PrintDocument, ALayoutFailureAbortsTheJobAndPassesOn) {
  ZQFO_PrintDocumentOptions options;
  options.ShowPrintDialog = false;
  options.PrinterName = "ZQ File Printer";
  options.OutputFileName = ZQ_FileName(OutputFile("PrintDocumentAborted.ps").c_str());
  {
    const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);
    const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::GetTextExtentPoint32A> broken(ZQLOW_WIN_Answer(FALSE, 87));
    EXPECT_THROW(ZQFO_PrintDocument(PagesDocument(2), options), ZQ_Exception);
  }
  EXPECT_EQ(ReadWholeFile(options.OutputFileName.GetPathName().GetText()).find("%%EOF"), std::string::npos);
  // The request stays in the program's defaults.
  EXPECT_EQ(std::string(ZQ_PrinterPrintOptions::GetDefault().PrinterName.GetText()), "ZQ File Printer");
  EXPECT_TRUE(ZQ_PrinterPrintOptions::GetDefault().PageRangeAllowed);
}

TEST_F(PrintDocument, TextIsPrintedInReadingOrder) {
  // Lines of several words in a paragraph, a heading above it and a page
  // number at the foot: the host check compares every printed line's words.
  const std::vector<std::string> lines = {
      "Using the program",
      "Drink water every twenty minutes.", "More on the second step.", "Rest in the shade when it is hot.",
      "Page 1"};
  std::string markup =
      "<zqfo_document><zqfo_section><zqfo_pagesequencegenerator><zqfo_oddpage><zqfo_frame location='bottommargin'>"
      "<zqfo_blockstream><zqfo_para>Page <zqfo_field name='Page'/></zqfo_para></zqfo_blockstream></zqfo_frame>"
      "</zqfo_oddpage></zqfo_pagesequencegenerator><zqfo_blockstream><zqfo_para font_height='16 pt'>" +
      lines[0] + "</zqfo_para><zqfo_para>";
  for (size_t i = 1; i + 1 < lines.size(); ++i) markup += lines[i] + (i + 2 < lines.size() ? "<zqfo_linebreak/>" : "");
  markup += "</zqfo_para></zqfo_blockstream></zqfo_section></zqfo_document>";
  ZQFO_DocumentStream stream;
  stream << markup.c_str();
  ZQFO_PrintDocumentOptions options;
  options.ShowPrintDialog = false;
  options.OutputFileName = ZQ_FileName(JobFile("reading-order", lines).c_str());
  ZQFO_PrintDocument(stream.GetDocument(), options);
  EXPECT_NE(ReadWholeFile(options.OutputFileName.GetPathName().GetText()).find("%%EOF"), std::string::npos);
}

// A heading taller than the page's diagonal (1,100 points, a cell of about
// 5,100 printer pixels against 4,100) reaches the job as text: a reader of
// the job, or of a PDF made from it, finds its words.
TEST_F(PrintDocument, AHeadingTallerThanThePageIsPrintedAsText) {
  const std::vector<std::string> lines = {"Bo", "Under the heading."};
  ZQFO_DocumentStream stream;
  stream << ("<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_para font_height='1100 pt'>" + lines[0] +
             "</zqfo_para><zqfo_para>" + lines[1] + "</zqfo_para></zqfo_blockstream></zqfo_section></zqfo_document>")
                .c_str();
  ZQFO_PrintDocumentOptions options;
  options.ShowPrintDialog = false;
  options.OutputFileName = ZQ_FileName(JobFile("huge-heading", lines).c_str());
  ZQFO_PrintDocument(stream.GetDocument(), options);
  const std::string job = ReadWholeFile(options.OutputFileName.GetPathName().GetText());
  EXPECT_NE(job.find("/B glyphshow"), std::string::npos);
  EXPECT_NE(job.find("/o glyphshow"), std::string::npos);
}
