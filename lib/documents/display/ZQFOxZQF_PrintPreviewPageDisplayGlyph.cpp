// The print preview's page area: pagination for the printer, the grid of
// paper images, zooming, navigation, selection and printing.
#include "ZQFOxZQF_PrintPreviewPageDisplayGlyph.h"

#include <algorithm>
#include <vector>

#include "ZQFO_PrintDocument.h"
#include "ZQF_Canvas.h"
#include "ZQF_Message.h"
#include "ZQF_Metrics.h"
#include "ZQLOW_WINGDI_Owned.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQR_Brush.h"
#include "ZQR_Cursor.h"
#include "ZQ_Array.h"
#include "ZQ_Assertion.h"
#include "ZQ_Internationalization.h"
#include "ZQ_Numeric.h"
#include "ZQ_PrinterManager.h"
#include "ZQ_StringStream.h"
#include "ZQF_ScrollingContainerGlyph.h"

namespace {

const long kMaximumPagesVisible = 64;
const long kUnboundedSize = 0x20000000;
const long kPaperFramePixels = 4;  // 1 left/top, 3 right/bottom with the shadow

long Round(double Value) { return static_cast<long>(ZQ_Round(Value)); }

ZQ_Point<long> PaperImageSize(long Width, long Height, long Columns, long Rows,
                              const ZQFOxZQF_PrintPreviewPaper& Paper) {
  const long marginX = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap12Px).X, marginY = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).Y;
  const long gapX = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap6Px).X, gapY = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y;
  const long cellWidth = std::max(1L, (Width - (2 * marginX + (Columns - 1) * gapX + kPaperFramePixels * Columns)) / Columns);
  const long cellHeight = std::max(1L, (Height - (2 * marginY + (Rows - 1) * gapY + kPaperFramePixels * Rows)) / Rows);
  const double aspect = Paper.Height > 0 && Paper.Width > 0 ? Paper.Width / Paper.Height : 1.0;
  double width = cellWidth, height = cellHeight;
  if (width / height <= aspect)
    height = width / aspect;
  else
    width = height * aspect;
  return ZQ_Point<long>(Round(width), Round(height));
}

// Box less the Papers inside it, as rectangles band by band between the
// papers' top and bottom edges: a few plain fills, where a clipping region
// with a hole per paper costs a region operation per paper and a fill
// through a region of many rectangles.
std::vector<ZQ_Rectangle<long>> AreaAround(const ZQ_Rectangle<long>& Box,
                                           const std::vector<ZQ_Rectangle<long>>& Papers, long Count) {
  const long boxRight = Box.X + Box.Width, boxBottom = Box.Y + Box.Height;
  const auto clampY = [&](long Y) { return std::max(Box.Y, std::min(Y, boxBottom)); };
  std::vector<long> edges = {Box.Y, boxBottom};
  for (long i = 0; i < Count; ++i) {
    edges.push_back(clampY(Papers[i].Y));
    edges.push_back(clampY(Papers[i].Y + Papers[i].Height));
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  std::vector<ZQ_Rectangle<long>> area;
  std::vector<std::pair<long, long>> covered;  // left, right of the papers across a band
  for (size_t band = 0; band + 1 < edges.size(); ++band) {
    const long top = edges[band], bottom = edges[band + 1];
    covered.clear();
    for (long i = 0; i < Count; ++i) {
      const ZQ_Rectangle<long>& paper = Papers[i];
      if (paper.Width > 0 && paper.Y <= top && bottom <= paper.Y + paper.Height)
        covered.emplace_back(paper.X, paper.X + paper.Width);
    }
    std::sort(covered.begin(), covered.end());
    long x = Box.X;
    for (const auto& span : covered) {
      if (span.first > x) area.emplace_back(x, top, std::min(span.first, boxRight) - x, bottom - top);
      x = std::max(x, span.second);
      if (x >= boxRight) break;
    }
    if (x < boxRight) area.emplace_back(x, top, boxRight - x, bottom - top);
  }
  return area;
}

// Fills Outer less Inner (inside it) as four strips.
void FillAround(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Outer, const ZQ_Rectangle<long>& Inner,
                const ZQR_Brush& Brush) {
  const long innerRight = Inner.X + Inner.Width, innerBottom = Inner.Y + Inner.Height;
  const long outerRight = Outer.X + Outer.Width, outerBottom = Outer.Y + Outer.Height;
  const ZQ_Rectangle<long> strips[] = {
      {Outer.X, Outer.Y, Outer.Width, Inner.Y - Outer.Y},
      {Outer.X, innerBottom, Outer.Width, outerBottom - innerBottom},
      {Outer.X, Inner.Y, Inner.X - Outer.X, Inner.Height},
      {innerRight, Inner.Y, outerRight - innerRight, Inner.Height}};
  for (const ZQ_Rectangle<long>& strip : strips)
    if (strip.Width > 0 && strip.Height > 0) Canvas.Fill(strip, Brush);
}

const ZQR_Cursor& ToolCursor(const char* Name) {
  static const ZQR_Cursor s_zoomIn(ZQ_String("ZQF_ZoomInCursor"));
  static const ZQR_Cursor s_zoomOut(ZQ_String("ZQF_ZoomOutCursor"));
  static const ZQR_Cursor s_hand(ZQ_String("ZQF_PointingHandCursor"));
  const ZQ_String name(Name);
  return name == "ZQF_ZoomInCursor" ? s_zoomIn : name == "ZQF_ZoomOutCursor" ? s_zoomOut : s_hand;
}

}  // namespace

