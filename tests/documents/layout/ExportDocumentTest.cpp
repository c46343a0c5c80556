#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "../model/LayoutTestSupport.h"
#include "ZQFO_ContentArea.h"
#include "ZQFO_DistributeBlockStream.h"
#include "ZQFO_ExportDocumentToHTML.h"
#include "ZQFO_RenderObject.h"
#include "ZQCG_Polygon.h"
#include "ZQ_Numeric.h"
#include "ZQ_StreamSink.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"

namespace {

const char kDocument[] =
    "<zqfo_document><zqfo_section><zqfo_blockstream>"
    "<zqfo_para id='{a}{b}'>Left <zqfo_flowgroup font_height='18 pt'>big</zqfo_flowgroup> small</zqfo_para>"
    "<zqfo_para justification='center'>C</zqfo_para>"
    "<zqfo_para justification='right'>R</zqfo_para>"
    "<zqfo_para line_justification='full' block_left_indent='20 mm'>F<zqfo_symbol name='emdash'/></zqfo_para>"
    "<zqfo_para line_preformatted='true'>p  q<zqfo_linebreak/>r</zqfo_para>"
    "<zqfo_para id='{a}'><zqfo_flowgroup link_target='x.html?a&amp;b'>link</zqfo_flowgroup> "
    "<zqfo_flowgroup font_italic='true'>i</zqfo_flowgroup> <zqfo_flowgroup font_weight='bold'>b</zqfo_flowgroup> "
    "<zqfo_flowgroup font_underline='true'>u</zqfo_flowgroup> "
    "<zqfo_flowgroup line_vertical_alignment='subscript'>sub</zqfo_flowgroup>"
    "<zqfo_flowgroup line_vertical_alignment='superscript'>sup</zqfo_flowgroup></zqfo_para>"
    "<zqfo_table><zqfo_row><zqfo_flowcell columnspan='2' background_color='red'>t</zqfo_flowcell></zqfo_row>"
    "<zqfo_row><zqfo_flowcell justification='right'>1</zqfo_flowcell><zqfo_flowcell>2</zqfo_flowcell></zqfo_row>"
    "</zqfo_table>"
    // One image twice (one file), a picture, an image that cannot be read;
    // a field (empty: no pages) and a page reference (left out) write nothing.
    "<zqfo_para><zqfo_img src='@IMAGE@' width='20 mm'/><zqfo_img src='@IMAGE@' width='20 mm'/>"
    "<zqfo_picture name='logo' width='10 mm' height='5 mm'/><zqfo_img src='file:///Z:/no/such.png' width='8 mm' "
    "height='4 mm'/><zqfo_field name='Page'/> <zqfo_pageref target='{a}'/></zqfo_para>"
    "</zqfo_blockstream></zqfo_section></zqfo_document>";

class SquarePicture : public ZQPIC_Picture {
  void Imp_DrawPicture(ZQPIC_Canvas& Canvas) const override {
    Canvas.CanvasDraw(ZQCG_Polygon(ZQ_Rectangle<double>(1, 1, 8, 3)));
  }
};

// Pixels of Mm on the export's measuring canvas (the screen's resolution).
std::string Pixels(double Mm, bool Across) {
  const ZQIMG_Image image(2, 2, 24);
  ZQR_MemoryDC dc(nullptr, image.GetHBITMAP());
  ZQPIC_DeviceContextCanvas canvas(dc.GetHDC(), ZQ_Rectangle<long>(0, 0, 2, 2), 3);
  canvas.Initialize();
  const ZQ_Point<double> perMm = canvas.GetDevicePixelsPerMillimeter();
  return std::to_string(static_cast<long>(ZQ_Round(Mm * (Across ? perMm.X : perMm.Y))));
}

std::string ImgTag(const std::string& File, double WidthMm, double HeightMm) {
  return "<img src=\"" + File + "\" width=\"" + Pixels(WidthMm, true) + "\" height=\"" + Pixels(HeightMm, false) +
         "\">";
}

const char kFont[] = "<font size=\"3\" face=\"Times New Roman\" color=\"#000000\">";

}  // namespace

