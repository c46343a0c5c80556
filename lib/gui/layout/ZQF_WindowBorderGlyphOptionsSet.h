// ZQF_WindowBorderGlyphOptionsSet.h: everything that shapes a self-drawn
// window border: which parts it has (title bar, title text, bitmap, buttons,
// size grip), their sizes, colours and fonts, the title, and whether the
// mouse may move or size the window. The border owns one and asks its
// virtual getters each time it needs a value. A value changes by a setter
// (which only stores: the border sees it at its next layout or paint) or,
// where there is no setter, by overriding the getter in a subclass. Sizes
// are copied out of the metrics by ResetToDefault and keep those values;
// the colour fields name colour metrics and so follow colour changes; the
// frame, face, grip and client colours and the title fonts are read from
// the metrics at every call. Needs the metric tables (stage 1). UI thread
// only.
#ifndef ZQF_WINDOWBORDERGLYPHOPTIONSSET_H
#define ZQF_WINDOWBORDERGLYPHOPTIONSSET_H

#include "ZQF_ButtonImage.h"
#include "ZQF_Color.h"
#include "ZQR_Color.h"
#include "ZQR_ConcreteFont.h"
#include "ZQ_Point.h"
#include "ZQ_String.h"

class ZQF_WindowBorderGlyphOptionsSet {
 public:
  // The defaults of ResetToDefault.
  ZQF_WindowBorderGlyphOptionsSet();
  virtual ~ZQF_WindowBorderGlyphOptionsSet();
  ZQF_WindowBorderGlyphOptionsSet(const ZQF_WindowBorderGlyphOptionsSet&) = delete;
  ZQF_WindowBorderGlyphOptionsSet& operator=(const ZQF_WindowBorderGlyphOptionsSet&) = delete;

  // Every stored value back to its default, with the sizes of the metrics
  // as they are now and the help button shown exactly when help is
  // available now.
  void ResetToDefault();

  // Stored values. Points are (x, y) in pixels: x applies left and right,
  // y top and bottom.
  virtual bool HasTitleBar() { return HasTitleBarFlag; }
  virtual ZQ_String GetTitle() { return Title; }
  virtual ZQF_ButtonImage GetBitmap() { return Bitmap; }
  virtual bool ShowTitleText() { return ShowTitleTextFlag; }
  virtual bool ShowBitmap() { return ShowBitmapFlag; }
  // 0: the height is computed from the title bar's contents and fonts.
  virtual long GetTitleBarHeightOverride() { return TitleBarHeightOverride; }
  // A border code of the canvas (5: a raised double ring 2 pixels thick).
  virtual int GetOuterEdgeBorderCode() { return OuterEdgeBorderCode; }
  virtual ZQ_Point<long> GetTitleBarMargin() { return TitleBarMargin; }
  // The band in the frame colour inside the outer edge.
  virtual ZQ_Point<long> GetOuterBorderSize() { return OuterBorderSize; }
  // The band in the face colour inside that.
  virtual ZQ_Point<long> GetInnerBorderSize() { return InnerBorderSize; }
  // x left and right of the client, y below it; none above.
  virtual ZQ_Point<long> GetClientMargin() { return ClientMargin; }
  // Between the title bar and the client.
  virtual long GetTitleBarGap() { return TitleBarGap; }
  // How near a corner the pointer gets a corner sizing cursor.
  virtual ZQ_Point<long> GetCornerThreshold() { return CornerThreshold; }
  // Alignment codes of the canvas's text drawing: 0 start, 1 centre, 2 end.
  virtual int GetTitleHorizontalAlignment() { return TitleHorizontalAlignment; }
  virtual int GetTitleVerticalAlignment() { return TitleVerticalAlignment; }
  virtual bool ShowCloseButton() { return ShowCloseButtonFlag; }
  virtual bool ShowHelpButton() { return ShowHelpButtonFlag; }
  virtual bool ShowMinimizeButton() { return ShowMinimizeButtonFlag; }
  virtual bool ShowMaximizeButton() { return ShowMaximizeButtonFlag; }
  virtual bool ShowSizeGrip() { return ShowSizeGripFlag; }
  // The minimize or maximize button shows the restore picture.
  virtual bool IsMinimized() { return MinimizedFlag; }
  virtual bool IsMaximized() { return MaximizedFlag; }
  virtual bool IsMovable() { return MovableFlag; }
  virtual bool IsResizable() { return ResizableFlag; }
  virtual ZQF_Color GetActiveTitleBarColor() { return ActiveTitleBarColor; }
  virtual ZQF_Color GetActiveTitleTextColor() { return ActiveTitleTextColor; }
  virtual ZQF_Color GetInactiveTitleBarColor() { return InactiveTitleBarColor; }
  virtual ZQF_Color GetInactiveTitleTextColor() { return InactiveTitleTextColor; }
  // Kept for completeness: no window is ever shown full screen.
  virtual bool IsHiddenInFullScreen() { return HiddenInFullScreenFlag; }
  // Exactly when the maximize button is shown, also by a subclass.
  virtual bool CanMaximizeByDoubleClick();

