// Line layout and the render objects drawn on real fonts through a canvas on
// a 24-bit image at 150 dpi, written to <build>/screenshots for a person to
// look at, with the checks that real fonts allow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "ZQFO_ContentArea.h"
#include "ZQFO_FlowObject.h"
#include "ZQFO_LineDistribution.h"
#include "ZQFO_RenderObject.h"
#include "ZQFO_StandardColorKeys.h"
#include "ZQIMGIO.h"
#include "ZQ_FileUtils.h"
#include "FixedAdvanceCanvas.h"
#include "../model/LayoutTestSupport.h"
#include "ZQFO_DistributeBlockStream.h"
#include "ZQFO_FormatXMLParsingErrorForDisplay.h"
#include "ZQXML_Reader.h"

namespace {

// A canvas over a 24-bit image of WidthMm x HeightMm at PixelsPerMm.
struct ImageHolder {
  ImageHolder(double WidthMm, double HeightMm, double PixelsPerMm)
      : Image(std::lround(WidthMm * PixelsPerMm), std::lround(HeightMm * PixelsPerMm), 24),
        DC(nullptr, Image.GetHBITMAP()),
        Canvas(DC.GetHDC(), ZQ_Rectangle<long>(0, 0, Image.GetWidth(), Image.GetHeight()), 3, {WidthMm, HeightMm}) {
    Canvas.Initialize();
    Canvas.Clear(ZQR_Color_White);
  }
  ZQIMG_Image Image;
  ZQR_MemoryDC DC;
  ZQPIC_DeviceContextCanvas Canvas;
};

struct ImageCanvas : ImageHolder, LayoutOn {
  ImageCanvas(double WidthMm, double HeightMm, double PixelsPerMm)
      : ImageHolder(WidthMm, HeightMm, PixelsPerMm), LayoutOn(Canvas) {}
  ZQFO_FormattingOptions Font(const char* Face, double Points, long Justification = 0, long Alignment = 0,
                              const char* Link = "") {
    Settings s;
    s.Typeface = Face, s.FontHeight = Points, s.Justification = Justification, s.VerticalAlignment = Alignment;
    s.Link = Link, s.Underline = *Link ? 1 : 0, s.TextColor = *Link ? ZQR_Color(0, 0, 192) : ZQR_Color_Black;
    return Options(s);
  }
  void Save(const char* Name) {
    GdiFlush();
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);  // <build>\tests\documents\DocumentsTests.exe
    for (int i = 0; i < 3; ++i) folder = folder.substr(0, folder.find_last_of("\\/"));
    folder += "\\screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);
    ZQIMGIO_SaveToFile_PNG(ZQ_FileName((folder + "\\" + Name).c_str()), Image);
  }
};

// Lays Objects out into a new area at (X, Y, W, H) and draws it.
void Draw(ImageCanvas& Shot, const Chain& Objects, const ZQFO_FormattingOptions& Options, double X, double Y,
          double W, double H) {
  ZQFO_LineDistribution lines(Shot.Context, Options, W, Objects.First(), Objects.Last(),
                              ZQFO_LineDistribution::Portion_Whole, false);
  ZQFO_ContentArea area(nullptr, X, Y, W, H, 0);
  lines.Distribute(area);
  Shot.Context.PerformPageRefFixups();
  area.Render(Shot.Canvas, 0, 0, 0);
}

// Draws a diamond and its name in the section's colours after laying out.
class DiamondPicture : public ZQPIC_Picture, public ZQFO_Picture_EarlyLayoutInterface {
 public:
  void EarlyLayout(ZQPIC_Canvas&, const ZQ_Rectangle<double>& Rectangle) const override { Box = Rectangle; }
  mutable ZQ_Rectangle<double> Box;

 protected:
  void Imp_DrawPicture(ZQPIC_Canvas& Canvas) const override {
    ZQCG_Line diamond(5);
    const double w = Box.Width, h = Box.Height;
    for (const ZQ_Point<double>& p : {ZQ_Point<double>(w / 2, 0), {w, h / 2}, {w / 2, h}, {0, h / 2}, {w / 2, 0}})
      diamond.AddPoint(p);
    Canvas.SetLineWidthInMillimeters(0.4);
    Canvas.CanvasDraw(diamond);
    Canvas.SetHorizontalJustification(1), Canvas.SetVerticalJustification(1);
    Canvas.CanvasDraw("pic", {w / 2, h / 2});
  }
};

