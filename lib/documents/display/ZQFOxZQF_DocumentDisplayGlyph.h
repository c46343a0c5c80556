// ZQFOxZQF_DocumentDisplayGlyph.h: the control that shows a formatted
// document inside a window. It lays the document out as one continuous page
// as wide as its display area (or, in sizing modes 1 and 2, as its preferred
// width), shows a vertical and a horizontal scroll bar only when the
// document needs them and draws the visible part of the page. Scroll
// positions are screen pixels; the page lives in millimetres with y growing
// upward, so the vertical scroll amount is the distance from the bottom of
// the page to the top of the view.
// A document whose layout throws a ZQ_Exception shows the renderer's error
// picture: the control catches the exception of its own layouts and paints,
// writes it once per document to the debugging log and keeps working; a new
// document clears that state. The cancel exception and other types pass.
// Commands, keys, the mouse and links are defined in
// ZQFOxZQF_DocumentDisplayGlyphCommands.cpp. UI thread only.
#ifndef ZQFOXZQF_DOCUMENTDISPLAYGLYPH_H
#define ZQFOXZQF_DOCUMENTDISPLAYGLYPH_H

#include "ZQFO_DocumentRenderer.h"
#include "ZQF_ControlGlyph.h"
#include "ZQ_Functor.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"
#include "ZQ_String.h"

class ZQPIC_Canvas;
class ZQ_Exception;
class ZQF_VerticalScrollBarGlyph;
class ZQF_HorizontalScrollBarGlyph;

class ZQFOxZQF_DocumentDisplayGlyph : public ZQF_ControlGlyph {
 public:
  // The sizing modes: take all the room given, flexible width between the
  // document's narrowest and widest layout, fixed at the document's size.
  enum : int { Sizing_Fill = 0, Sizing_FlexibleWidth = 1, Sizing_Fixed = 2 };
  // The largest extent the control asks for or converts, in pixels.
  static constexpr long MaximumExtent = 536870912;
  // PendingScrollAmount's "none"; any x above NoScrollLimit is a request.
  static constexpr double NoScrollAmount = -9.9e29;
  static constexpr double NoScrollLimit = -9.8e29;

  struct MarginsType {
    long Left;
    long Right;
    long Bottom;
    long Top;
  };

