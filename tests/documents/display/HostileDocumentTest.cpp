// Hostile documents end to end: each read, laid out on A4 pages and as one
// continuous page, every page drawn, exported as text and as HTML. Each
// class of fault that markup caused has its smallest input here.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <fstream>
#include <new>
#include <stdexcept>
#include <sstream>
#include <string>
#include <vector>

#include "ZQCG_Polygon.h"
#include "ZQFO_DocumentRenderer.h"
#include "ZQFO_ExportDocumentToHTML.h"
#include "ZQFO_LibraryExceptions.h"
#include "ZQ_ConvertDocumentToText.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"
#include "model/LayoutTestSupport.h"
#include "reports/ReportTestSupport.h"

namespace {

class SquarePicture : public ZQPIC_Picture {
  void Imp_DrawPicture(ZQPIC_Canvas& Canvas) const override {
    Canvas.CanvasDraw(ZQCG_Polygon(ZQ_Rectangle<double>(1, 1, 8, 3)));
  }
};

// Markup read as a document, with the picture "p" at hand.
ZQFO_Document ReadHostile(const std::string& Markup) {
  ZQFO_DocumentStream stream;
  stream << ZQ_String(Markup.c_str(), static_cast<int>(Markup.size()));
  ZQFO_Document document = stream.GetDocument();
  ZQFO_ExternalContext pictures;
  pictures.Set("p", ZQ_CountedPtr<const ZQPIC_Picture>(new SquarePicture));
  document.SetExternalContext(pictures);
  return document;
}

// What goes wrong with Markup on its way through the library; empty when
// nothing does.
std::string Fault(const std::string& Markup) {
  try {
    const ZQFO_Document document = ReadHostile(Markup);
    for (const double height : {297.0, ZQFO_DocumentRenderer::Continuous}) {
      TestCanvas canvas;
      ZQFO_DocumentRenderer renderer(document);
      renderer.SetMargins(20, 20, 15, 15);
      renderer.Repaginate(canvas, 210, height);
      for (long page = 0; page < renderer.GetNumPages(); ++page) renderer.Render(canvas, page, 0, 0);
      for (const double length : {renderer.GetPageWidth(), renderer.GetPageHeight(), renderer.GetMinimumPageWidth(),
                                  renderer.GetMaximumPageWidth()})
        if (!std::isfinite(length)) return "a page size that is not finite";
      ZQ_Array<ZQFO_WordInfo> words;
      long count = 0;
      renderer.CollectWordInfo(words, count);
      for (long i = 0; i < count; ++i)
        if (!std::isfinite(words[i].X) || !std::isfinite(words[i].Y)) return "a word placed at a non-finite position";
    }
    ZQ_ConvertDocumentToText(document);
    ZQFO_ExportDocumentToHTML(document, ZQ_FileName(ZQ_FileUtils::GetTemporaryDirectory() + "ZQFO_Hostile.html"));
  } catch (const ZQ_Exception& e) {
    return "ZQ_Exception: " + AsStd(e.GetDescription());
  } catch (const std::exception& e) {
    return std::string("std::exception: ") + e.what();
  }
  return "";
}

struct HostileCase {
  const char* why;
  std::string markup;
};

void ExpectNoFault(std::initializer_list<HostileCase> Cases) {
  for (const HostileCase& c : Cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Fault(c.markup), "");
  }
}

std::string Repeated(int Count, const std::string& Text) {
  std::string result;
  for (int i = 0; i < Count; ++i) result += Text;
  return result;
}

const char kMaxHeightCell[] = "<tablerow><tableblockcell height='max'/></tablerow>";
const char kThreeParas[] =
    "<tablerow><tableblockcell><para>x</para><para>x</para><para>x</para></tableblockcell></tablerow>";

// A row whose block cell holds a table of the one row Row between two
// paragraphs.
std::string Nested(const std::string& Row) {
  return "<tablerow><tableblockcell><para>x</para><table><tableheader><tablecolumnheader/></tableheader>" + Row +
         "</table><para>x</para></tableblockcell></tablerow>";
}

}  // namespace

TEST(ZQFO_HostileDocuments, TablesWhoseRowsFitOnlyWithinRoundingLayOut) {
  // Rows of "max" height (9,900 km) leave rounding in the sums: the layout
  // asked tables to split where every row fitted.
  const std::string report = "<section><title>T</title><table><tableheader><tablecolumnheader/></tableheader>" +
                             std::string(kMaxHeightCell) +
                             "<tablerow><tableblockcell><para>x</para><table><tableheader><tablecolumnheader/>"
                             "</tableheader>" + Nested(kThreeParas) + Nested(kThreeParas) + kMaxHeightCell +
                             "</table></tableblockcell></tablerow></table></section>";
  ExpectNoFault({
      {"a report's nested tables through the stylesheet", Transform(report)},
      {"a cell's margins overflowing to infinity",
       InSection("<zqfo_table><zqfo_row><zqfo_flowcell local_cell_margin='1e308mm'>a</zqfo_flowcell></zqfo_row>"
                 "</zqfo_table>")},
  });
}

