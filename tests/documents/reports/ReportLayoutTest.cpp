// Reports end to end: the golden document markup laid out by the document
// renderer on memory canvases, and screenshots of the help report page by
// page and of the error document that a broken report becomes, at 96 dpi
// in <build>/screenshots, and the help report's HTML export kept for the
// host check.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ReportTestSupport.h"
#include "ZQCG_Polygon.h"
#include "ZQFO_DocumentRenderer.h"
#include "ZQFO_ExportDocumentToHTML.h"
#include "ZQFO_FormatXMLParsingErrorForDisplay.h"
#include "ZQIMGIO.h"
#include "ZQLOW_WINBASE.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQR_MemoryDC.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "model/LayoutTestSupport.h"

namespace {

ZQFO_Document ReadMarkup(const std::string& Markup) {
  ZQFO_DocumentStream stream;
  stream << ZQ_String(Markup.c_str(), static_cast<int>(Markup.size()));
  return stream.GetDocument();
}

// <build>\Name, made when missing.
std::string BuildTreeFolder(const char* Name) {
  char path[MAX_PATH];
  ZQLOW_WINBASE::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);  // <build>\tests\documents\DocumentsTests.exe
  for (int i = 0; i < 3; ++i) folder = folder.substr(0, folder.find_last_of("\\/"));
  folder += std::string("\\") + Name;
  ZQ_FileUtils::CreateDirectoryA(folder.c_str(), 1);
  return folder;
}

// An A4 page at 96 dpi over a white 24-bit image.
struct A4Page {
  ZQIMG_Image Image{std::lround(210 * 96 / 25.4), std::lround(297 * 96 / 25.4), 24};
  ZQR_MemoryDC DC{nullptr, Image.GetHBITMAP()};
  ZQPIC_DeviceContextCanvas Canvas{DC.GetHDC(), ZQ_Rectangle<long>(0, 0, Image.GetWidth(), Image.GetHeight()), 3,
                                   ZQ_Point<double>(210, 297)};
  A4Page() { Canvas.Initialize(); }
  // Every page of Renderer (laid out for this canvas) as Name1.png, Name2.png ...
  void SaveAll(const ZQFO_DocumentRenderer& Renderer, const std::string& Name) {
    const std::string folder = BuildTreeFolder("screenshots");
    for (long page = 0; page < Renderer.GetNumPages(); ++page) {
      Canvas.Clear(ZQR_Color_White);
      Renderer.Render(Canvas, page, 0, 0);
      GdiFlush();
      ZQIMGIO_SaveToFile_PNG(ZQ_FileName((folder + "\\" + Name + std::to_string(page + 1) + ".png").c_str()), Image);
    }
  }
};

// The sample's pictures, our own drawings, as files beside each other; the
// base URI that finds them.
ZQ_URI SamplePictures() {
  ZQ_URI base;
  for (const char* name : {"cover.bmp", "globe.bmp"}) {
    ZQIMG_Image image(160, 160, 24);
    {
      ZQR_MemoryDC dc(nullptr, image.GetHBITMAP());
      ZQPIC_DeviceContextCanvas canvas(dc.GetHDC(), ZQ_Rectangle<long>(0, 0, 160, 160), 3, ZQ_Point<double>(40, 40));
      canvas.Initialize();
      canvas.Clear(ZQR_Color(200, 230, 255));
      ZQCG_Polygon disc;
      const double kPi = 3.14159265358979;
      for (int i = 0; i < 48; ++i)
        disc.AddPoint(ZQ_Point<double>(20 + 16 * std::cos(i * kPi / 24), 20 + 16 * std::sin(i * kPi / 24)));
      canvas.SetBackgroundColor(name[0] == 'c' ? ZQR_Color(230, 120, 30) : ZQR_Color(40, 140, 70));
      canvas.CanvasDraw(disc);
      GdiFlush();
    }
    base = TemporaryImageURI(image, name);  // PNG bytes: the loader goes by content
  }
  return base;
}

}  // namespace

