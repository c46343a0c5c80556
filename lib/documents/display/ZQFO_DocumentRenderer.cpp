// The document renderer: repagination, drawing and the failed state.
#include "ZQFO_DocumentRenderer.h"

#include <algorithm>
#include <cmath>

#include "ZQFO_DistributeBlockStream.h"
#include "ZQFO_DistributionContext.h"
#include "ZQFO_DocumentParser.h"
#include "ZQFO_ErrorImage.h"
#include "ZQFO_LibraryExceptions.h"
#include "ZQFO_Page.h"
#include "ZQFO_PageSequenceGenerator.h"
#include "ZQFO_ParsedDocument.h"
#include "ZQIMG_Image.h"
#include "ZQPIC_Canvas.h"
#include "ZQ_Assertion.h"

namespace {

// The size the failed state answers with, millimetres.
const double kFailedPageSize = 100.0;

// NaN and negatives become 0; the rest at most the renderer's limit.
double ClampMargin(double Margin) {
  if (!(Margin > 0)) return 0.0;
  return std::min(Margin, ZQFO_DocumentRenderer::MaximumLength);
}

}  // namespace

ZQFO_DocumentRenderer::ZQFO_DocumentRenderer(const ZQFO_Document& Document)
    : Document(Document), ImageCache(new ZQFO_Cache) {}

void ZQFO_DocumentRenderer::SetDocument(const ZQFO_Document& NewDocument) {
  Document = NewDocument;
  ImageCache->GetTextWidths().Clear();
  NeedsRepagination = true;
  RepaginationFailed = false;
}

void ZQFO_DocumentRenderer::SetMargins(double Left, double Right, double Top, double Bottom) {
  LeftMargin = ClampMargin(Left);
  RightMargin = ClampMargin(Right);
  TopMargin = ClampMargin(Top);
  BottomMargin = ClampMargin(Bottom);
}

void ZQFO_DocumentRenderer::SetStylesheet(const ZQFO_Stylesheet& NewStylesheet) {
  const ZQ_Array<ZQR_Color>& palette = NewStylesheet.GetPalette();
  for (long i = 0; i < ZQFO_Stylesheet::NumColors; ++i) {
    if (Stylesheet.GetPalette()[i] == palette[i]) continue;
    Stylesheet.SetColor(i, palette[i]);
    ImageCache->GetTextWidths().Clear();
  }
}

void ZQFO_DocumentRenderer::SetTextExportMode(bool Value) {
  if (Value != TextExportMode) ImageCache->GetTextWidths().Clear();
  TextExportMode = Value;
}

void ZQFO_DocumentRenderer::Repaginate(ZQPIC_Canvas& Canvas, double SuggestedPageWidth,
                                       double SuggestedPageHeight) {
  if (RepaginationFailed) return;
  // A bad size changes nothing when its assertion returns: a layout must
  // never see a non-finite or negative length.
  const bool isWidthValid = (std::isfinite(SuggestedPageWidth) && SuggestedPageWidth > 0) ||
                            SuggestedPageWidth == CanvasSize || SuggestedPageWidth == MinWidth;
  ZQ_ASSERT_TEXT(isWidthValid, "(SuggestedPageWidth > 0) or (SuggestedPageWidth == MinWidth)");
  const bool isHeightValid = (std::isfinite(SuggestedPageHeight) && SuggestedPageHeight > 0) ||
                             SuggestedPageHeight == CanvasSize || SuggestedPageHeight == Continuous;
  ZQ_ASSERT_TEXT(isHeightValid, "SuggestedPageHeight > 0");
  if (!isWidthValid || !isHeightValid) return;
  try {
    Imp_Repaginate(Canvas, std::min(SuggestedPageWidth, MaximumLength),
                   std::min(SuggestedPageHeight, MaximumLength));
  } catch (...) {
    RepaginationFailed = true;
    ZQFO_RethrowAsLibraryException("lay out the document");
  }
}

