// The plain-text export: words placed on the character grid, rows, blank
// lines and the characters the export replaces.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "ZQLOW_WIN_FakeCall.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_ConvertDocumentToText.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"
#include "model/LayoutTestSupport.h"

namespace {

ZQFO_Document MakeDocument(const std::string& Body) {
  ZQFO_DocumentStream stream;
  stream << InSection(Body).c_str();
  return stream.GetDocument();
}

std::string Export(const std::string& Body) { return ZQ_ConvertDocumentToText(MakeDocument(Body)).GetText(); }

// A paragraph without space before or after it.
const std::string kTight = "<zqfo_para block_space_before='0 mm' block_space_after='0 mm'>";

}  // namespace

TEST(ZQ_ConvertDocumentToText, WordsKeepTheirRowsColumnsAndGaps) {
  const struct {
    const char* why;
    std::string body;
    std::string want;
  } kCases[] = {
      {"14 pt Arial laid out in Courier New 10: spaces from the grid",
       "<zqfo_para font_family='sansserif' font_height='14 pt'>Shade and water in the sun</zqfo_para>",
       "Shade and water in the sun\n"},
      {"adjacent paragraphs: no blank line", kTight + "Rest</zqfo_para>" + kTight + "Drink</zqfo_para>",
       "Rest\nDrink\n"},
      {"one empty line's worth of space: one blank line",
       kTight + "Rest</zqfo_para><zqfo_para block_space_before='3.72525 mm'>Drink</zqfo_para>", "Rest\n\nDrink\n"},
      {"7.45 mm from row to row rounds to two rows: one blank line",
       kTight + "Rest</zqfo_para><zqfo_para block_space_before='3.72475 mm'>Drink</zqfo_para>", "Rest\n\nDrink\n"},
      {"far apart: at most two blank lines",
       "<zqfo_para>Rest</zqfo_para><zqfo_para block_space_before='50 mm'>Drink</zqfo_para>", "Rest\n\n\nDrink\n"},
      {"an empty paragraph between: its blank line, no blanks", kTight + "Rest</zqfo_para>" + kTight +
       "</zqfo_para>" + kTight + "Drink</zqfo_para>", "Rest\n\nDrink\n"},
      {"indentation becomes spaces", "<zqfo_para block_left_indent='21.1667 mm'>Shade</zqfo_para>",
       "          Shade\n"},
      {"a no-break space becomes a blank", "<zqfo_para>27&#160;C</zqfo_para>", "27 C\n"},
      {"the parser's em dash becomes three hyphens", "<zqfo_para>hot --- humid</zqfo_para>", "hot --- humid\n"},
      {"the em dash symbol too", "<zqfo_para>hot<zqfo_symbol name='emdash'/>humid</zqfo_para>", "hot---humid\n"},
      {"a real three-quarters sign stays", "<zqfo_para>&#190; and 1&#190;</zqfo_para>", "\xBE and 1\xBE\n"},
      {"a word a kilometre to the right: blanks up to column 4,096",
       "<zqfo_para><zqfo_inlinetable><zqfo_row><zqfo_flowcell><zqfo_bullet width='1000000 mm'/>Shade"
       "</zqfo_flowcell></zqfo_row></zqfo_inlinetable></zqfo_para>",
       std::string(4096, ' ') + "Shade\n"},
  };
  EXPECT_EQ(std::string(ZQ_ConvertDocumentToText(ZQFO_Document()).GetText()), "");
  const ZQ_String path = ZQ_FileUtils::GetTemporaryDirectory() + "ConvertDocumentToText.txt";
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Export(c.body), c.want);
    ZQ_ConvertDocumentToTextFile(MakeDocument(c.body), ZQ_FileName(path));  // the same bytes
    std::ifstream file(path.GetText(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()), c.want);
  }
}

TEST(ZQ_ConvertDocumentToText, ATableRowComesOutOnOneLineWithTheSecondCellAtItsColumn) {
  const std::string text = Export(
      "<zqfo_table><zqfo_row><zqfo_flowcell width='42.3334 mm'>Shade</zqfo_flowcell>"
      "<zqfo_flowcell>Sun</zqfo_flowcell></zqfo_row></zqfo_table>");
  ASSERT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
  const size_t sun = text.find("Sun");
  // 42.3334 mm is 20 cells; the cell's padding may add one more.
  EXPECT_TRUE(sun >= 20 && sun <= 22 && sun != std::string::npos) << text;
}

TEST(ZQ_ConvertDocumentToText, AFailingLayoutReleasesTheMeasuringSurface) {
  const ZQFO_Document document = MakeDocument("<zqfo_para>Rest in the shade</zqfo_para>");
  long made = 0, deleted = 0;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::CreateCompatibleDC> create(
      [&](HDC DC) { return ++made, ::CreateCompatibleDC(DC); });
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::DeleteDC> remove([&](HDC DC) { return ++deleted, ::DeleteDC(DC); });
  {
    const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);  // a failed call throws
    const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::GetTextExtentPoint32A> broken(
        ZQLOW_WIN_Answer(FALSE, ERROR_INVALID_PARAMETER));
    EXPECT_THROW(ZQ_ConvertDocumentToText(document), ZQ_Exception);
  }
  EXPECT_GT(made, 0);
  EXPECT_EQ(deleted, made);
  EXPECT_EQ(std::string(ZQ_ConvertDocumentToText(document).GetText()), "Rest in the shade\n");
}
