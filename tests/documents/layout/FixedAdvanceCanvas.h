// FixedAdvanceCanvas.h: the layout tests' ground. A canvas over a memory
// image whose fonts have fixed advances, so layout results are exact: at h points every character, blank
// included, is 0.2h mm wide; Height 0.5h, Ascent 0.4h, Descent 0.1h,
// InternalLeading 0.1h and ExternalLeading 0.05h mm. It records every text,
// image and polyline with its placed box instead of drawing it, and counts
// text measurements. Also a distribution context with options on any canvas
// and a chain of flow objects.
#ifndef FIXED_ADVANCE_CANVAS_H
#define FIXED_ADVANCE_CANVAS_H

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "DocumentsTestSupport.h"
#include "ZQCG_Line.h"
#include "ZQFO_DistributionContext.h"
#include "ZQFO_FlowObject.h"

class FixedAdvanceCanvas : private TestSurface, public ZQPIC_DeviceContextCanvas {
 public:
  struct Drawn {
    std::string Kind;  // "text", "image", "line"
    std::string Text;
    ZQ_Rectangle<double> Box;  // top-left corner and size; for lines the points' bounds
    long Endcap = -1;
    ZQR_Color Color;
  };

  // 200 x 100 pixels for SizeMm.
  explicit FixedAdvanceCanvas(long DeviceKind = 3, const ZQ_Point<double>& SizeMm = ZQ_Point<double>(50, 25))
      : ZQPIC_DeviceContextCanvas(SurfaceDC.GetHDC(), ZQ_Rectangle<long>(0, 0, 200, 100), DeviceKind, SizeMm) {
    Initialize();
  }

  ZQ_Point<double> GetTextSizeInMillimeters(const ZQ_String& Text) const override {
    ++NumMeasurements;
    const double h = GetGraphicsState().Font.GetHeight();
    return {0.2 * h * Text.GetLength(), 0.5 * h};
  }

  std::vector<Drawn> Log;
  mutable long NumMeasurements = 0;

 protected:
  void Imp_RealiseFont(ZQPIC_GraphicsState& State) override {
    ZQPIC_DeviceContextCanvas::Imp_RealiseFont(State);
    const double h = State.Font.GetHeight();
    ZQR_FontMetrics& m = State.FontMetrics;
    m.Height = 0.5 * h, m.Ascent = 0.4 * h, m.Descent = 0.1 * h;
    m.InternalLeading = 0.1 * h, m.ExternalLeading = 0.05 * h;
    m.AverageCharWidth = m.MaxCharWidth = m.SpaceWidth = m.WidestDigitWidth = 0.2 * h;
  }
  void Imp_DrawText(const ZQ_String& Text, const ZQ_Point<double>& TopLeft) override {
    const ZQ_Point<double> size = GetTextSizeInMillimeters(Text);
    --NumMeasurements;
    Log.push_back({"text", Text.GetText(), {TopLeft.X, TopLeft.Y, size.X, size.Y}, -1,
                   GetGraphicsState().TextColor});
  }
  void Imp_DrawImage(const ZQIMG_Image&, const ZQ_Point<double>& TopLeft, const ZQ_Point<long>& SizePx) override {
    const ZQ_Point<double> perMm = GetDevicePixelsPerMillimeter();
    Log.push_back({"image", "", {TopLeft.X, TopLeft.Y, SizePx.X / perMm.X, SizePx.Y / perMm.Y}, -1, {}});
  }
  void Imp_DrawPolyline(const ZQCG_Line& Line) override {
    Drawn d{"line", "", {}, GetGraphicsState().LineEndcapStyle, GetGraphicsState().DrawingColor};
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    for (long i = 0; i < Line.GetNumPoints(); ++i) {
      const ZQ_Point<double> p = Line.GetPoint(i);
      x0 = std::min(x0, p.X), y0 = std::min(y0, p.Y), x1 = std::max(x1, p.X), y1 = std::max(y1, p.Y);
    }
    d.Box = {x0, y0, x1 - x0, y1 - y0};
    Log.push_back(d);
  }
};

// A distribution context over a canvas, and options made by its factory.
struct LayoutOn {
  explicit LayoutOn(ZQPIC_Canvas& Canvas)
      : Context(Canvas, ZQFO_ExternalContext(), ZQ_CountedPtr<ZQFO_Cache>(new ZQFO_Cache), true, "Layout", false,
                Stylesheet) {}
  struct Settings {
    double FontHeight = 10;
    long Justification = 0;
    double LineSpacing = 1;
    long VerticalAlignment = 0;
    long Underline = 0;
    const char* Link = "";
    const char* Typeface = nullptr;
    ZQR_Color TextColor = ZQR_Color_Black;
  };
  ZQFO_FormattingOptions Options(const Settings& S) {
    ZQFO_FormattingOptionsFactory& f = Context.OptionsFactory;
    f.PushCurrentOptionsStack();
    if (S.Typeface) f.SetFontTypeface(S.Typeface, false);
    f.SetFontHeight(S.FontHeight, false), f.SetLineJustification(S.Justification, false);
    f.SetLineSpacing(S.LineSpacing, false), f.SetLineVerticalAlignment(S.VerticalAlignment, false);
    f.SetFontUnderline(S.Underline, false), f.SetLinkTarget(S.Link, false), f.SetTextColor(S.TextColor, false);
    f.SetBackgroundColor(ZQR_Color(0, 0, 255), false);
    const ZQFO_FormattingOptions options = f.GetFormattingOptions();
    f.PopCurrentOptionsStack();
    return options;
  }
  ZQFO_FormattingOptions Options(double FontHeight = 10) {
    Settings s;
    s.FontHeight = FontHeight;
    return Options(s);
  }
  ZQFO_Stylesheet Stylesheet;
  ZQFO_DistributionContext Context;
};

struct FixedCanvasHolder {
  FixedAdvanceCanvas Canvas;
};
struct FixedLayout : FixedCanvasHolder, LayoutOn {
  FixedLayout() : LayoutOn(Canvas) {}
};

// Flow objects linked in order, owned here.
struct Chain {
  std::vector<std::unique_ptr<ZQFO_FlowObject>> Objects;
  ZQFO_FlowObject* Add(ZQFO_FlowObject* Object, long BreakAfter = 0, long SpaceAfter = 0) {
    Object->WordBreakAfter = BreakAfter;
    Object->SpaceAfter = SpaceAfter;
    if (!Objects.empty()) Objects.back()->Next = Object;
    Objects.emplace_back(Object);
    return Object;
  }
  // Words separated by blanks, each a text of Options.
  void AddWords(ZQFO_DistributionContext& Context, const std::string& Text, const ZQFO_FormattingOptions& Options) {
    for (size_t at = 0; at < Text.size();) {
      const size_t end = std::min(Text.find(' ', at), Text.size());
      Add(new ZQFO_FlowObject_Text(Context, Options, Text.substr(at, end - at).c_str()));
      at = end + 1;
    }
  }
  ZQFO_FlowObject* First() const { return Objects.empty() ? nullptr : Objects.front().get(); }
  ZQFO_FlowObject* Last() const { return Objects.empty() ? nullptr : Objects.back().get(); }
};

#endif