void ZQFO_DocumentRenderer::Imp_Repaginate(ZQPIC_Canvas& Canvas, double SuggestedPageWidth,
                                           double SuggestedPageHeight) {
  NeedsRepagination = false;
  // The old pages go first: freed after the new layout's blocks were made,
  // they would leave the heap holes between those blocks that make every
  // later layout allocate more slowly.
  FormattedDocument.Reset(ZQ_Rectangle<double>());
  // Every screen context measures alike. A printer or a memory image may
  // stand for another device at the same resolution: its widths serve one
  // layout only.
  if (Canvas.GetDeviceKind() != 0) ImageCache->GetTextWidths().Clear();
  const double H = RightMargin + LeftMargin;
  const double V = TopMargin + BottomMargin;
  const bool paginate = SuggestedPageHeight != Continuous;
  ZQFO_DistributionContext context(Canvas, Document.GetExternalContext(), ImageCache, paginate, Document.GetName(),
                                   TextExportMode, Stylesheet);
  const ZQFO_ParsedDocument parsed = ZQFO_ParseDocument(Document.GetFormattingObjectsTree(), context);
  const std::vector<ZQFO_ParsedDocumentSection>& sections = parsed.GetSections();
  const long numSections = static_cast<long>(sections.size());
  const ZQ_Point<double> canvasSize = Canvas.GetCanvasSizeInMillimeters();

  MinimumPageWidth = 0.0;
  MaximumPageWidth = 0.0;
  for (const ZQFO_ParsedDocumentSection& section : sections) {
    const ZQ_Point<double> limits = section.GetPrimaryBlockStream().ComputeDistributionAreaWidthLimits();
    MinimumPageWidth = std::max(MinimumPageWidth, limits.X + H + 0.01);
    MaximumPageWidth = std::max(MaximumPageWidth, limits.Y + H + 0.01);
  }
  double pageWidth = SuggestedPageWidth;
  if (SuggestedPageWidth == CanvasSize) pageWidth = canvasSize.X;
  if (SuggestedPageWidth == MinWidth) pageWidth = MinimumPageWidth;
  pageWidth = std::min(pageWidth, MaximumLength);

  double pageHeight = SuggestedPageHeight;
  if (SuggestedPageHeight == CanvasSize) pageHeight = canvasSize.Y;
  if (!paginate) {
    pageHeight = V + 0.000001;
    for (long i = 0; i < numSections; ++i)
      pageHeight += sections[i].GetPrimaryBlockStream().ComputeDistributionAreaHeightLimits(
          std::max(0.0, pageWidth - H), i > 0, i < numSections - 1).X;
  }

  FormattedDocument.Reset(ZQ_Rectangle<double>(LeftMargin, BottomMargin, std::max(0.0, pageWidth - H),
                                               std::max(0.0, pageHeight - V)));
  ZQFO_ContentArea* target = nullptr;
  for (long i = 0; i < numSections; ++i) {
    const ZQFO_BlockStream stream = sections[i].GetPrimaryBlockStream();
    ZQFO_PageSequenceGenerator* generator = sections[i].GetPageSequenceGenerator();
    if (paginate || i == 0) {
      ZQFO_Page* page = FormattedDocument.GenerateNewPage(context, ZQFO_GetBlockStreamSectionTexts(stream),
                                                          ZQFO_GetBlockStreamBreakBefore(stream, paginate), generator);
      target = page ? page->GetFirstDefaultContentArea() : nullptr;
    }
    ZQFO_DistributeBlockStream_Options options;
    options.SetVerticalAllocation(ZQFO_DistributeBlockStream_Options::VerticalAllocation_Maximize);
    const long fillMode = generator->GetOptions()->BlockVerticalJustification;
    const bool isFillModeKnown = fillMode >= 0 && fillMode <= 2;
    ZQ_ASSERT_TEXT(isFillModeKnown, "false");
    options.SetVerticalJustification(isFillModeKnown ? fillMode : 0);
    if (!paginate) options.SetKeepLeadingSpace(i > 0);
    if (target) ZQFO_DistributeBlockStream(context, stream, *target, options);
  }
  context.PerformPageRefFixups();
}

bool ZQFO_DocumentRenderer::CheckPaginated() const {
  ZQ_ASSERT_TEXT(!NeedsRepagination, "not NeedsRepagination");
  return !NeedsRepagination;
}

void ZQFO_DocumentRenderer::Render(ZQPIC_Canvas& Canvas, long PageIndex, double OffsetX, double OffsetY) const {
  if (RepaginationFailed) {
    RenderErrorPicture(Canvas);
    return;
  }
  if (!CheckPaginated() || PageIndex < 0 || PageIndex >= FormattedDocument.GetNumPages()) return;
  ZQFO_WithLibraryExceptions("draw the document", [&] {
    FormattedDocument.Render(Canvas, PageIndex, ZQ_Point<double>(OffsetX, OffsetY));
  });
}

void ZQFO_DocumentRenderer::RenderErrorPicture(ZQPIC_Canvas& Canvas) const {
  Canvas.Clear();
  Canvas.PushGraphicsState();
  Canvas.SetBackgroundMode(1);
  Canvas.SetHorizontalJustification(1);
  Canvas.SetVerticalJustification(1);
  const ZQIMG_Image image = ZQFO_GetErrorImage();
  const ZQ_Point<double> perMm = Canvas.GetDevicePixelsPerMillimeter();
  Canvas.CanvasDraw(image, Canvas.GetCanvasArea().GetCenter(), image.GetWidth() / perMm.X,
                    image.GetHeight() / perMm.Y);
  Canvas.PopGraphicsState();
}

ZQ_Point<double> ZQFO_DocumentRenderer::GetPageSize() const {
  if (RepaginationFailed) return ZQ_Point<double>(kFailedPageSize, kFailedPageSize);
  CheckPaginated();
  const ZQ_Rectangle<double> area = FormattedDocument.GetPageArea();
  return ZQ_Point<double>(area.Width + LeftMargin + RightMargin, area.Height + TopMargin + BottomMargin);
}

double ZQFO_DocumentRenderer::GetMinimumPageWidth() const {
  if (RepaginationFailed) return kFailedPageSize;
  CheckPaginated();
  return MinimumPageWidth;
}

double ZQFO_DocumentRenderer::GetMaximumPageWidth() const {
  if (RepaginationFailed) return kFailedPageSize;
  CheckPaginated();
  return MaximumPageWidth;
}

long ZQFO_DocumentRenderer::GetNumPages() const {
  if (RepaginationFailed) return 1;
  CheckPaginated();
  return FormattedDocument.GetNumPages();
}

ZQ_String ZQFO_DocumentRenderer::GetLinkTargetAtPoint(const ZQ_Point<double>& Point, long PageIndex) const {
  if (RepaginationFailed || PageIndex < 0 || PageIndex >= FormattedDocument.GetNumPages()) return ZQ_String();
  return FormattedDocument.GetLinkTargetAtPoint(PageIndex, Point);
}

void ZQFO_DocumentRenderer::SearchForContentAreaById(const ZQ_String& Id,
                                                     ZQFO_ContentArea_SearchResult& Result) const {
  if (!RepaginationFailed) FormattedDocument.SearchForContentAreaById(Id, Result);
}

void ZQFO_DocumentRenderer::CollectWordInfo(ZQ_Array<ZQFO_WordInfo>& Words, long& Count) const {
  if (!RepaginationFailed) FormattedDocument.CollectWordInfo(Words, Count);
}