// A 40 x 24 image in the standard key colours: a frame and a cross in the
// text key on the background key.
ZQ_URI KeyedImage() {
  ZQR_Color background, text;
  ZQFO_GetStandardBackgroundColorKey(background);
  ZQFO_GetStandardTextColorKey(text);
  ZQIMG_Image image(40, 24, 24);
  for (long y = 0; y < 24; ++y) {
    unsigned char* row = image.GetRow24BitForWriting(y);
    for (long x = 0; x < 40; ++x) {
      const bool isInk = x < 2 || y < 2 || x > 37 || y > 21 || std::abs(x - y * 40 / 24) < 2;
      const ZQR_Color c = isInk ? text : background;
      row[3 * x] = c.GetBlue(), row[3 * x + 1] = c.GetGreen(), row[3 * x + 2] = c.GetRed();
    }
  }
  return TemporaryImageURI(image, "ZQFO_Keyed.png");
}

const char kText[] =
    "Heat stress is estimated from the wet bulb globe temperature, which weighs the natural wet bulb, the globe "
    "and the dry air temperatures, so that work and rest can be planned before the sun is high.";

ZQFO_BoxSize Box(double W, double H) {
  ZQFO_BoxSize box;
  box.MinimumX = box.MaximumX = W, box.MinimumY = box.MaximumY = H, box.Aspect = -1;
  return box;
}

}  // namespace

TEST(ZQFO_LineDistribution, Screenshot_LineLayoutOfRealFonts) {
  ImageCanvas shot(250, 80, 150 / 25.4);
  for (long j = 0; j < 4; ++j) {
    const ZQFO_FormattingOptions options = shot.Font("Arial", 11, j);
    Chain chain;
    chain.AddWords(shot.Context, kText, options);
    Draw(shot, chain, options, 3 + 62 * j, 30, 56, 48);
  }
  const ZQFO_FormattingOptions plain = shot.Font("Arial", 11);
  const ZQFO_FormattingOptions linked = shot.Font("Arial", 11, 0, 0, "help:topic");
  Chain row;
  row.AddWords(shot.Context, "See", plain);
  row.AddWords(shot.Context, "the linked topic", linked);
  row.AddWords(shot.Context, "and E = mc", plain);
  row.Objects.back()->SpaceAfter = 2;
  row.Add(new ZQFO_FlowObject_Text(shot.Context, shot.Font("Arial", 7, 0, 1), "2"));
  row.AddWords(shot.Context, "or H", plain);
  row.Objects.back()->SpaceAfter = 2;
  row.Add(new ZQFO_FlowObject_Text(shot.Context, shot.Font("Arial", 7, 0, 2), "2"), 0, 2);
  row.AddWords(shot.Context, "O", plain);
  ZQIMG_ColorTransformation standard;
  standard.AddPair(ZQR_Color(255, 192, 255), ZQR_Color(255, 255, 224));
  standard.AddPair(ZQR_Color(64, 0, 64), ZQR_Color(0, 128, 0));
  row.Add(new ZQFO_FlowObject_Img(shot.Context, plain, KeyedImage(), Box(15, 9), false, standard));
  row.Add(new ZQFO_FlowObject_Picture(shot.Context, shot.Font("Arial", 8),
                                      ZQ_CountedPtr<const ZQPIC_Picture>(new DiamondPicture), Box(15, 9)));
  row.Add(new ZQFO_FlowObject_Error(shot.Context, plain, Box(9, 9)));
  row.AddWords(shot.Context, "page", plain);
  row.Add(new ZQFO_FlowObject_PageRefFixupText(shot.Context, shot.Font("Arial", 11, 2), "p"));
  shot.Context.AddPageReference("p", "12");
  Draw(shot, row, plain, 3, 3, 244, 20);
  shot.Save("LineLayout.png");
}