  explicit ZQFOxZQF_DocumentDisplayGlyph(const ZQFO_Document& Document);
  ~ZQFOxZQF_DocumentDisplayGlyph() override;

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  // The commands, keys and mouse (ZQFOxZQF_DocumentDisplayGlyphCommands.cpp).
  void HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) override;
  // A change of one of the control's own scroll bars repaints.
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  void HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseMiddleDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseWheel(ZQF_WheelMouseMessage& Message, bool SecondTry) override;
  void HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;
  // Follows a link target of the document (commands file).
  virtual void FollowLink(const ZQ_String& Target);

  // The palette of the screen: the default stylesheet with its slots taken
  // from the colour metrics.
  static ZQFO_Stylesheet CreateScreenStylesheet();
  // Millimetres per screen pixel, per axis.
  static ZQ_Point<double> GetPixelToMillimeterScalingFactor();

  // Hands Document to the renderer. Once laid out: both bars go to 0 unless
  // KeepScrollPosition, the control is laid out again and repainted.
  void SetInputDocument(const ZQFO_Document& Document, bool KeepScrollPosition);
  const ZQFO_Document& GetInputDocument() const { return Renderer.GetDocument(); }

  // Sizing_Fill, Sizing_FlexibleWidth or Sizing_Fixed; another code fails
  // "false" at the next desired size.
  void SetSizingMode(int Code) { SizingMode = Code; }
  int GetSizingMode() const { return SizingMode; }
  // The preferred width as a fraction of the screen width; asserts
  // "0.0 < F and F <= 1.0" and keeps the old one when that fails.
  void SetPreferredWidthFraction(double F);
  void SetMaximumWidthFractionOfScreen(double F) { SetPreferredWidthFraction(F); }
  double GetPreferredWidthInPixels() const { return PreferredWidthInPixels; }
  // Left and right Horizontal, bottom and top Vertical; clamped into
  // 0 .. MaximumExtent, a value that is not finite is ignored.
  void SetMarginsInPixels(double Horizontal, double Vertical);
  void SetMargins(double Horizontal, double Vertical) { SetMarginsInPixels(Horizontal, Vertical); }
  const MarginsType& GetMarginsInPixels() const { return MarginsInPixels; }

  // Deferred until the next DrawSelf; a pending jump wins over a pending
  // scroll. Scroll amounts that are not finite are ignored.
  void SetPendingJumpElementID(const ZQ_String& Id) { PendingJumpElementID = Id; }
  void SetPendingScrollAmount(double X, double Y);
  // Called by JumpToElementWithID with Notify: instead of the jump, when no
  // element has the id, and before the jump.
  void SetJumpToElementCallback(const ZQ_Functor1<const ZQ_String&>& Callback) {
    JumpToElementCallback = Callback;
  }
  void SetElementNotFoundCallback(const ZQ_Functor1<const ZQ_String&>& Callback) {
    ElementNotFoundCallback = Callback;
  }
  void SetBeforeJumpCallback(const ZQ_Functor0& Callback) { BeforeJumpCallback = Callback; }
  // Scrolls so that the top edge of the content area holding the element
  // lies 1 mm below the top of the view; beeps when no element has the id.
  void JumpToElementWithID(const ZQ_String& Id, bool Notify);

  // Lays the document out on Canvas at the margins: WidthInPixels below 1
  // means the display width, HeightInPixels of 0 or less one continuous page.
  void Repaginate(ZQPIC_Canvas& Canvas, long WidthInPixels, long HeightInPixels);

  // The area inside the border less the shown bars, at least 1 x 1.
  ZQ_Rectangle<long> GetDocumentDisplayRectInCanvasCoords() const;
  ZQ_Point<double> GetDocumentDisplaySizeInMillimeters() const;
  // The laid-out page in pixels, each at most MaximumExtent.
  ZQ_Point<long> GetDocumentSizeInPixels() const;
  bool DocumentFitsHorizontally() const;
  bool DocumentFitsVertically() const;
  // x from the page's left edge, y from the page's bottom to the view's top.
  ZQ_Point<double> GetScrollAmountInMillimeters() const;
  // Only shown bars move, clamped by the bar; values that are not finite are
  // ignored. Repaints.
  void SetScrollAmountInMillimeters(double X, double Y);
  // The page's offset in the display canvas.
  ZQ_Point<double> GetRenderOffset() const;
  // A point of the control (pixels) on the page (millimetres).
  ZQ_Point<double> ClientToPage(long X, long Y) const;

  // Each moves its bar only when that bar is shown.
  void ScrollLineDown(long N = 1);
  void ScrollLineUp(long N = 1);
  void ScrollPageDown();
  void ScrollPageUp();
  void ScrollToTop();
  void ScrollToBottom();
  void ScrollLineLeft();
  void ScrollLineRight();
  void ScrollPageLeft();
  void ScrollPageRight();
  void ScrollToHorizontalBegin();

  // Link lookup and the middle-button scroll (commands file).
  ZQ_String FindLinkTargetAtPoint(long X, long Y) const;
  bool IsLinkTargetAtPoint(long X, long Y) const;
  void MouseWheelDragScrollCallback(double DX, double DY);

  const ZQFO_DocumentRenderer& GetRenderer() const { return Renderer; }
  ZQF_VerticalScrollBarGlyph* GetVerticalScrollBar() const { return VerticalScrollBar; }
  ZQF_HorizontalScrollBarGlyph* GetHorizontalScrollBar() const { return HorizontalScrollBar; }
  bool IsVerticalScrollBarShown() const { return VerticalScrollBarShown; }
  bool IsHorizontalScrollBarShown() const { return HorizontalScrollBarShown; }
  const ZQ_Point<long>& GetScrollLineSize() const { return ScrollLineSize; }
  bool IsLaidOut() const { return LaidOut; }

 private:
  // The area inside the border, in glyph-local pixels.
  ZQ_Rectangle<long> GetInteriorRect() const;
  // Repaginate that turns a layout's ZQ_Exception into the renderer's failed
  // state (logged once per document).
  void SafeRepaginate(ZQPIC_Canvas& Canvas, long WidthInPixels, long HeightInPixels);
  void NoteLayoutFailure(const ZQ_Exception& Error);
  void PlaceScrollBars();
  // Both slider positions (0 for a hidden bar).
  ZQ_Point<long> GetScrollPositions() const;
  // Brings the screen up to new scroll positions: moves what is shown and
  // repaints only the uncovered strip when it can, else repaints the view.
  void ShowScrollChange();

  ZQFO_DocumentRenderer Renderer;
  ZQF_VerticalScrollBarGlyph* VerticalScrollBar;  // children, owned by the tree
  ZQF_HorizontalScrollBarGlyph* HorizontalScrollBar;
  ZQ_Point<long> ScrollLineSize;
  bool VerticalScrollBarShown = false;
  bool HorizontalScrollBarShown = false;
  MarginsType MarginsInPixels;
  int SizingMode = Sizing_Fill;
  double PreferredWidthInPixels;
  ZQ_String PendingJumpElementID;
  ZQ_Point<double> PendingScrollAmount;
  ZQ_Functor1<const ZQ_String&> JumpToElementCallback;
  ZQ_Functor1<const ZQ_String&> ElementNotFoundCallback;
  ZQ_Functor0 BeforeJumpCallback;
  bool LaidOut = false;
  bool FailureLogged = false;  // for the current document
  // The scroll positions the screen shows, when it shows the whole view at
  // one position.
  ZQ_Point<long> PaintedScroll;
  bool PaintedScrollValid = false;
  bool Painting = false;
};

#endif
