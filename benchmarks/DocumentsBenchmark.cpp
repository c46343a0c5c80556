// Times the document engine's text stages. Reports: generates a report of
// about 2 MB (chapters, sections, paragraphs with inline markup, lists,
// tables, captions, 5,000 cross-references to earlier sections) and prints
// MB/s of report text (the best of the passes) for (a) reading it validated
// by the report DTD,
// (b) the report stylesheet's Apply, (c) a stylesheet of the default rules
// only, and (d) (b) on a report four times as large, with the targets; then
// the milliseconds of the report stylesheet on huge tables.
// Usage: DocumentsBenchmark [megabytes] [passes]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQRPT_FormattingStylesheet.h"
#include "ZQRPT_ReportDTD.h"
#include "ZQXML_Reader.h"
#include "ZQ_Assertion.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point Start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
}

template <class Job>
double BestSeconds(int Passes, Job job) {
  double best = 1e30;
  for (int pass = 0; pass < Passes; ++pass) {
    const auto start = std::chrono::steady_clock::now();
    job();
    best = std::min(best, Seconds(start));
  }
  return best;
}

// The report's chapters, sections, paragraphs, lists, tables and captions,
// until it holds about Megabytes; the cross-references point back to
// earlier sections.
std::string MakeReport(double Megabytes, int NumIrefs) {
  const size_t size = static_cast<size_t>(Megabytes * 1024 * 1024);
  std::string text = "<?xml version='1.0'?>\n<section><title>Benchmark guide</title>\n";
  std::string body;
  int chapter = 0, section = 0, irefs = 0;
  while (text.size() + body.size() < size) {
    ++chapter;
    body += "<section id='c" + std::to_string(chapter) + "'><title>Chapter " + std::to_string(chapter) + "</title>\n";
    for (int s = 0; s < 8; ++s) {
      const std::string id = "s" + std::to_string(++section);
      body += "<section id='" + id + "'><title>Section about <italic>heat</italic></title>\n";
      for (int p = 0; p < 6; ++p) {
        body += "<para>Text with <bold>bold</bold>, <keytext>F1</keytext> and a <link target='x.html'>link</link>";
        if (irefs < NumIrefs && section > 1) {
          body += ", see <iref target='s" + std::to_string(section - 1) + "'/> for more";
          ++irefs;
        }
        body += ". The wet bulb globe temperature &amp; its parts.</para>\n";
      }
      body += "<orderedlist><listitem><para>One.</para></listitem><listitem><para>Two.</para>"
              "<unorderedlist style='compact'><listitem><para>Inner.</para></listitem></unorderedlist>"
              "</listitem></orderedlist>\n";
      body += "<caption type='table' id='t" + id + "'><title>Values</title><table><tableheader>"
              "<tablecolumnheader horzjust='left'>Name</tablecolumnheader><tablecolumnheader "
              "horzjust='decimal'>Value</tablecolumnheader></tableheader>";
      for (int r = 0; r < 4; ++r) body += "<tablerow><tablecell>Air</tablecell><tablecell>30.5</tablecell></tablerow>";
      body += "</table></caption>\n<note type='tip'><para>Drink water.</para></note>\n</section>\n";
    }
    body += "</section>\n";
  }
  return text + body + "</section>\n";
}

std::string MakeTable(int Rows, int Cells, int Columns) {
  std::string text = "<section><title>Table</title><table><tableheader>";
  for (int c = 0; c < Columns; ++c) text += "<tablecolumnheader horzjust='right'>H</tablecolumnheader>";
  text += "</tableheader>";
  std::string row = "<tablerow>";
  for (int c = 0; c < Cells; ++c) row += "<tablecell>v</tablecell>";
  row += "</tablerow>";
  for (int r = 0; r < Rows; ++r) text += row;
  return text + "</table></section>";
}

