// ZQFOxZQF_PrintPreviewPageDisplayGlyph.h: the page area of the print
// preview. Lays the document out for the current printer and page setup and
// shows 1 to 64 pages at once as paper images in a grid (cached bitmaps of
// the page image renderer), or one page zoomed inside a scrolling container,
// drawn straight by the document renderer. Pages are selected by clicking
// with the selection tool and printed with Print. Owns its renderers and
// its zoomed child. Printer failures and layout failures of the first
// pagination pass out of the constructor. UI thread only.
#ifndef ZQFOXZQF_PRINTPREVIEWPAGEDISPLAYGLYPH_H
#define ZQFOXZQF_PRINTPREVIEWPAGEDISPLAYGLYPH_H

#include <vector>

#include "ZQFO_Document.h"
#include "ZQFO_DocumentRenderer.h"
#include "ZQFO_ImageDocumentRenderer.h"
#include "ZQF_Glyph.h"
#include "ZQ_Rectangle.h"

class ZQF_ScrollingContainerGlyph;
class ZQFOxZQF_PrintPreviewPageDisplayGlyph_ZoomedPageDisplayGlyph;

// The paper and its printable area, millimetres; top is measured from the
// paper's top edge.
struct ZQFOxZQF_PrintPreviewPaper {
  double Width = 0, Height = 0;
  double PrintableLeft = 0, PrintableTop = 0, PrintableWidth = 0, PrintableHeight = 0;
  bool operator==(const ZQFOxZQF_PrintPreviewPaper& O) const {
    return Width == O.Width && Height == O.Height && PrintableLeft == O.PrintableLeft &&
           PrintableTop == O.PrintableTop && PrintableWidth == O.PrintableWidth &&
           PrintableHeight == O.PrintableHeight;
  }
};

// The grid of paper images for an area, glyph-local pixels.
struct ZQFOxZQF_PrintPreviewGrid {
  long NumColumns = 1, NumRows = 1;
  std::vector<ZQ_Rectangle<long>> PaperRects;  // row by row from the top left
  std::vector<ZQ_Rectangle<long>> PageRects;   // the printable area of each

  // The grid for NumPagesVisible (a power of 2 up to 64) on a Width x Height
  // area, with the size metrics of the preview's margins and gaps.
  static ZQFOxZQF_PrintPreviewGrid Compute(long Width, long Height, long NumPagesVisible,
                                           const ZQFOxZQF_PrintPreviewPaper& Paper);
};

class ZQFOxZQF_PrintPreviewPageDisplayGlyph : public ZQF_DrawableGlyph {
 public:
  enum { MouseTool_Inspection = 0, MouseTool_Selection = 1 };

  explicit ZQFOxZQF_PrintPreviewPageDisplayGlyph(const ZQFO_Document& Doc);
  ~ZQFOxZQF_PrintPreviewPageDisplayGlyph() override;

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) override;

  // --- Navigation: 64, 32, ..., 1 page, then one page zoomed.
  void ZoomIn();
  void ZoomOut();
  void SetNumPagesVisible(long N);
  void SetFirstPageIndexVisible(long Index);
  void SetZoomedPageIndex(long Index);
  void GoBackToStart();
  void GoBackPage();
  void GoBackRow();
  void GoBackLine();
  void GoForwardLine();
  void GoForwardRow();
  void GoForwardPage();
  void GoForwardToEnd();
  // Asserts "not IsZoomed".
  void Zoom(long PageIndex);
  // Asserts "IsZoomed"; returns the page that was zoomed.
  long Unzoom();
  void AdjustFirstPageIndexVisibleToShow(long Index);

  // --- Queries.
  long GetNumPages();
  long GetFirstPageIndexVisible() const { return FirstPageIndexVisible; }
  long GetLastPageIndexVisible();
  long GetNumPagesVisible() const { return NumPagesVisible; }
  bool GetIsZoomed() const { return IsZoomed; }
  long GetZoomedPageIndex() const { return ZoomedPageIndex; }
  // Point in window coordinates; -1 over no page.
  long GetIndexOfPageContainingPoint(const ZQ_Point<long>& Point);
  // "Page 3 of 10" or "Pages 7 through 10 of 10", translated.
  ZQ_String GetPagesDisplayedDescription();
  bool IsPageSelected(long Index) const;
  const ZQFOxZQF_PrintPreviewGrid& GetGrid();
  const ZQFOxZQF_PrintPreviewPaper& GetPaper() const { return Paper; }
  ZQF_Glyph* GetZoomedPageGlyph() const;

  void SetMouseTool(long Tool) { MouseTool = Tool; }
  long GetMouseTool() const { return MouseTool; }

  // Reads the printer's page setup again; a change lays the document out
  // anew and clears the selection.
  void NoteNewPageSetup();
  // Prints the selected pages, or all when none is selected, through the
  // print dialog; passes on its cancel.
  void Print();
  void ClearSelection();
  // The page images, sized for the current grid.
  ZQFO_ImageDocumentRenderer& GetImageDocumentRenderer();
  ZQFO_DocumentRenderer& GetDocumentRenderer() { return DocumentRenderer; }

 private:
  void RepaginateBasedUponPrinterCanvas();
  void InsureImageLayoutCacheValid();
  void HandleLeftMouseClick(ZQF_MouseMessage& Message, bool SecondTry);
  void DrawPaperBorder(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Paper) const;
  long ClampPageIndex(long Index);

  ZQFO_Document Document;
  long FirstPageIndexVisible = 0;
  long NumPagesVisible = 1;
  long MouseTool = MouseTool_Inspection;
  bool IsZoomed = false;
  long ZoomedPageIndex = 0;
  ZQF_ScrollingContainerGlyph* ZoomedPageContainer = nullptr;  // child while zoomed
  ZQFOxZQF_PrintPreviewPageDisplayGlyph_ZoomedPageDisplayGlyph* ZoomedPageGlyph = nullptr;
  long SelectionAnchor = 0;
  std::vector<bool> PageSelected;
  ZQFOxZQF_PrintPreviewPaper Paper;
  bool ImageLayoutCacheValid = false;
  ZQFOxZQF_PrintPreviewGrid Grid;
  ZQFO_ImageDocumentRenderer ImageRenderer;
  ZQFO_DocumentRenderer DocumentRenderer;
};

// The zoomed page: the printable area at a fixed pixel size, drawn by the
// owner's document renderer, framed when the page is selected.
class ZQFOxZQF_PrintPreviewPageDisplayGlyph_ZoomedPageDisplayGlyph : public ZQF_DrawableGlyph {
 public:
  ZQFOxZQF_PrintPreviewPageDisplayGlyph_ZoomedPageDisplayGlyph(ZQFOxZQF_PrintPreviewPageDisplayGlyph* Owner,
                                                               const ZQ_Point<long>& PageSizePx,
                                                               const ZQ_Point<double>& PageSizeMm,
                                                               ZQFO_DocumentRenderer* Renderer);
  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  const ZQ_Point<long>& GetPageSizeInPixels() const { return PageSizePx; }

 private:
  ZQFOxZQF_PrintPreviewPageDisplayGlyph* Owner;  // borrowed: the parent's parent
  ZQ_Point<long> PageSizePx;
  ZQ_Point<double> PageSizeMm;
  ZQFO_DocumentRenderer* Renderer;  // borrowed from the owner
};

// The selected paper frame: five rings grown outward from Paper, the middle
// three yellow.
void ZQFOxZQF_PrintPreview_DrawSelectedBorder(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Paper);

#endif