TEST(ZQFO_RenderObject, Screenshot_TheSevenKinds) {
  ImageCanvas shot(224, 30, 150 / 25.4);
  const ZQFO_FormattingOptions options = shot.Font("Arial", 11, 2);
  ZQCG_Line rule(2);
  rule.AddPoint({2, 10}), rule.AddPoint({26, 10});
  ZQIMG_ColorTransformation none;
  std::vector<std::unique_ptr<ZQFO_RenderObject>> objects;
  objects.emplace_back(new ZQFO_RenderObject(options, 0, 0, 28, 20));
  objects.emplace_back(new ZQFO_RenderObject_Text(options, 0, 6, 28, 6, "Text"));
  objects.emplace_back(new ZQFO_RenderObject_Text_PageRefFixup(options, 0, 6, 28, 6, "p", "12"));
  objects.emplace_back(new ZQFO_RenderObject_Img(options, 2, 2, 24, 16, shot.Context.Cache, KeyedImage(),
                                                 ZQ_Point<long>(0, 0), none));
  objects.emplace_back(new ZQFO_RenderObject_Picture(options, 0, 0, 28, 20,
                                                     ZQ_CountedPtr<const ZQPIC_Picture>(new DiamondPicture),
                                                     shot.Canvas));
  objects.emplace_back(new ZQFO_RenderObject_Line(options, 0, 0, 28, 20, rule, 1.0, ZQR_Color(192, 0, 0)));
  objects.emplace_back(new ZQFO_RenderObject_Error(options, 4, 2, 20, 16));
  for (size_t i = 0; i < objects.size(); ++i) {
    shot.Canvas.SetLineWidthInMillimeters(0);
    shot.Canvas.SetDrawingColor(ZQR_Color(200, 200, 200));
    ZQCG_Line cell(5);
    const double x = 2 + 32 * i;
    for (const ZQ_Point<double>& p : {ZQ_Point<double>(x, 5), {x + 28, 5}, {x + 28, 25}, {x, 25}, {x, 5}})
      cell.AddPoint(p);
    shot.Canvas.CanvasDraw(cell);
    objects[i]->Render(shot.Canvas, x, 5);
  }
  shot.Save("RenderObjects.png");
  // The error box's outline is drawn in the text colour 0.11 mm inside.
  const ZQR_Color black = ZQR_Color(0, 0, 0);
  const unsigned char* row = shot.Image.GetRow24BitForWriting(std::lround((30 - 5 - 2 - 8) * 150 / 25.4));
  const long outline = std::lround((2 + 32 * 6 + 4 + 0.11) * 150 / 25.4);
  EXPECT_EQ(ZQR_Color(row[3 * outline + 2], row[3 * outline + 1], row[3 * outline]), black);
}

TEST(ZQFO_LineDistribution, RealFontsBreakAsAGreedyBreakerOfTheirMeasuredWords) {
  ImageCanvas shot(60, 20, 600 / 25.4);
  // Courier New (Liberation Mono here): every word starts at a whole number of advances.
  const ZQFO_FormattingOptions mono = shot.Font("Courier New", 10);
  Chain chain;
  chain.AddWords(shot.Context, kText, mono);
  ZQFO_LineDistribution lines(shot.Context, mono, 40, chain.First(), chain.Last(),
                              ZQFO_LineDistribution::Portion_Whole, false);
  shot.Canvas.SetFont(mono->Font);
  const double advance = shot.Canvas.GetTextSizeInMillimeters("x").X;
  const double pxPerMm = shot.Canvas.GetDevicePixelsPerMillimeter().X;
  EXPECT_DOUBLE_EQ(advance * pxPerMm, 50);
  EXPECT_EQ(lines.GetLine(0).GetNumFlowObjects(), 3);  // "Heat stress is" fills 14 of 18 characters
  ZQFO_ContentArea area(nullptr, 0, 0, 40, 200, 0);
  lines.Distribute(area);
  ZQ_Array<ZQFO_WordInfo> words;
  long count = 0;
  area.CollectWordInfo(words, count, 0, 0);
  for (long i = 0; i < count; ++i) EXPECT_NEAR(std::fmod(words[i].X / advance + 0.5, 1.0), 0.5, 1e-9);

  // Arial: 200 seeded paragraphs at five widths against a greedy breaker of
  // the words' GetTextExtentPoint32A widths.
  const ZQFO_FormattingOptions arial = shot.Font("Arial", 10);
  shot.Canvas.SetFont(arial->Font);
  const HDC dc = shot.DC.GetHDC();
  SelectObject(dc, shot.Canvas.GetGraphicsState().ConcreteFont.GetHFONT());
  auto mm = [&](const std::string& Text) {
    SIZE size;
    GetTextExtentPoint32A(dc, Text.c_str(), static_cast<int>(Text.size()), &size);
    return size.cx / pxPerMm;
  };
  std::mt19937 random(11);
  for (int p = 0; p < 200; ++p) {
    Chain paragraph;
    std::vector<std::string> texts;
    for (int n = 5 + random() % 40; n > 0; --n) texts.push_back(std::string(1 + random() % 9, 'a' + random() % 26));
    for (const std::string& text : texts) paragraph.Add(new ZQFO_FlowObject_Text(shot.Context, arial, text.c_str()));
    for (double width : {15.0, 30.0, 55.0, 90.0, 160.0}) {
      std::vector<int> greedy;
      double used = -1;
      for (const std::string& text : texts)
        if (used >= 0 && used + mm(" ") + mm(text) <= width) {
          used += mm(" ") + mm(text);
          ++greedy.back();
        } else {
          used = mm(text);
          greedy.push_back(1);
        }
      ZQFO_LineDistribution broken(shot.Context, arial, width, paragraph.First(), paragraph.Last(), ZQFO_LineDistribution::Portion_Whole, false);
      std::vector<int> ours;
      for (long i = 0; i < broken.GetNumLines(); ++i) ours.push_back(broken.GetLine(i).GetNumFlowObjects());
      ASSERT_EQ(ours, greedy) << "paragraph " << p << " at " << width << " mm";
    }
  }
}

