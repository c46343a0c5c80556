#include "ZQFO_FlowObject.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "ZQFO_Block.h"
#include "ZQFO_Cache.h"
#include "ZQFO_ContentArea.h"
#include "ZQFO_DistributionContext.h"
#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQFO_RenderObject.h"
#include "ZQFO_TextFixupDictionary.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQR_MemoryDC.h"
#include "ZQXML_TextEncoding.h"
#include "ZQ_Assertion.h"

namespace {

double FiniteOrZero(double Value) { return std::isfinite(Value) ? Value : 0.0; }
double Length(double Value) { return Value > 0 && std::isfinite(Value) ? Value : 0.0; }

// Box sizes below 0 or not finite count as 0; an aspect that is not a
// number counts as none.
ZQFO_BoxSize Sanitised(ZQFO_BoxSize Size) {
  Size.MinimumX = Length(Size.MinimumX);
  Size.MinimumY = Length(Size.MinimumY);
  Size.MaximumX = std::max(Size.MinimumX, Length(Size.MaximumX));
  Size.MaximumY = std::max(Size.MinimumY, Length(Size.MaximumY));
  if (!std::isfinite(Size.Aspect) || Size.Aspect == 0) Size.Aspect = -1;
  return Size;
}

const unsigned long kAttributeEncoding =
    ZQXML_Encode_LessThan | ZQXML_Encode_GreaterThan | ZQXML_Encode_Ampersand | ZQXML_Encode_DoubleQuote;

}  // namespace

// ---- Base

ZQFO_FlowObject::ZQFO_FlowObject(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options)
    : WordBreakAfter(Options->WordBreakAfter), Options(Options), Context(Context) {
  if (WordBreakAfter < 0 || WordBreakAfter > 2) {
    WordBreakAfter = ZQFO_WordBreak_AsNeeded;
    ZQ_ASSERT_TEXT(false, "false");
  }
}

ZQ_Point<double> ZQFO_FlowObject::GetWidthLimits(double) { return {10.0, 10.0}; }

ZQ_Point<double> ZQFO_FlowObject::GetHeightLimits(double, double) { return {7.0, 7.0}; }

void ZQFO_FlowObject::AddRenderObject(ZQFO_ContentArea&, const ZQ_Rectangle<double>&) {}

void ZQFO_FlowObject::ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext&, long) {}

void ZQFO_FlowObject::CollectFormattingOptions(ZQFO_FormattingOptionsCollector& Collector) {
  Collector.Add(Options);
}

void ZQFO_FlowObject::PerformFieldFixups(const ZQFO_TextFixupDictionary&) {}

double ZQFO_FlowObject::GetTrailingEscapement() const {
  if (SpaceAfter == ZQFO_SpaceAfter_NoSpace) return 0.0;
  const double own = Length(GetSpaceWidth());
  return Next ? std::min(own, Length(Next->GetSpaceWidth())) : own;
}

// ---- Text

ZQ_Point<double> ZQFO_FlowObject_Text::GetWidthLimits(double) {
  if (Width < 0)
    Width = Length(Context.Cache->GetTextWidths().GetTextWidth(Context.GetCanvas(), Options->Font, Text));
  return {Width, Width};
}

ZQ_Point<double> ZQFO_FlowObject_Text::GetHeightLimits(double, double) {
  const double height = Length(Options->FontMetrics.Height);
  return {height, height};
}

double ZQFO_FlowObject_Text::GetAscentRatio() {
  const ZQR_FontMetrics& m = Options->FontMetrics;
  return m.Height > 0 ? FiniteOrZero((m.Ascent - m.InternalLeading) / m.Height) : 0.0;
}

double ZQFO_FlowObject_Text::GetDescentRatio() {
  const ZQR_FontMetrics& m = Options->FontMetrics;
  return m.Height > 0 ? FiniteOrZero(m.Descent / m.Height) : 0.0;
}