TEST(ZQFO_HostileDocuments, NoStandardExceptionLeavesLayoutOrExport) {
  ExpectNoFault({
      {"a bullet a thousand kilometres wide in an inline cell: the text export's row",
       InSection("<zqfo_para><zqfo_inlinetable><zqfo_row><zqfo_flowcell><zqfo_bullet width='1e9mm'><zqfo_symbol "
                 "name='bullet_round_solid'/></zqfo_bullet>x</zqfo_flowcell></zqfo_row></zqfo_inlinetable>"
                 "</zqfo_para>")},
      {"spaces between blocks adding up to infinity (and 2.8 s)",
       "<zqfo_document block_space_after='1e308mm'><zqfo_section><zqfo_blockstream><zqfo_para>a</zqfo_para>"
       "<zqfo_para>b</zqfo_para><zqfo_para>c</zqfo_para></zqfo_blockstream></zqfo_section></zqfo_document>"},
      {"cell margins of a thousand kilometres around an inline table",
       "<zqfo_document cell_margin='1e9mm'><zqfo_section><zqfo_blockstream><zqfo_para>x<zqfo_inlinetable><zqfo_row>"
       "<zqfo_flowcell>a</zqfo_flowcell></zqfo_row></zqfo_inlinetable>y</zqfo_para></zqfo_blockstream>"
       "</zqfo_section></zqfo_document>"},
  });
}

TEST(ZQFO_HostileDocuments, HugeLengthsLayOutAtFinitePositions) {
  const std::string image = "<zqfo_img src='file:C:/none.png' width='1e308mm'/>";
  ExpectNoFault({
      {"a block cell's margins",
       InSection("<zqfo_table><zqfo_row><zqfo_blockcell cell_margin='1e308mm'><zqfo_para>a</zqfo_para>"
                 "</zqfo_blockcell></zqfo_row></zqfo_table>")},
      {"two images side by side", InSection("<zqfo_para>" + image + image + "</zqfo_para>")},
  });
}

TEST(ZQFO_LibraryExceptions, StandardExceptionsBecomeDocumentErrorsAndTheRestPassUnchanged) {
  const auto outOfMemory = [] { ZQFO_WithLibraryExceptions("lay out the document", [] { throw std::bad_alloc(); }); };
  const auto tooLong = [] {
    ZQFO_WithLibraryExceptions("export the document", [] { throw std::length_error("basic_string::_M_replace_aux"); });
  };
  const struct {
    const char* why;
    void (*work)();
    const char* description;
  } cases[] = {
      {"memory running out", outOfMemory, "There is not enough memory to lay out the document."},
      {"a string too long", tooLong, "Could not export the document.\n\nbasic_string::_M_replace_aux"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    try {
      c.work();
      ADD_FAILURE() << "nothing thrown";
    } catch (const ZQ_Exception& e) {
      EXPECT_EQ(AsStd(e.GetName()), "Document Error");
      EXPECT_EQ(AsStd(e.GetDescription()), c.description);
    }
  }
  EXPECT_THROW(ZQFO_WithLibraryExceptions("x", [] { throw ZQ_CancelCurrentOperationException(); }),
               ZQ_CancelCurrentOperationException);
  EXPECT_EQ(ZQFO_WithLibraryExceptions("x", [] { return 7; }), 7);
}

TEST(ZQFO_HostileDocuments, PicturesWiderThanAnyPageExportAsOneImageOfTheExportsLargestSize) {
  // Each was drawn at 4,096 pixels a side and written to its own files: 25 s.
  const ZQFO_Document document =
      ReadHostile(InSection("<zqfo_para>" + Repeated(30, "<zqfo_picture name='p' min_width='max'/> ") + "</zqfo_para>"));
  const ZQ_String file = ZQ_FileUtils::GetTemporaryDirectory() + "ZQFO_HostilePictures.html";
  ZQFO_ExportDocumentToHTML(document, ZQ_FileName(file));
  std::ifstream in(file.GetText(), std::ios::binary);
  std::stringstream written;
  written << in.rdbuf();
  const std::string html = written.str();
  std::vector<std::string> tags;
  for (size_t at = 0; (at = html.find("<img ", at)) != std::string::npos; at += 5)
    tags.push_back(html.substr(at, html.find('>', at) - at));
  ASSERT_EQ(tags.size(), 30u);
  for (const std::string& tag : tags) EXPECT_EQ(tag, tags[0]);
  // The export's largest image, 212 mm, on the screen the export measures on.
  const ZQIMG_Image image(2, 2, 24);
  ZQR_MemoryDC dc(nullptr, image.GetHBITMAP());
  ZQPIC_DeviceContextCanvas canvas(dc.GetHDC(), ZQ_Rectangle<long>(0, 0, 2, 2), 3);
  canvas.Initialize();
  const long widthPx = std::lround(212 * canvas.GetDevicePixelsPerMillimeter().X);
  EXPECT_NE(tags[0].find("width=\"" + std::to_string(widthPx) + "\""), std::string::npos) << tags[0];
}