// ---------------------------------------------------------------- the grid

ZQFOxZQF_PrintPreviewGrid ZQFOxZQF_PrintPreviewGrid::Compute(long Width, long Height, long NumPagesVisible,
                                                             const ZQFOxZQF_PrintPreviewPaper& Paper) {
  ZQFOxZQF_PrintPreviewGrid grid;
  ZQ_Point<long> best(1, 1);
  for (long columns = 1; columns <= 16; columns *= 2)
    for (long rows = 1; rows <= 16; rows *= 2) {
      if (columns * rows != NumPagesVisible) continue;
      const ZQ_Point<long> size = PaperImageSize(Width, Height, columns, rows, Paper);
      if (size.X > best.X) {  // strictly wider: the first grid wins a tie
        best = size;
        grid.NumColumns = columns;
        grid.NumRows = rows;
      }
    }
  const long gapX = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap6Px).X, gapY = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y;
  const long c = grid.NumColumns, r = grid.NumRows;
  const long left = std::max((Width - (best.X + kPaperFramePixels) * c - (c - 1) * gapX) / 2, 0L);
  const long top = std::max((Height - (best.Y + kPaperFramePixels) * r - (r - 1) * gapY) / 2, 0L);
  const long stepX = best.X + kPaperFramePixels + gapX, stepY = best.Y + kPaperFramePixels + gapY;
  for (long row = 0; row < r; ++row)
    for (long column = 0; column < c; ++column)
      grid.PaperRects.emplace_back(left + 1 + column * stepX, top + 1 + row * stepY, best.X, best.Y);

  const double scaleX = Paper.Width > 0 ? best.X / Paper.Width : 0.0;
  const double scaleY = Paper.Height > 0 ? best.Y / Paper.Height : 0.0;
  const long trimLeft = Round(Paper.PrintableLeft * scaleX);
  const long trimRight = Round((Paper.Width - (Paper.PrintableLeft + Paper.PrintableWidth)) * scaleX);
  const long trimTop = Round(Paper.PrintableTop * scaleY);
  const long trimBottom = Round((Paper.Height - (Paper.PrintableTop + Paper.PrintableHeight)) * scaleY);
  for (ZQ_Rectangle<long> page : grid.PaperRects) {
    // Margins wider than the paper leave a page of one pixel, never less.
    page.X += trimLeft;
    page.Width = std::max(0L, page.Width - trimLeft);
    page.Width = std::max(1L, page.Width - std::max(0L, std::min(trimRight, page.Width)));
    page.Y += trimTop;
    page.Height = std::max(0L, page.Height - trimTop);
    page.Height = std::max(1L, page.Height - std::max(0L, std::min(trimBottom, page.Height)));
    grid.PageRects.push_back(page);
  }
  return grid;
}

void ZQFOxZQF_PrintPreview_DrawSelectedBorder(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Paper) {
  const ZQR_Color colors[] = {ZQF_GetColorMetric(ZQF_ColorMetric_DarkShadow3D), ZQR_Color_Yellow, ZQR_Color_Yellow, ZQR_Color_Yellow,
                              ZQF_GetColorMetric(ZQF_ColorMetric_DarkShadow3D)};
  ZQ_Rectangle<long> ring = Paper;
  for (const ZQR_Color& color : colors) {
    ring = ZQ_Rectangle<long>(ring.X - 1, ring.Y - 1, ring.Width + 2, ring.Height + 2);
    Canvas.SetPenColor(color);
    Canvas.Draw(ring);
  }
}

