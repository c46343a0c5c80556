// ZQFO_DocumentRenderer.h: lays one document out for a canvas and page size
// and draws its pages. Keeps the pages of the last Repaginate until the next
// one; never repaginates by itself. One image cache lives as long as the
// renderer, so decoded images survive repaginations, and so do the widths
// of measured words on the screen until the document, the palette or the
// text-export mode changes (a relayout at another width re-breaks lines
// without measuring again). After a Repaginate that
// threw, the renderer is in the failed state (one 100 x 100 mm page showing
// the error picture) until SetDocument. Millimetres, origin at a page's
// lower-left corner. The canvases are borrowed. UI thread only.
#ifndef ZQFO_DOCUMENTRENDERER_H
#define ZQFO_DOCUMENTRENDERER_H

#include "ZQFO_Cache.h"
#include "ZQFO_Document.h"
#include "ZQFO_FormattedDocument.h"
#include "ZQFO_FormattingOptions.h"
#include "ZQ_CountedPtr.h"

class ZQPIC_Canvas;

class ZQFO_DocumentRenderer {
 public:
  // Page-size sentinels of Repaginate: the canvas's size (width or height),
  // the narrowest width the document allows (width only), one continuous
  // page as tall as the document (height only).
  static constexpr double CanvasSize = -1.0;
  static constexpr double MinWidth = -2.0;
  static constexpr double Continuous = -3.0;
  // Sizes and margins above this are clamped, so no layout sees an
  // unbounded length.
  static constexpr double MaximumLength = 10000000.0;

  explicit ZQFO_DocumentRenderer(const ZQFO_Document& Document);
  ZQFO_DocumentRenderer(const ZQFO_DocumentRenderer&) = delete;
  ZQFO_DocumentRenderer& operator=(const ZQFO_DocumentRenderer&) = delete;

  // Shares Document; leaves the failed state. The old pages stay until the
  // next Repaginate.
  void SetDocument(const ZQFO_Document& Document);
  const ZQFO_Document& GetDocument() const { return Document; }
  // Taken at the next Repaginate. NaN and negatives become 0.
  void SetMargins(double Left, double Right, double Top, double Bottom);
  // Copies the colour palette only.
  void SetStylesheet(const ZQFO_Stylesheet& NewStylesheet);
  // Every text in Courier New 10 at the next Repaginate (plain-text export).
  void SetTextExportMode(bool Value);

  // Lays the document out on Canvas. Width: > 0, CanvasSize or MinWidth;
  // height: > 0, CanvasSize or Continuous. Another size fails its assertion
  // and changes nothing. Does nothing in the failed state. Any exception of
  // the layout sets the failed state and passes on, a std:: one as a
  // ZQ_Exception (ZQFO_LibraryExceptions.h).
  void Repaginate(ZQPIC_Canvas& Canvas, double SuggestedPageWidth, double SuggestedPageHeight);
  // Page PageIndex (0-based; others draw nothing) moved by the offset; the
  // error picture in the failed state. A std:: exception passes on as a
  // ZQ_Exception.
  void Render(ZQPIC_Canvas& Canvas, long PageIndex, double OffsetX, double OffsetY) const;

  // The queries assert "not NeedsRepagination" outside the failed state.
  ZQ_Point<double> GetPageSize() const;
  double GetPageWidth() const { return GetPageSize().X; }
  double GetPageHeight() const { return GetPageSize().Y; }
  double GetMinimumPageWidth() const;
  double GetMaximumPageWidth() const;
  long GetNumPages() const;
  // Empty when no link lies under Point (page millimetres).
  ZQ_String GetLinkTargetAtPoint(const ZQ_Point<double>& Point, long PageIndex) const;
  void SearchForContentAreaById(const ZQ_String& Id, ZQFO_ContentArea_SearchResult& Result) const;
  void CollectWordInfo(ZQ_Array<ZQFO_WordInfo>& Words, long& Count) const;

  bool GetNeedsRepagination() const { return NeedsRepagination; }
  bool GetRepaginationFailed() const { return RepaginationFailed; }
  const ZQ_CountedPtr<ZQFO_Cache>& GetImageCache() const { return ImageCache; }

 private:
  void Imp_Repaginate(ZQPIC_Canvas& Canvas, double SuggestedPageWidth, double SuggestedPageHeight);
  void RenderErrorPicture(ZQPIC_Canvas& Canvas) const;
  bool CheckPaginated() const;

  ZQFO_Document Document;
  ZQFO_FormattedDocument FormattedDocument;
  ZQ_CountedPtr<ZQFO_Cache> ImageCache;
  double RightMargin = 0.0;
  double LeftMargin = 0.0;
  double TopMargin = 0.0;
  double BottomMargin = 0.0;
  bool NeedsRepagination = true;
  bool RepaginationFailed = false;
  double MinimumPageWidth = 0.0;
  double MaximumPageWidth = 0.0;
  ZQFO_Stylesheet Stylesheet;
  bool TextExportMode = false;
};

#endif