void ZQFO_FlowObject_Text::SetText(const ZQ_String& NewText) {
  Text = NewText;
  Width = -1.0;
}

void ZQFO_FlowObject_Text::AddRenderObject(ZQFO_ContentArea& Area, const ZQ_Rectangle<double>& Rectangle) {
  Area.AddRenderObject(
      new ZQFO_RenderObject_Text(Options, Rectangle.X, Rectangle.Y, Rectangle.Width, Rectangle.Height, Text), 0);
}

void ZQFO_FlowObject_Text::ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) {
  if (Stage != 1) return;
  // Only the parser's em dash (character 190 of the symbol font) is a dash:
  // the same byte in a text font is a Latin-1 character.
  if (Text.GetLength() == 1 && static_cast<unsigned char>(Text.GetText()[0]) == 190 &&
      Options->Font.GetTypeface() == ZQ_String("Symbol")) {
    Export.GetOutput().Append("---\n");
    return;
  }
  Export.GetOutput().AppendEncoded(Text, 0x607);
}

void ZQFO_FlowObject_FixupText::PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) {
  SetText(Dictionary.Get(FieldName));
}

void ZQFO_FlowObject_PageRefFixupText::AddRenderObject(ZQFO_ContentArea& Area,
                                                       const ZQ_Rectangle<double>& Rectangle) {
  auto* object = new ZQFO_RenderObject_Text_PageRefFixup(Options, Rectangle.X, Rectangle.Y, Rectangle.Width,
                                                         Rectangle.Height, Target, Text);
  Area.AddRenderObject(object, 0);
  object->SetBox(&Area);
  Context.AddPageRefFixupRenderObject(object);
}

// ---- Boxed

ZQFO_FlowObject_Boxed::ZQFO_FlowObject_Boxed(ZQFO_DistributionContext& Context,
                                             const ZQFO_FormattingOptions& Options, const ZQFO_BoxSize& Size)
    : ZQFO_FlowObject(Context, Options), Size(Sanitised(Size)) {}

ZQ_Point<double> ZQFO_FlowObject_Boxed::GetWidthLimits(double HeightHint) {
  if (!(HeightHint >= 0) || Size.Aspect < 0) return {Size.MinimumX, Size.MaximumX};
  const double width = Length(HeightHint * Size.Aspect);
  return {width, width};
}

ZQ_Point<double> ZQFO_FlowObject_Boxed::GetHeightLimits(double WidthForMinimum, double WidthForMaximum) {
  if (Size.Aspect < 0) return {Size.MinimumY, Size.MaximumY};
  return {Length(WidthForMinimum / Size.Aspect), Length(WidthForMaximum / Size.Aspect)};
}

void ZQFO_FlowObject_Boxed::ComputeDisplaySize(ZQFO_ExportDocumentToHTML_ExportContext& Export,
                                               ZQ_Point<double>& SizeMm, ZQ_Point<long>& SizePx) const {
  ZQFO_ExportImageLimits limits;
  limits.MinimumWidth = Size.MinimumX;
  limits.MinimumHeight = Size.MinimumY;
  limits.MaximumWidth = Size.MaximumX;
  limits.MaximumHeight = Size.MaximumY;
  limits.Ratio = Size.Aspect > 0 ? Size.Aspect : 0;
  Export.ComputeDisplaySize(limits, SizeMm, SizePx);
}

void ZQFO_FlowObject_Boxed::WriteImgTag(ZQFO_ExportDocumentToHTML_ExportContext& Export, const ZQ_String& FileName,
                                        const ZQ_Point<long>& SizePx) {
  // A file name may hold & or a quote: written raw it would end the attribute.
  Export.GetFormatter() << "<img src=\"" << ZQXML_EncodeSpecialCharacters(FileName, kAttributeEncoding)
                        << "\" width=\"" << std::to_string(SizePx.X).c_str() << "\" height=\""
                        << std::to_string(SizePx.Y).c_str() << "\">";
}

// ---- Img