ZQXML_Tree ReadReport(const std::string& Text) {
  ZQXML_Reader reader(ZQ_String(Text.c_str(), static_cast<int>(Text.size())));
  reader.SetDocumentTypeDefinition(ZQRPT_GetReportDTD());
  return reader.Read();
}

ZQRPT_FormattingStylesheetOptions HelpOptions() {
  ZQRPT_FormattingStylesheetOptions options;
  options.SetUseTitlePage(true);
  options.SetIncludeTableOfContents(true);
  options.SetUsePageFooters(true);
  options.SetNumberSections(true);
  options.SetNumberCaptions(true);
  options.SetChapterHeadingStyle(1);
  options.SetChapterPageBreak(3);
  return options;
}

void RunReportCases(double Megabytes, int Passes) {
  const std::string report = MakeReport(Megabytes, 5000);
  const std::string large = MakeReport(4 * Megabytes, 20000);
  const double mb = report.size() / (1024.0 * 1024.0);
  const ZQXML_Tree tree = ReadReport(report);
  const ZQXML_Tree largeTree = ReadReport(large);
  const ZQXTR_Stylesheet sheet = ZQRPT_GetFormattingStylesheet(HelpOptions());
  const ZQXTR_Stylesheet defaults;
  size_t outputBytes = 0;
  const double read = BestSeconds(Passes, [&] { ReadReport(report); });
  const double styled = BestSeconds(Passes, [&] { outputBytes = sheet.Apply(tree).GetLength(); });
  const double plain = BestSeconds(Passes, [&] { defaults.Apply(tree); });
  const double styledLarge = BestSeconds(Passes, [&] { sheet.Apply(largeTree); });
  std::printf("report of %.2f MB (%.2f MB of document markup out)\n", mb, outputBytes / (1024.0 * 1024.0));
  std::printf("(a) reading with the report DTD      %8.1f MB/s\n", mb / read);
  std::printf("(b) report stylesheet Apply          %8.1f MB/s  (target at least %.1f, a third of (a))\n",
              mb / styled, mb / read / 3);
  std::printf("(c) default rules only Apply         %8.1f MB/s  (target at least %.1f, (a))\n", mb / plain,
              mb / read);
  std::printf("(d) (b) on a report 4 times as large %8.1f ms    (%.2f times (b); target at most 4.5)\n",
              styledLarge * 1000, styledLarge / styled);
}

void RunHugeTableCases(int Passes) {
  const struct {
    int rows, cells, columns;
    const char* what;
  } kTables[] = {{10000, 20, 20, "10,000 rows x 20 cells"},
                 {1, 1000, 1000, "a header of 1,000 columns"},
                 {1000, 100, 2, "1,000 rows of 100 cells under 2 columns"}};
  const ZQXTR_Stylesheet sheet = ZQRPT_GetFormattingStylesheet(ZQRPT_FormattingStylesheetOptions());
  for (const auto& t : kTables) {
    const ZQXML_Tree tree = ReadReport(MakeTable(t.rows, t.cells, t.columns));
    const double seconds = BestSeconds(Passes, [&] { sheet.Apply(tree); });
    std::printf("huge table, %-40s %8.1f ms (%.2f us per cell)\n", t.what, seconds * 1000,
                seconds * 1e6 / (static_cast<double>(t.rows) * t.cells));
  }
}

}  // namespace

int main(int argc, char** argv) {
  const double megabytes = argc > 1 ? std::atof(argv[1]) : 2.0;
  const int passes = argc > 2 ? std::atoi(argv[2]) : 3;
  ZQ_SetAssertionMode(3);
  ZQLOW_WIN_SetAPIFunctionFailureMode(0);
  ZQLOW_WIN_SetProgramInstanceHandle(ZQLOW_WINBASE::GetModuleHandleA(nullptr));
  try {
    RunReportCases(megabytes, passes);
    RunHugeTableCases(passes);
  } catch (const ZQ_Exception& e) {
    std::fprintf(stderr, "%s\n", e.GetDescription().GetText());
    return 1;
  }
  return 0;
}