namespace {

// Lays Markup out on A4 pages of Shot as the renderer will and saves the
// first pages as Prefix1.png, Prefix2.png, ... (Prefix.png for one); the
// number of pages.
long PaginateAndSave(ImageCanvas& Shot, const std::string& Markup, const char* Prefix, long NumToSave) {
  const ZQFO_ParsedDocument parsed = ZQFO_ParseDocument(ReadDocument(Markup), Shot.Context);
  ZQFO_FormattedDocument document;
  document.Reset(ZQ_Rectangle<double>(20, 20, 170, 257));
  EXPECT_TRUE(PaginateSections(Shot.Context, parsed, document));
  Shot.Context.PerformPageRefFixups();
  const long pages = document.GetNumPages();
  for (long i = 0; i < pages && i < NumToSave; ++i) {
    Shot.Canvas.Clear(ZQR_Color_White);
    document.Render(Shot.Canvas, i, {0, 0});
    Shot.Save((Prefix + (NumToSave > 1 ? std::to_string(i + 1) : std::string()) + ".png").c_str());
  }
  document.Reset(ZQ_Rectangle<double>());
  return pages;
}

}  // namespace

TEST(ZQFO_DistributeBlockStream, Screenshot_AnA4DocumentOnThreePages) {
  ImageCanvas shot(210, 297, 150 / 25.4);
  std::string body;
  const char* justifications[] = {"left", "center", "right", "full"};
  for (int i = 0; i < 8; ++i)
    body += std::string("<zqfo_para font_family='sansserif' line_justification='") + justifications[i % 4] +
            "'>" + (i % 4 == 3 ? "Full: " : "") + kText + " " + kText + "</zqfo_para>";
  std::string table = "<zqfo_table pageid='t' cell_border_thickness='0.4 mm' cell_border_color='black'>";
  for (int r = 0; r < 40; ++r) {
    table += std::string("<zqfo_row") + (r % 2 ? " background_color='standard color - subtle highlighted background'" : "") + ">";
    if (r % 7 == 0) {
      table += "<zqfo_flowcell columnspan='3' background_color='gray'>Spanning row " + std::to_string(r + 1) +
               "</zqfo_flowcell>";
    } else {
      table += "<zqfo_flowcell>Hour " + std::to_string(r + 1) + "</zqfo_flowcell><zqfo_flowcell justification='right'>" +
               std::to_string(25 + r % 9) + ".5 &#176;C</zqfo_flowcell><zqfo_flowcell>work " +
               std::to_string(45 - r % 4 * 5) + " min, rest " + std::to_string(15 + r % 4 * 5) + " min</zqfo_flowcell>";
    }
    table += "</zqfo_row>";
  }
  table += "</zqfo_table>";
  const std::string markup =
      "<zqfo_document><zqfo_section><zqfo_pagesequencegenerator><zqfo_otherpage>"
      "<zqfo_frame location='bottommargin'><zqfo_blockstream><zqfo_para justification='center'>Page "
      "<zqfo_field name='Page'/> of the heat stress guide</zqfo_para></zqfo_blockstream></zqfo_frame>"
      "</zqfo_otherpage></zqfo_pagesequencegenerator><zqfo_blockstream>"
      "<zqfo_para font_height='18 pt' justification='center'>Heat stress guide</zqfo_para>"
      "<zqfo_para>The table of hours starts on page <zqfo_pageref target='t'/>.</zqfo_para>" +
      body + table + "<zqfo_para>An image: <zqfo_img src='" + std::string(KeyedImage().GetText().GetText()) +
      "' width='30 mm'/></zqfo_para></zqfo_blockstream></zqfo_section></zqfo_document>";
  EXPECT_EQ(PaginateAndSave(shot, markup, "DocumentPage", 3), 3);
  EXPECT_EQ(shot.Context.GetPageReference("t"), "2");  // the table moved whole to page 2
}

TEST(ZQFO_FormatXMLParsingErrorForDisplay, Screenshot_TheErrorDocument) {
  ImageCanvas shot(210, 297, 150 / 25.4);
  std::string raw;
  for (int i = 1; i <= 30; ++i) raw += i == 12 ? "  <para>Heat & stress</para>\n" : "  <para>line</para>\n";
  ZQ_Exception error("XML Error", "");
  try {
    ZQXML_Reader(("<doc>\n" + raw + "</doc>").c_str()).Read();
  } catch (const ZQ_Exception& e) {
    error = e;
  }
  const ZQ_String markup =
      ZQFO_FormatXMLParsingErrorForDisplay(("<doc>\n" + raw + "</doc>").c_str(), error, "The help page could not be read.", 0, 0);
  EXPECT_GE(PaginateAndSave(shot, markup.GetText(), "XmlErrorDocument", 1), 1);
}