ZQFO_FlowObject_Img::ZQFO_FlowObject_Img(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options,
                                         const ZQ_URI& URI, const ZQFO_BoxSize& Size, bool Reduce,
                                         const ZQIMG_ColorTransformation& Transformation)
    : ZQFO_FlowObject_Boxed(Context, Options, Size), URI(URI), Reduce(Reduce), Transformation(Transformation) {}

ZQ_Point<long> ZQFO_FlowObject_Img::GetDisplayedImageSizeInPixels(double WidthMm, double HeightMm) const {
  if (!Reduce) return {0, 0};
  const ZQFO_ImageInfo info = Context.Cache->GetImageInfo(URI);
  const ZQ_Point<double> perMm = Context.GetCanvas().GetDevicePixelsPerMillimeter();
  // In doubles until a reduction is certain: a huge box must not overflow.
  const double w = std::max(1.0, std::ceil(FiniteOrZero(WidthMm * perMm.X) - 0.5));
  const double h = std::max(1.0, std::ceil(FiniteOrZero(HeightMm * perMm.Y) - 0.5));
  const double ratio = std::max(info.Size.Y / h, info.Size.X / w);
  if (!(ratio > 1.01)) return {0, 0};
  // A box far wider than the image but lower (or the reverse) reduces one
  // side only: the other keeps the image's pixels, which the canvas
  // stretches, instead of a pixel count that overflows.
  return {static_cast<long>(std::min(w, std::max(1.0, static_cast<double>(info.Size.X)))),
          static_cast<long>(std::min(h, std::max(1.0, static_cast<double>(info.Size.Y))))};
}

void ZQFO_FlowObject_Img::AddRenderObject(ZQFO_ContentArea& Area, const ZQ_Rectangle<double>& Rectangle) {
  Area.AddRenderObject(new ZQFO_RenderObject_Img(Options, Rectangle.X, Rectangle.Y, Rectangle.Width,
                                                 Rectangle.Height, Context.Cache, URI,
                                                 GetDisplayedImageSizeInPixels(Rectangle.Width, Rectangle.Height),
                                                 Transformation),
                       0);
}

void ZQFO_FlowObject_Img::ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) {
  if (Stage != 1) return;
  ZQ_Point<double> sizeMm;
  ZQ_Point<long> sizePx;
  ComputeDisplaySize(Export, sizeMm, sizePx);
  const ZQIMG_Image image =
      Context.Cache->GetImage(URI, GetDisplayedImageSizeInPixels(sizeMm.X, sizeMm.Y), Transformation);
  WriteImgTag(Export, Export.ConvertImageToFileName(image), sizePx);
}

// ---- Picture

void ZQFO_FlowObject_Picture::AddRenderObject(ZQFO_ContentArea& Area, const ZQ_Rectangle<double>& Rectangle) {
  Area.AddRenderObject(new ZQFO_RenderObject_Picture(Options, Rectangle.X, Rectangle.Y, Rectangle.Width,
                                                     Rectangle.Height, Picture, Context.GetCanvas()),
                       0);
}

void ZQFO_FlowObject_Picture::ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) {
  ZQ_ASSERT_TEXT(Stage == 0 || Stage == 1, "false");
  if ((Stage != 0 && Stage != 1) || !Picture.Get()) return;
  ZQ_Point<double> sizeMm;
  ZQ_Point<long> sizePx;
  ComputeDisplaySize(Export, sizeMm, sizePx);
  const auto* early = dynamic_cast<const ZQFO_Picture_EarlyLayoutInterface*>(Picture.Get());
  if (Stage == 0 && !early) return;  // nothing to prepare
  // The same picture at the same size is the same image: drawn and written
  // once however often the document uses it.
  ZQ_String file = Stage == 1 ? Export.FindPictureFile(Picture.Get(), sizeMm, sizePx) : ZQ_String();
  if (file.IsEmpty()) {
    const ZQIMG_Image image(sizePx.X, sizePx.Y, 24);
    {
      ZQR_MemoryDC dc(nullptr, image.GetHBITMAP());
      ZQPIC_DeviceContextCanvas canvas(dc.GetHDC(), ZQ_Rectangle<long>(0, 0, sizePx.X, sizePx.Y), 3, sizeMm);
      canvas.SetBackingImage(image);
      canvas.Initialize();
      if (Stage == 0) {
        early->EarlyLayout(canvas, ZQ_Rectangle<double>(0, 0, sizeMm.X, sizeMm.Y));
        return;
      }
      ZQPIC_Picture::DrawPicture(*Picture, canvas);
    }
    file = Export.ConvertImageToFileName(image);
    Export.RecordPictureFile(Picture.Get(), sizeMm, sizePx, file);
  }
  WriteImgTag(Export, file, sizePx);
}