  // Read from the metrics at every call.
  virtual ZQR_Color GetActiveFrameColor();
  virtual ZQR_Color GetInactiveFrameColor();
  virtual ZQR_Color GetFaceColor();
  virtual ZQR_Color GetSizeGripShadowColor();
  virtual ZQR_Color GetSizeGripHighlightColor();
  virtual ZQR_Color GetClientBackgroundColor();
  virtual ZQR_ConcreteFont GetActiveTitleFont();
  virtual ZQR_ConcreteFont GetInactiveTitleFont();

  // Store only; see the top comment.
  void SetHasTitleBar(bool Value) { HasTitleBarFlag = Value; }
  void SetTitle(const ZQ_String& Value) { Title = Value; }
  void SetBitmap(const ZQF_ButtonImage& Value) { Bitmap = Value; }
  void SetOuterEdgeBorderCode(int Value) { OuterEdgeBorderCode = Value; }
  void SetOuterBorderSize(long X, long Y) { OuterBorderSize = ZQ_Point<long>(X, Y); }
  void SetInnerBorderSize(long X, long Y) { InnerBorderSize = ZQ_Point<long>(X, Y); }
  void SetClientMargin(long X, long Y) { ClientMargin = ZQ_Point<long>(X, Y); }
  void SetTitleBarGap(long Value) { TitleBarGap = Value; }
  void SetShowCloseButton(bool Value) { ShowCloseButtonFlag = Value; }
  void SetShowHelpButton(bool Value) { ShowHelpButtonFlag = Value; }
  void SetShowSizeGrip(bool Value) { ShowSizeGripFlag = Value; }
  void SetMovable(bool Value) { MovableFlag = Value; }
  void SetResizable(bool Value) { ResizableFlag = Value; }

 private:
  bool HasTitleBarFlag = false;
  ZQ_String Title;
  ZQF_ButtonImage Bitmap;
  bool ShowTitleTextFlag = false;
  bool ShowBitmapFlag = false;
  long TitleBarHeightOverride = 0;
  int OuterEdgeBorderCode = 0;
  ZQ_Point<long> TitleBarMargin;
  ZQ_Point<long> OuterBorderSize;
  ZQ_Point<long> InnerBorderSize;
  ZQ_Point<long> ClientMargin;
  long TitleBarGap = 0;
  ZQ_Point<long> CornerThreshold;
  int TitleHorizontalAlignment = 0;
  int TitleVerticalAlignment = 0;
  bool ShowCloseButtonFlag = false;
  bool ShowHelpButtonFlag = false;
  bool ShowMinimizeButtonFlag = false;
  bool ShowMaximizeButtonFlag = false;
  bool ShowSizeGripFlag = false;
  bool MinimizedFlag = false;
  bool MaximizedFlag = false;
  bool MovableFlag = false;
  bool ResizableFlag = false;
  ZQF_Color ActiveTitleBarColor;
  ZQF_Color ActiveTitleTextColor;
  ZQF_Color InactiveTitleBarColor;
  ZQF_Color InactiveTitleTextColor;
  bool HiddenInFullScreenFlag = false;
};

#endif