TEST(ZQRPT_FormattingStylesheet, GoldenDocumentsRepaginateOnAMemoryCanvas) {
  for (const char* golden : {"sample_default", "sample_help", "chapters", "irefs", "blocks", "blocks_comments",
                             "titlepage", "all47"}) {
    SCOPED_TRACE(golden);
    TestCanvas canvas;
    try {
      ZQFO_DocumentRenderer renderer(ReadMarkup(LoadGolden(std::string(golden) + ".zqfo.xml")));
      renderer.SetMargins(20, 20, 15, 15);
      renderer.Repaginate(canvas, 210, 297);
      EXPECT_FALSE(renderer.GetRepaginationFailed());
      EXPECT_GE(renderer.GetNumPages(), 1);
      for (long page = 0; page < renderer.GetNumPages(); ++page) renderer.Render(canvas, page, 0, 0);
    } catch (const ZQ_Exception& e) {
      ADD_FAILURE() << AsStd(e.GetDescription());
    }
  }
}

TEST(ZQRPT_FormattingStylesheet, Screenshot_TheHelpReportPageByPage) {
  ZQFO_Document document = ReadMarkup(Transform(LoadGolden("sample.report.xml"), HelpOptions()));
  ZQFO_ExternalContext context;
  context.SetBaseURI(SamplePictures());
  document.SetExternalContext(context);
  A4Page shot;
  ZQFO_DocumentRenderer renderer(document);
  renderer.SetMargins(20, 20, 15, 15);
  renderer.Repaginate(shot.Canvas, 210, 297);
  ASSERT_FALSE(renderer.GetRepaginationFailed());
  EXPECT_GE(renderer.GetNumPages(), 4);  // title, contents, and a page for each chapter
  shot.SaveAll(renderer, "HelpReportPage");
}

TEST(ZQRPT_FormattingStylesheet, Screenshot_TheErrorDocumentOfABrokenReport) {
  std::string report = LoadGolden("sample.report.xml");
  report.replace(report.find("</italic>"), 9, "</bold>");
  ZQ_Exception error("XML Error", "");
  try {
    ReadReport(report);
    FAIL() << "the broken report was read";
  } catch (const ZQ_Exception& e) {
    error = e;
  }
  const ZQ_String raw(report.c_str(), static_cast<int>(report.size()));
  A4Page shot;
  ZQFO_DocumentRenderer renderer(ReadMarkup(
      AsStd(ZQFO_FormatXMLParsingErrorForDisplay(raw, error, "The help page could not be read.", 0, 0))));
  renderer.SetMargins(20, 20, 15, 15);
  renderer.Repaginate(shot.Canvas, 210, 297);
  ASSERT_FALSE(renderer.GetRepaginationFailed());
  shot.SaveAll(renderer, "BrokenReportError");
}

// The help report exported as HTML and kept in <build>\htmlexports, where
// the host check (scripts/check-html-exports.sh) parses it as a browser
// does and renders it: each anchor closes where it opens, so no paragraph
// or table lands inside one.
TEST(ZQRPT_FormattingStylesheet, HtmlExportClosesEachAnchorWhereItOpens) {
  ZQFO_Document document = ReadMarkup(Transform(LoadGolden("sample.report.xml"), HelpOptions()));
  document.SetName("Sample report");
  ZQFO_ExternalContext context;
  context.SetBaseURI(SamplePictures());
  document.SetExternalContext(context);
  const std::string file = BuildTreeFolder("htmlexports") + "\\help-report.htm";
  ZQFO_ExportDocumentToHTML(document, ZQ_FileName(file.c_str()));
  const std::string html = AsStd(ZQ_LoadFileIntoString(ZQ_FileName(file.c_str())));
  size_t anchors = 0;
  for (size_t at = html.find("<a name="); at != std::string::npos; at = html.find("<a name=", at + 1)) {
    ++anchors;
    EXPECT_EQ(html.compare(html.find('>', at), 5, "></a>"), 0) << html.substr(at, 60);
  }
  EXPECT_GE(anchors, 4u) << "the chapters and sections are anchored";
}
