// The canvas's focus indicator, three-dimensional borders by code, plain
// borders of a thickness and separator lines.
#include <algorithm>

#include "ZQF_Canvas.h"
#include "ZQF_CanvasImp.h"
#include "ZQF_Metrics.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"

namespace {

const long s_borderThickness[] = {0, 1, 1, 2, 1, 2, 2, 2, 10};
const long s_separatorThickness[] = {0, 1, 2, 2, 2, 10};
const int kHighlightedText = ZQF_ColorMetric_LabelText;  // the colour of focus highlighting

enum RingKind { Ring_None, Ring_Raised, Ring_Sunken };

// The outer and inner ring of the two-ring border codes 2, 3, 5, 6 and 7.
struct RingCode {
  int Code;
  RingKind Outer;
  RingKind Inner;
};
const RingCode s_ringCodes[] = {{2, Ring_Sunken, Ring_None},
                                {3, Ring_Sunken, Ring_Sunken},
                                {5, Ring_Raised, Ring_Raised},
                                {6, Ring_Sunken, Ring_Raised},
                                {7, Ring_Raised, Ring_Sunken}};

// Colour metric keys of a ring's bottom and right edges, then of its left
// and top edges.
struct RingColors {
  int BottomRight;
  int TopLeft;
};

RingColors ColorsOf(RingKind Kind, bool IsInner, bool FocusHighlight) {
  if (!IsInner) return Kind == Ring_Raised ? RingColors{3, 6} : RingColors{6, 4};
  if (FocusHighlight) return RingColors{kHighlightedText, kHighlightedText};
  return Kind == Ring_Raised ? RingColors{4, 5} : RingColors{5, 3};
}

// Inclusive device edges of the rectangle a ring is drawn on.
struct Edges {
  long L, T, Rt, B;
  bool IsEmpty() const { return Rt < L || B < T; }
  bool IsOnePixelHigh() const { return B == T; }
};

}  // namespace

void ZQF_Canvas::DrawFocusIndicator(const ZQ_Rectangle<long>& Rectangle) {
  if ((Imp->KeyboardCues & 1) == 0) return;
  const RECT r = Imp->ToDeviceRect(Rectangle);
  const BOOL ResultCode = ZQLOW_WINUSER::DrawFocusRect(Imp->DeviceContext, &r);
  ZQ_ASSERT(ResultCode);
}

ZQ_Point<long> ZQF_Canvas::GetBorderSize(int BorderCode) {
  ZQ_ASSERT_TEXT(0 <= BorderCode && BorderCode <= 8, "(0 <= BorderCode) and (BorderCode <= 8)");
  const long t = (0 <= BorderCode && BorderCode <= 8) ? s_borderThickness[BorderCode] : 0;
  return ZQ_Point<long>(t, t);
}

long ZQF_Canvas::GetSeparatorLineThickness(int SeparatorCode) {
  ZQ_ASSERT_TEXT(0 <= SeparatorCode && SeparatorCode <= 5,
                 "(0 <= SeparatorCode) and (SeparatorCode <= 5)");
  return (0 <= SeparatorCode && SeparatorCode <= 5) ? s_separatorThickness[SeparatorCode] : 0;
}

