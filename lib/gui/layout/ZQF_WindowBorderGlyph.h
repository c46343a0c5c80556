// ZQF_WindowBorderGlyph.h: the frame the toolkit draws itself around the
// contents of a dialog window or a dropdown's open list: an outer 3-D edge,
// a band in the frame colour, a band in the face colour, an optional title
// bar (bitmap, title text, minimize, maximize, help and close buttons),
// margins left, right and below the client, and a size grip. It never moves,
// sizes or closes its window: presses on the title bar, the edge and the
// grip, and the title-bar buttons, send container requests up the parent
// chain, which the top-level glyph turns into window operations. Every size,
// colour and font comes from the options set it owns, asked each time. The
// title bar is a row of ordinary glyphs, built from the options when the
// border is made and again by RebuildTitleBar. A title cut by the buttons
// shows in full as a tooltip. UI thread only.
#ifndef ZQF_WINDOWBORDERGLYPH_H
#define ZQF_WINDOWBORDERGLYPH_H

#include "ZQF_ButtonImage.h"
#include "ZQF_Glyph.h"
#include "ZQ_Rectangle.h"

class ZQF_WindowBorderGlyphOptionsSet;
class ZQF_HorizontalGlueGlyph;
class ZQF_TwoDimensionalGlueGlyph;
class ZQF_StandardBitmapButtonGlyph;
class ZQF_RowGlyph;
class ZQF_Canvas;
class ZQR_Color;

class ZQF_WindowBorderGlyph : public ZQF_DrawableGlyph {
 public:
  // The parts of the frame, in the border's own coordinates; sizes never
  // below 0. The title rectangles and the gap are empty without a title bar,
  // the grip without a size grip.
  struct LayoutRectangles {
    ZQ_Rectangle<long> Whole;
    ZQ_Rectangle<long> InsideEdge;
    ZQ_Rectangle<long> InsideFrameBand;
    ZQ_Rectangle<long> SizeGrip;
    ZQ_Rectangle<long> TitleGap;
    ZQ_Rectangle<long> LeftMargin;
    ZQ_Rectangle<long> RightMargin;
    ZQ_Rectangle<long> BottomMargin;
    ZQ_Rectangle<long> TitleContents;  // what the title bar row gets
    ZQ_Rectangle<long> TitleBar;
    ZQ_Rectangle<long> Client;
    ZQ_Rectangle<long> InsideFaceBand;  // everything inside the three rings
  };

  // Takes ownership of both; neither may be null.
  ZQF_WindowBorderGlyph(ZQF_Glyph* Client, ZQF_WindowBorderGlyphOptionsSet* Options);
  ~ZQF_WindowBorderGlyph() override;

  ZQF_WindowBorderGlyphOptionsSet& GetOptions() const { return *Options; }
  ZQF_Glyph* GetClient() const;
  // Null without a title bar.
  ZQF_Glyph* GetTitleBarRow() const;

  // A different text is stored and the title bar repainted; the border's
  // width follows at the next layout.
  void SetTitle(const ZQ_String& Title);
  // A different image is stored, the title bar rebuilt and the window laid
  // out again.
  void SetBitmap(const ZQF_ButtonImage& Bitmap);
  // Builds the title bar from the options. An application that changed the
  // options shaping it calls this and then Resize.
  void RebuildTitleBar();
  void DeleteTitleBar();

  // The override, or the row's and title fonts' height plus the margins.
  long ComputeTitleBarHeightToUse();
  // The row's natural width plus the margins and the title's width.
  long ComputeTitleBarNaturalWidth();
  void CalculateLayoutRectangles(LayoutRectangles& R);

  // The title-bar glyphs, for whoever drives the border; null when absent.
  ZQF_HorizontalGlueGlyph* GetTitleGlue() const { return TitleGlue; }
  ZQF_TwoDimensionalGlueGlyph* GetBitmapPlaceholder() const { return BitmapPlaceholder; }
  ZQF_StandardBitmapButtonGlyph* GetCloseButton() const { return CloseButton; }
  ZQF_StandardBitmapButtonGlyph* GetHelpButton() const { return HelpButton; }
  ZQF_StandardBitmapButtonGlyph* GetMinimizeButton() const { return MinimizeButton; }
  ZQF_StandardBitmapButtonGlyph* GetMaximizeButton() const { return MaximizeButton; }

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleFocusChange(ZQF_FocusChangeMessage& Message, bool SecondTry) override;

  // Fills R with the face colour and draws the grip's diagonals in groups of
  // face, shadow, shadow, highlight from the bottom-right corner outwards.
  static void DrawSizeDragHandle(ZQF_Canvas& Canvas, ZQF_WindowBorderGlyphOptionsSet& Options,
                                 const ZQ_Rectangle<long>& R);

 private:
  ZQF_StandardBitmapButtonGlyph* AddButton(ZQF_RowGlyph* Row, const char* Bitmap);
  // Where the title text goes: over the title glue, as high as the title
  // contents.
  ZQ_Rectangle<long> GetTitleTextRectangle(const LayoutRectangles& R) const;
  // The outer edge and the two bands.
  static bool InResizeZone(const LayoutRectangles& R, const ZQ_Point<long>& P);
  ZQ_Point<long> FrameThickness();
  void DrawTitleBar(ZQF_Canvas& Canvas, const LayoutRectangles& R, const ZQR_Color& Bar,
                    const ZQR_Color& Text);
  // Sends a request up the parent chain and claims Message.
  template <class Request>
  void SendRequest(ZQF_Message& Message);

  ZQF_WindowBorderGlyphOptionsSet* Options;
  ZQF_HorizontalGlueGlyph* TitleGlue = nullptr;
  ZQF_TwoDimensionalGlueGlyph* BitmapPlaceholder = nullptr;
  ZQF_StandardBitmapButtonGlyph* CloseButton = nullptr;
  ZQF_StandardBitmapButtonGlyph* HelpButton = nullptr;
  ZQF_StandardBitmapButtonGlyph* MinimizeButton = nullptr;
  ZQF_StandardBitmapButtonGlyph* MaximizeButton = nullptr;
};

#endif