TEST(ZQFO_ExportDocumentToHTML, WritesOneFileFromTheTemplates) {
  ZQFO_Document document;
  document.SetName("Export <test>");
  ZQFO_ExternalContext pictures;
  pictures.Set("logo", ZQ_CountedPtr<const ZQPIC_Picture>(new SquarePicture));
  document.SetExternalContext(pictures);
  const ZQ_String file = ZQ_FileUtils::GetTemporaryDirectory() + "ZQFO_Export.html";
  std::string markup = kDocument;
  const std::string image = TemporaryImageURI(ZQIMG_Image(40, 20, 24), "ZQFO_ExportSource.png").GetText().GetText();
  for (size_t at; (at = markup.find("@IMAGE@")) != std::string::npos;) markup.replace(at, 7, image);
  try {
    document.SetFormattingObjectsTree(ReadDocument(markup));
    ZQFO_ExportDocumentToHTML(document, ZQ_FileName(file));
  } catch (const ZQ_Exception& e) {
    FAIL() << e.GetDescription().GetText();
  }
  std::ifstream in(file.GetText(), std::ios::binary);
  std::stringstream written;
  written << in.rdbuf();
  const std::string f = kFont;
  const std::string expected =
      "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n\n<html>\n\n<head>\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\n"
      "<title>Export &#60;test&#62;</title>\n</head>\n\n<body bgcolor=\"#FFFFFF\">\n"
      "\n<a name=\"a\"></a>\n<a name=\"b\"></a>\n<p align=\"left\"> " + f + "Left </font>"
      "<font size=\"5\" face=\"Times New Roman\" color=\"#000000\">big </font>" + f + "small</font></p>\n"
      "\n<p align=\"center\"> " + f + "C</font></p>\n"
      "\n<p align=\"right\"> " + f + "R</font></p>\n"
      "\n<blockquote><blockquote><p align=\"left\"> " + f +
      "F</font><font size=\"3\" face=\"Symbol\" color=\"#000000\">---\n</font></p>\n</blockquote></blockquote>"
      "\n<pre>" + f + "p  q\nr</font></pre>\n"
      // {a} is anchored once; the link target is escaped; tags close innermost first.
      "\n<p align=\"left\"> <a href=\"x.html?a&#38;b\">" + f + "link </font></a>" + f + "<i>i </i></font>" + f +
      "<b>b </b></font>" + f + "<u>u </u></font>" + f + "<sub>sub</sub></font>" + f + "<sup>sup</sup></font></p>\n"
      "\n<div align=\"left\"><table border=\"0\" cellpadding=\"2\" cellspacing=\"0\">\n"
      "<tr align=\"left\" valign=\"top\"><td colspan=\"2\" bgcolor=\"#FF0000\">\n<p align=\"left\"> " + f +
      "t</font></p>\n</td> </tr>\n"
      "<tr align=\"left\" valign=\"top\"><td align=\"right\" bgcolor=\"#FFFFFF\">\n<p align=\"right\"> " + f +
      "1</font></p>\n</td><td bgcolor=\"#FFFFFF\">\n<p align=\"left\"> " + f + "2</font></p>\n</td> </tr>\n"
      "</table>\n</div>\n"
      "\n<p align=\"left\"> " + f + ImgTag("ZQFO_Export_Image_1.png", 20, 10) + ImgTag("ZQFO_Export_Image_1.png", 20, 10) +
      ImgTag("ZQFO_Export_Image_2.png", 10, 5) + ImgTag("MissingImage.jpg", 8, 4) + "</font></p>\n"
      "\n</body>\n</html>\n";
  EXPECT_EQ(written.str(), expected);
}

TEST(ZQFO_ExportDocumentToHTML, TablesNestedToTheReadersDepthLayOutRenderAndExport) {
  // Three elements a level: 330 tables reach the reader's limit of 1,000.
  std::string markup = "<zqfo_document><zqfo_section><zqfo_blockstream>";
  const int levels = 330;
  for (int i = 0; i < levels; ++i) markup += "<zqfo_table><zqfo_row><zqfo_blockcell cell_margin='0 mm'>";
  markup += "<zqfo_para>core</zqfo_para>";
  for (int i = 0; i < levels; ++i) markup += "</zqfo_blockcell></zqfo_row></zqfo_table>";
  markup += "</zqfo_blockstream></zqfo_section></zqfo_document>";
  TestLayout layout;
  const ZQFO_ParsedDocument parsed = Parse(layout, markup);
  const ZQFO_BlockStream stream = parsed.GetSections()[0].GetPrimaryBlockStream();
  ZQFO_Page* page = layout.NewPage();
  EXPECT_TRUE(ZQFO_DistributeBlockStream(layout.Context, stream, *page->GetFirstDefaultContentArea(), {}));
  layout.Document.Render(layout.Canvas, 0, {0, 0});
  ZQ_Array<ZQFO_WordInfo> words;
  long count = 0;
  layout.Document.CollectWordInfo(words, count);
  ASSERT_EQ(count, 1);
  EXPECT_EQ(words[0].Text, "core");
  ZQ_String text;
  {
    ZQFO_ExportDocumentToHTML_ExportContext context(ZQ_CreateStringStreamSink(&text), layout.Context);
    parsed.ExportToHTML(context, 0);
    parsed.ExportToHTML(context, 1);
  }
  EXPECT_NE(std::string(text.GetText()).find("core"), std::string::npos);
}