// ---------------------------------------------------------------- the page area

ZQFOxZQF_PrintPreviewPageDisplayGlyph::ZQFOxZQF_PrintPreviewPageDisplayGlyph(const ZQFO_Document& Doc)
    : Document(Doc),
      ImageRenderer(Doc, ZQ_Point<long>(200, 300), ZQ_Point<double>(100.0, 150.0), 1),
      DocumentRenderer(Doc) {
  ImageRenderer.SetCacheBitmaps(true);
  ImageRenderer.SetOversampleFactor(3);
  ImageRenderer.SetCanvasDestination(1);  // pages drawn as for the printer
  NoteNewPageSetup();
}

ZQFOxZQF_PrintPreviewPageDisplayGlyph::~ZQFOxZQF_PrintPreviewPageDisplayGlyph() {
  // The image renderer borrows the document renderer: let go of it first.
  ImageRenderer.DeleteDocumentRenderer();
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::UpdateMyDesiredSize() {
  DesiredSize.SetX(kUnboundedSize, 0, kUnboundedSize);
  DesiredSize.SetY(kUnboundedSize, 0, kUnboundedSize);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::AcceptLayout() {
  if (IsZoomed)
    LayoutChild(ZoomedPageContainer, GetLocalBoundingBox());
  else
    ImageLayoutCacheValid = false;
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::NoteNewPageSetup() {
  const ZQ_CurrentPrinterInfoType info = ZQ_PrinterManager::GetCurrentPrinterInfo();
  ZQFOxZQF_PrintPreviewPaper paper;
  paper.Width = info.PageWidth;
  paper.Height = info.PageHeight;
  // The service measures the printable area from the bottom edge.
  paper.PrintableLeft = info.PrintingArea.X;
  paper.PrintableTop = info.PageHeight - (info.PrintingArea.Y + info.PrintingArea.Height);
  paper.PrintableWidth = info.PrintingArea.Width;
  paper.PrintableHeight = info.PrintingArea.Height;
  if (paper == Paper) return;
  Paper = paper;
  RepaginateBasedUponPrinterCanvas();
  ImageLayoutCacheValid = false;
  ClearSelection();
  QueueVisualStateUpdate();
  if (IsZoomed) Zoom(Unzoom());
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::RepaginateBasedUponPrinterCanvas() {
  // The context and printable area a job would get, without starting one:
  // a job would spool an empty document, or ask for a file on a FILE: port.
  const ZQ_OwnedDC printer(ZQ_PrinterManager::CreatePrinterDeviceContext(false, ZQ_String()));
  const ZQ_CurrentPrinterInfoType area = ZQ_PrinterManager::ComputePrintingArea(printer.Get());
  ZQPIC_DeviceContextCanvas canvas(printer.Get(), area.PrintingAreaPixels, 1);
  canvas.Initialize();
  DocumentRenderer.Repaginate(canvas, ZQFO_DocumentRenderer::CanvasSize, ZQFO_DocumentRenderer::CanvasSize);
  ImageRenderer.SetDocumentRenderer(&DocumentRenderer);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::InsureImageLayoutCacheValid() {
  if (ImageLayoutCacheValid) return;
  const ZQ_Rectangle<long> box = GetLocalBoundingBox();
  Grid = ZQFOxZQF_PrintPreviewGrid::Compute(box.Width, box.Height, NumPagesVisible, Paper);
  ImageLayoutCacheValid = true;
}

const ZQFOxZQF_PrintPreviewGrid& ZQFOxZQF_PrintPreviewPageDisplayGlyph::GetGrid() {
  InsureImageLayoutCacheValid();
  return Grid;
}

ZQFO_ImageDocumentRenderer& ZQFOxZQF_PrintPreviewPageDisplayGlyph::GetImageDocumentRenderer() {
  InsureImageLayoutCacheValid();
  const ZQ_Rectangle<long>& page = Grid.PageRects.front();
  ImageRenderer.SetImageSizeInPixels(ZQ_Point<long>(page.Width, page.Height));
  ImageRenderer.SetImageSizeInMillimeters(ZQ_Point<double>(Paper.PrintableWidth, Paper.PrintableHeight));
  ImageRenderer.SetTargetRenderTime(0.25 / NumPagesVisible);
  return ImageRenderer;
}

long ZQFOxZQF_PrintPreviewPageDisplayGlyph::GetNumPages() { return ImageRenderer.GetNumPages(); }

long ZQFOxZQF_PrintPreviewPageDisplayGlyph::GetLastPageIndexVisible() {
  return std::min(GetNumPages() - 1, FirstPageIndexVisible + NumPagesVisible - 1);
}

ZQF_Glyph* ZQFOxZQF_PrintPreviewPageDisplayGlyph::GetZoomedPageGlyph() const { return ZoomedPageGlyph; }

bool ZQFOxZQF_PrintPreviewPageDisplayGlyph::IsPageSelected(long Index) const {
  return Index >= 0 && Index < static_cast<long>(PageSelected.size()) && PageSelected[Index];
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::ClearSelection() {
  PageSelected.assign(PageSelected.size(), false);
  SelectionAnchor = 0;
}

long ZQFOxZQF_PrintPreviewPageDisplayGlyph::ClampPageIndex(long Index) {
  return std::max(0L, std::min(Index, GetNumPages() - 1));
}

// ---------------------------------------------------------------- drawing

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::DrawPaperBorder(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& P) const {
  // The one-pixel frame and the two-pixel shadow to the right and below as
  // one line with the cosmetic pen: one GDI call per paper instead of six
  // fills. Each segment leaves its end point to the next; the step from
  // the frame's bottom-right corner to the shadow stays on frame pixels.
  const long left = P.X - 1, top = P.Y - 1, right = P.X + P.Width, bottom = P.Y + P.Height;
  const ZQ_Point<long> line[] = {
      {right, bottom},     {left, bottom},          {left, top},             {right, top},  // the frame
      {right, bottom},     {right + 1, bottom},     {right + 1, P.Y + 1},    {right + 2, P.Y + 1},
      {right + 2, bottom + 2}, {P.X + 1, bottom + 2}, {P.X + 1, bottom + 1}, {right + 2, bottom + 1}};
  Canvas.SetPenColor(ZQF_GetColorMetric(ZQF_ColorMetric_DarkShadow3D));
  Canvas.DrawPolyline(line, static_cast<int>(sizeof line / sizeof line[0]));
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  if (IsZoomed) return;  // the zoomed view covers the whole area
  ZQFO_ImageDocumentRenderer& images = GetImageDocumentRenderer();
  const long n = std::max(0L, std::min(GetNumPages() - FirstPageIndexVisible, NumPagesVisible));
  // Each pixel is painted once: the background around the papers, the
  // frames, the white around the pages, then the pages. Brushes are made
  // once per repaint.
  Canvas.UseClippingRegion();
  const ZQR_Brush background(ZQF_GetColorMetric(ZQF_ColorMetric_ButtonShadow)), white(ZQR_Color_White);
  for (const ZQ_Rectangle<long>& part : AreaAround(GetLocalBoundingBox(), Grid.PaperRects, n))
    Canvas.Fill(part, background);
  for (long cell = 0; cell < n; ++cell) {
    const long pageIndex = FirstPageIndexVisible + cell;
    const ZQ_Rectangle<long>& paper = Grid.PaperRects[cell];
    const ZQ_Rectangle<long>& page = Grid.PageRects[cell];
    if (!Canvas.IsVisible(paper.X - 5, paper.Y - 5, paper.Width + 10, paper.Height + 10, 1)) continue;
    if (IsPageSelected(pageIndex))
      ZQFOxZQF_PrintPreview_DrawSelectedBorder(Canvas, paper);
    else
      DrawPaperBorder(Canvas, paper);
    FillAround(Canvas, paper, page, white);
    const ZQR_Bitmap bitmap = images.GetPageBitmap(pageIndex, Canvas.GetHDC());
    Canvas.Draw(bitmap, page.GetTopLeft(), bitmap.GetSize());
  }
}

// ---------------------------------------------------------------- zoom and navigation

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::Zoom(long PageIndex) {
  ZQ_ASSERT_TEXT(!IsZoomed, "not IsZoomed");
  IsZoomed = true;
  ZoomedPageIndex = ClampPageIndex(PageIndex);
  const ZQ_Rectangle<long> box = GetLocalBoundingBox();
  const ZQ_Point<long> bar = ZQF_GetSizeMetric(ZQF_SizeMetric_ScrollBar), margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px);
  const long widthA = std::max(1L, box.Width - bar.X - 2 * margin.X);
  const long heightA = std::max(1L, Round(widthA * Paper.PrintableHeight / std::max(Paper.PrintableWidth, 1.0)));
  const long heightB = std::max(1L, box.Height - bar.Y - 2 * margin.Y);
  const long widthB = std::max(1L, Round(heightB * Paper.PrintableWidth / std::max(Paper.PrintableHeight, 1.0)));
  // The page fills the view one way and scrolls the other.
  const ZQ_Point<long> size = widthB < widthA ? ZQ_Point<long>(widthA, heightA) : ZQ_Point<long>(widthB, heightB);
  ZoomedPageGlyph = new ZQFOxZQF_PrintPreviewPageDisplayGlyph_ZoomedPageDisplayGlyph(
      this, size, ZQ_Point<double>(Paper.PrintableWidth, Paper.PrintableHeight), &DocumentRenderer);
  ZoomedPageContainer = new ZQF_ScrollingContainerGlyph(ZoomedPageGlyph, 0, 0, ZQF_ScrollingContainerGlyph::Policy_AsNeeded,
                                                        ZQF_ScrollingContainerGlyph::Policy_AsNeeded, 0, 0, 0);
  AddChild(ZoomedPageContainer, true);
  ZoomedPageContainer->UpdateDesiredSize();
  LayoutChild(ZoomedPageContainer, GetLocalBoundingBox());
  QueueVisualStateUpdate();
}

long ZQFOxZQF_PrintPreviewPageDisplayGlyph::Unzoom() {
  ZQ_ASSERT_TEXT(IsZoomed, "IsZoomed");
  IsZoomed = false;
  DeleteChild(ZoomedPageContainer);
  ZoomedPageContainer = nullptr;
  ZoomedPageGlyph = nullptr;
  AdjustFirstPageIndexVisibleToShow(ZoomedPageIndex);
  ImageLayoutCacheValid = false;
  QueueVisualStateUpdate();
  return ZoomedPageIndex;
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::AdjustFirstPageIndexVisibleToShow(long Index) {
  const long first = std::max(std::min(Index, FirstPageIndexVisible), Index - NumPagesVisible + 1);
  if (first != FirstPageIndexVisible) SetFirstPageIndexVisible(first);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::ZoomIn() {
  if (NumPagesVisible >= 2)
    SetNumPagesVisible(NumPagesVisible / 2);
  else if (!IsZoomed)
    Zoom(FirstPageIndexVisible);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::ZoomOut() {
  if (IsZoomed)
    Unzoom();
  else if (NumPagesVisible < kMaximumPagesVisible)
    SetNumPagesVisible(NumPagesVisible * 2);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::SetNumPagesVisible(long N) {
  if (IsZoomed) Unzoom();
  NumPagesVisible = N;
  SetFirstPageIndexVisible(std::min(FirstPageIndexVisible, GetNumPages() - N));
  ImageLayoutCacheValid = false;
  QueueVisualStateUpdate();
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::SetFirstPageIndexVisible(long Index) {
  if (IsZoomed) Unzoom();
  FirstPageIndexVisible = ClampPageIndex(Index);
  QueueVisualStateUpdate();
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::SetZoomedPageIndex(long Index) {
  ZoomedPageIndex = ClampPageIndex(Index);
  if (IsZoomed) {
    ZoomedPageGlyph->QueueVisualStateUpdate();
    QueueVisualStateUpdate();
  }
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::GoBackToStart() {
  if (IsZoomed)
    SetZoomedPageIndex(0);
  else
    SetFirstPageIndexVisible(0);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::GoBackPage() {
  if (IsZoomed)
    SetZoomedPageIndex(ZoomedPageIndex - 1);
  else
    SetFirstPageIndexVisible(FirstPageIndexVisible - NumPagesVisible);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::GoBackRow() {
  if (IsZoomed)
    SetZoomedPageIndex(ZoomedPageIndex - 1);
  else
    SetFirstPageIndexVisible(FirstPageIndexVisible - GetGrid().NumColumns);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::GoBackLine() {
  if (IsZoomed)
    SetZoomedPageIndex(ZoomedPageIndex - 1);
  else
    SetFirstPageIndexVisible(FirstPageIndexVisible - 1);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::GoForwardLine() {
  if (IsZoomed)
    SetZoomedPageIndex(ZoomedPageIndex + 1);
  else if (FirstPageIndexVisible + NumPagesVisible < GetNumPages())
    SetFirstPageIndexVisible(FirstPageIndexVisible + 1);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::GoForwardRow() {
  if (IsZoomed)
    SetZoomedPageIndex(ZoomedPageIndex + 1);
  else if (FirstPageIndexVisible + NumPagesVisible < GetNumPages())
    SetFirstPageIndexVisible(FirstPageIndexVisible + GetGrid().NumColumns);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::GoForwardPage() {
  if (IsZoomed)
    SetZoomedPageIndex(ZoomedPageIndex + 1);
  else if (FirstPageIndexVisible + NumPagesVisible < GetNumPages())
    SetFirstPageIndexVisible(FirstPageIndexVisible + NumPagesVisible);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::GoForwardToEnd() {
  if (IsZoomed)
    SetZoomedPageIndex(GetNumPages() - 1);
  else
    SetFirstPageIndexVisible(std::max(GetNumPages() - NumPagesVisible, 0L));
}

// ---------------------------------------------------------------- mouse

long ZQFOxZQF_PrintPreviewPageDisplayGlyph::GetIndexOfPageContainingPoint(const ZQ_Point<long>& Point) {
  if (IsZoomed) return ZoomedPageIndex;
  const ZQ_Point<long> local = WindowToGlyph(Point);
  const long n = std::min(GetNumPages() - FirstPageIndexVisible, NumPagesVisible);
  const ZQFOxZQF_PrintPreviewGrid& grid = GetGrid();
  for (long cell = 0; cell < n; ++cell) {
    const ZQ_Rectangle<long>& r = grid.PaperRects[cell];
    if (local.X >= r.X && local.X < r.X + r.Width && local.Y >= r.Y && local.Y < r.Y + r.Height)
      return FirstPageIndexVisible + cell;
  }
  return -1;
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_DrawableGlyph::HandleMouseSetCursor(Message, SecondTry);
  if (SecondTry || Message.IsHandled()) return;
  if (IsZoomed && !ZoomedPageGlyph->ContainsPoint(Message.GetX(), Message.GetY())) return;
  if (GetIndexOfPageContainingPoint(Message.GetPosition()) < 0) return;
  switch (MouseTool) {
    case MouseTool_Inspection:
      ZQR_Cursor::SetCursorToUse(ToolCursor(IsZoomed ? "ZQF_ZoomOutCursor" : "ZQF_ZoomInCursor"));
      break;
    case MouseTool_Selection: ZQR_Cursor::SetCursorToUse(ToolCursor("ZQF_PointingHandCursor")); break;
    default: ZQ_ASSERT(false); return;
  }
  Message.SetHandled();
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_DrawableGlyph::HandleMouseLeftDown(Message, SecondTry);
  HandleLeftMouseClick(Message, SecondTry);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) {
  ZQF_DrawableGlyph::HandleMouseLeftDoubleClick(Message, SecondTry);
  HandleLeftMouseClick(Message, SecondTry);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::HandleLeftMouseClick(ZQF_MouseMessage& Message, bool SecondTry) {
  if (!SecondTry || Message.IsHandled()) return;
  const long page = GetIndexOfPageContainingPoint(Message.GetPosition());
  if (page < 0) return;
  const long numPages = GetNumPages();
  if (static_cast<long>(PageSelected.size()) < numPages) PageSelected.resize(numPages, false);
  if (MouseTool == MouseTool_Inspection) {
    if (IsZoomed)
      Unzoom();
    else
      Zoom(page);
  } else if (Message.MatchesModifierKeys(0, 0, 2)) {
    if (page < numPages) PageSelected[page] = !PageSelected[page];
    SelectionAnchor = page;
  } else {
    const bool select = Message.MatchesModifierKeys(2, 0, 2);
    const long from = std::max(0L, std::min(std::min(SelectionAnchor, page), numPages - 1));
    const long to = std::max(0L, std::min(std::max(SelectionAnchor, page), numPages - 1));
    for (long i = from; i <= to && i < numPages; ++i) PageSelected[i] = select;
    SelectionAnchor = page;
  }
  QueueVisualStateUpdate();
  Message.SetHandled();
}

// ---------------------------------------------------------------- text and printing

ZQ_String ZQFOxZQF_PrintPreviewPageDisplayGlyph::GetPagesDisplayedDescription() {
  const long numPages = GetNumPages();
  const long first = (IsZoomed ? ZoomedPageIndex : FirstPageIndexVisible) + 1;
  const long last = (IsZoomed ? ZoomedPageIndex : GetLastPageIndexVisible()) + 1;
  if (first == last)
    return ZQ_Internationalization_FillPlaceholders(ZQ_Internationalization_Translate("Page {$1} of {$2}"),
                                                    ZQ_ToString(first), ZQ_ToString(numPages));
  const ZQ_String values[] = {ZQ_ToString(first), ZQ_ToString(last), ZQ_ToString(numPages)};
  return ZQ_Internationalization_FillPlaceholders(
      ZQ_Internationalization_Translate("Pages {$1} through {$2} of {$3}"), values, 3);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph::Print() {
  const long numPages = GetNumPages();
  std::vector<long> selected;
  for (long i = 0; i < numPages && i < static_cast<long>(PageSelected.size()); ++i)
    if (PageSelected[i]) selected.push_back(i + 1);
  ZQ_Array<long> numbers(static_cast<long>(selected.size()));
  for (size_t i = 0; i < selected.size(); ++i) numbers[static_cast<long>(i)] = selected[i];
  ZQFO_Document copy = Document;
  copy.SetSelectionPageNumbers(ZQ_ReadOnlyIterator<long>(numbers.GetIterator()));
  ZQFO_PrintDocumentOptions options;
  if (numbers.GetNumElements() > 0) options.PrintRange = ZQFO_PrintDocumentOptions::PrintRange_Selection;
  ZQFO_PrintDocument(copy, options);
  NoteNewPageSetup();
}

// ---------------------------------------------------------------- the zoomed page

ZQFOxZQF_PrintPreviewPageDisplayGlyph_ZoomedPageDisplayGlyph::ZQFOxZQF_PrintPreviewPageDisplayGlyph_ZoomedPageDisplayGlyph(
    ZQFOxZQF_PrintPreviewPageDisplayGlyph* Owner, const ZQ_Point<long>& PageSizePx,
    const ZQ_Point<double>& PageSizeMm, ZQFO_DocumentRenderer* Renderer)
    : Owner(Owner), PageSizePx(PageSizePx), PageSizeMm(PageSizeMm), Renderer(Renderer) {}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph_ZoomedPageDisplayGlyph::UpdateMyDesiredSize() {
  const ZQ_Point<long> margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px);
  DesiredSize.SetFixedX(PageSizePx.X + 2 * margin.X);
  DesiredSize.SetFixedY(PageSizePx.Y + 2 * margin.Y);
}

void ZQFOxZQF_PrintPreviewPageDisplayGlyph_ZoomedPageDisplayGlyph::DrawSelf(ZQF_Canvas& Canvas) {
  const ZQ_Point<long> margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px);
  const ZQ_Rectangle<long> box = GetLocalBoundingBox();
  const ZQ_Rectangle<long> page(margin.X, margin.Y, std::max(1L, box.Width - 2 * margin.X),
                                std::max(1L, box.Height - 2 * margin.Y));
  Canvas.PushClippingRegion();
  if (Canvas.ExcludeClippingRegion(page.X, page.Y, page.Width, page.Height, 1)) {
    Canvas.UseClippingRegion();
    Canvas.Fill(box, ZQR_Color_White);
  }
  Canvas.PopClippingRegion();
  Canvas.UseClippingRegion();
  const long numPages = Renderer->GetNumPages();
  const long pageIndex = std::max(0L, std::min(Owner->GetZoomedPageIndex(), numPages - 1));
  if (Owner->IsPageSelected(pageIndex)) {
    // The five rings fill the band around the page.
    const long grow = margin.X - 5;
    ZQFOxZQF_PrintPreview_DrawSelectedBorder(
        Canvas, ZQ_Rectangle<long>(page.X - grow, page.Y - grow, page.Width + 2 * grow, page.Height + 2 * grow));
  }
  // Printable size, drawn as for the printer, like the page images.
  ZQPIC_DeviceContextCanvas pageCanvas(Canvas.GetHDC(), GlyphToWindow(page), 1, PageSizeMm);
  pageCanvas.Initialize();
  if (pageIndex < numPages) Renderer->Render(pageCanvas, pageIndex, 0.0, 0.0);
}