namespace {

// A line of one pixel height, from (L, T) to (Rt + 1, T) in device
// coordinates, in colour metric Key.
void DrawRowLine(ZQF_Canvas& Canvas, ZQF_CanvasImp& Imp, const Edges& E, int Key) {
  Canvas.SetPenColor(ZQF_GetColorMetric(Key));
  const POINT line[] = {{E.L, E.T}, {E.Rt + 1, E.T}};
  Imp.Polyline(line, 2);
}

void DrawRing(ZQF_Canvas& Canvas, ZQF_CanvasImp& Imp, const Edges& E, const RingColors& Colors) {
  Canvas.SetPenColor(ZQF_GetColorMetric(Colors.BottomRight));
  const POINT bottomRight[] = {{E.L, E.B}, {E.Rt, E.B}, {E.Rt, E.T - 1}};
  Imp.Polyline(bottomRight, 3);
  Canvas.SetPenColor(ZQF_GetColorMetric(Colors.TopLeft));
  const POINT topLeft[] = {{E.L, E.B - 1}, {E.L, E.T}, {E.Rt, E.T}};
  Imp.Polyline(topLeft, 3);
}

void DrawTwoRings(ZQF_Canvas& Canvas, ZQF_CanvasImp& Imp, const ZQ_Rectangle<long>& R,
                  const RingCode& Rings, bool FocusHighlight) {
  const RECT device = Imp.ToDeviceRect(R);
  Edges e{device.left, device.top, device.right - 1, device.bottom - 1};
  if (e.IsEmpty()) return;
  if (e.IsOnePixelHigh()) return DrawRowLine(Canvas, Imp, e, 5);
  DrawRing(Canvas, Imp, e, ColorsOf(Rings.Outer, false, FocusHighlight));
  e = Edges{e.L + 1, e.T + 1, e.Rt - 1, e.B - 1};
  if (e.IsEmpty()) return;
  if (e.IsOnePixelHigh()) return DrawRowLine(Canvas, Imp, e, FocusHighlight ? kHighlightedText : ZQF_ColorMetric_Light3D);
  if (Rings.Inner != Ring_None) DrawRing(Canvas, Imp, e, ColorsOf(Rings.Inner, true, FocusHighlight));
}

}  // namespace

void ZQF_Canvas::DrawBorder(const ZQ_Rectangle<long>& Rectangle, int BorderCode, long Options) {
  if (BorderCode == 0) return;
  const bool focusHighlight = (Options & 1) && Imp->OnFocusPath && (Imp->KeyboardCues & 1);
  SetLineStyle(0);
  if (BorderCode == 1 || BorderCode == 4 || (BorderCode == 2 && focusHighlight)) {
    SetPenColor(ZQF_GetColorMetric(focusHighlight ? kHighlightedText : ZQF_ColorMetric_DarkShadow3D));
    Draw(Rectangle);
    return;
  }
  if (BorderCode == 8) {
    SetPenColor(ZQR_Color_Blue);
    ZQ_Rectangle<long> r = Rectangle;
    for (int i = 0; i < 10; ++i) {
      if (i > 0) r.Deflate(1, 1);
      if (i == 9 && focusHighlight) SetPenColor(ZQF_GetColorMetric(kHighlightedText));
      Draw(r);
    }
    return;
  }
  for (const RingCode& rings : s_ringCodes) {
    if (rings.Code == BorderCode) DrawTwoRings(*this, *Imp, Rectangle, rings, focusHighlight);
  }
}

void ZQF_Canvas::DrawBorder(const ZQ_Rectangle<long>& Rectangle, const ZQR_Color& Color,
                            const ZQ_Point<long>& BorderThickness) {
  SetPenColor(Color);
  const long common = std::min(BorderThickness.X, BorderThickness.Y);
  const long count = std::max(BorderThickness.X, BorderThickness.Y);
  ZQ_Rectangle<long> r = Rectangle;
  for (long i = 0; i < count; ++i) {
    if (i > 0 && i < common) {
      r.Deflate(1, 1);
    } else if (i > 0 && BorderThickness.X > BorderThickness.Y) {
      r.DeflateX(1);
    } else if (i > 0) {
      r.DeflateY(1);
    }
    Draw(r);
  }
}

void ZQF_Canvas::DrawHorizontalSeparatorLine(long X1, long X2, long Y, int SeparatorCode) {
  SetLineStyle(0);
  const struct {
    int first, second;  // colour metric keys of lines Y and Y + 1; -1: none
  } s_lines[] = {{-1, -1}, {3, -1}, {3, 3}, {4, 6}, {5, 3}};
  if (SeparatorCode == 5) {
    SetPenColor(ZQR_Color_Blue);
    for (long i = 0; i < s_separatorThickness[5]; ++i) {
      DrawLine(ZQ_Point<long>(X1, Y + i), ZQ_Point<long>(X2, Y + i));
    }
    return;
  }
  if (SeparatorCode < 0 || SeparatorCode > 4) {
    ZQ_ASSERT(false);
    return;
  }
  const int keys[] = {s_lines[SeparatorCode].first, s_lines[SeparatorCode].second};
  for (int i = 0; i < 2; ++i) {
    if (keys[i] < 0) continue;
    SetPenColor(ZQF_GetColorMetric(keys[i]));
    DrawLine(ZQ_Point<long>(X1, Y + i), ZQ_Point<long>(X2, Y + i));
  }
}