// ---- Error

void ZQFO_FlowObject_Error::AddRenderObject(ZQFO_ContentArea& Area, const ZQ_Rectangle<double>& Rectangle) {
  Area.AddRenderObject(
      new ZQFO_RenderObject_Error(Options, Rectangle.X, Rectangle.Y, Rectangle.Width, Rectangle.Height), 0);
}

void ZQFO_FlowObject_Error::ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) {
  if (Stage != 1) return;
  ZQ_Point<double> sizeMm;
  ZQ_Point<long> sizePx;
  ComputeDisplaySize(Export, sizeMm, sizePx);
  WriteImgTag(Export, "MissingImage.jpg", sizePx);
}

// ---- Space

ZQFO_FlowObject_Space::ZQFO_FlowObject_Space(ZQFO_DistributionContext& Context,
                                             const ZQFO_FormattingOptions& Options, double Width)
    : ZQFO_FlowObject(Context, Options), Width(Length(Width)) {}

void ZQFO_FlowObject_Space::ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) {
  if (Stage == 1) Export.GetOutput().Append("&nbsp;");
}

// ---- Block

ZQFO_FlowObject_Block::ZQFO_FlowObject_Block(ZQFO_DistributionContext& Context,
                                             const ZQFO_FormattingOptions& Options,
                                             std::unique_ptr<ZQFO_Block> Block)
    : ZQFO_FlowObject(Context, Options), Block(std::move(Block)) {}

ZQFO_FlowObject_Block::~ZQFO_FlowObject_Block() = default;

ZQ_Point<double> ZQFO_FlowObject_Block::GetWidthLimits(double) {
  const ZQ_Point<double> limits = Block->ComputeDistributionAreaWidthLimits();
  return {Length(limits.X), Length(limits.Y)};
}

ZQ_Point<double> ZQFO_FlowObject_Block::GetHeightLimits(double WidthForMinimum, double WidthForMaximum) {
  const ZQ_Point<double> first = Block->ComputeDistributionAreaHeightLimits(WidthForMinimum);
  if (!(std::fabs(WidthForMaximum - WidthForMinimum) > 1e-06)) return {Length(first.X), Length(first.Y)};
  const double maximum = Block->ComputeDistributionAreaHeightLimits(WidthForMaximum).Y;
  return {Length(first.X), Length(maximum)};
}

void ZQFO_FlowObject_Block::AddRenderObject(ZQFO_ContentArea& Area, const ZQ_Rectangle<double>& Rectangle) {
  ZQFO_ContentArea* portion = Area.AccessPortion(Rectangle.X, Rectangle.Y, Rectangle.Width, Rectangle.Height);
  Block->Distribute(*portion);
}

void ZQFO_FlowObject_Block::ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage) {
  Block->ExportToHTML(Export, Stage);
}

void ZQFO_FlowObject_Block::CollectFormattingOptions(ZQFO_FormattingOptionsCollector& Collector) {
  Collector.Add(Options);
  Block->CollectFormattingOptions(Collector);
}

void ZQFO_FlowObject_Block::PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) {
  Block->PerformFieldFixups(Dictionary);
}
