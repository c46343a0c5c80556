// WindowBorderTestSupport.h: border options whose setter-less values a test
// can set (as a subclass supplies them), the short names of the requests a
// border sends, and a rig: a recording parent holding a laid-out border, fed
// mouse messages as a window would.
#ifndef WINDOW_BORDER_TEST_SUPPORT_H
#define WINDOW_BORDER_TEST_SUPPORT_H

#include <memory>
#include <string>

#include "LayoutTestSupport.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_Window.h"
#include "ZQF_WindowBorderGlyph.h"
#include "ZQF_WindowBorderGlyphOptionsSet.h"

class TestBorderOptions : public ZQF_WindowBorderGlyphOptionsSet {
 public:
  long GetTitleBarHeightOverride() override { return HeightOverride; }
  bool ShowMinimizeButton() override { return Minimize; }
  bool ShowMaximizeButton() override { return Maximize; }
  bool IsMinimized() override { return Minimized; }
  bool IsMaximized() override { return Maximized; }
  bool ShowBitmap() override { return Bitmap; }
  ZQR_Color GetClientBackgroundColor() override { return ClientColor; }

  long HeightOverride = 0;
  bool Minimize = false, Maximize = false, Minimized = false, Maximized = false, Bitmap = false;
  ZQR_Color ClientColor = ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground);
};

// The request or command a border sends, "up" for a button's click, or "".
inline std::string RequestName(ZQF_Message& M) {
  if (dynamic_cast<ZQF_ContainerPositionDragRequestNotificationMessage*>(&M)) return "move";
  if (dynamic_cast<ZQF_ContainerSizeDragRequestNotificationMessage*>(&M)) return "size";
  if (dynamic_cast<ZQF_ContainerCloseRequestNotificationMessage*>(&M)) return "close";
  if (dynamic_cast<ZQF_ContainerToggleMinimizeRequestNotificationMessage*>(&M)) return "minimize";
  if (dynamic_cast<ZQF_ContainerToggleMaximizeRequestNotificationMessage*>(&M)) return "maximize";
  if (dynamic_cast<ZQF_Help_WhatsThisCommandMessage*>(&M)) return "whatsthis";
  if (dynamic_cast<ZQF_ButtonUpNotificationMessage*>(&M)) return "up";
  return "";
}

// A W x H recording parent holding a border around Client laid out over it;
// the requests reaching the parent on their first try are logged.
struct BorderRig {
  BorderRig(ZQF_WindowBorderGlyphOptionsSet* Options, long W, long H,
            ZQF_Glyph* Client = new SizedGlyph(100, 50, 30, 10, 1000, 1000))
      : Top(new RecordingGlyph("top", nullptr)),
        Border(new ZQF_WindowBorderGlyph(Client, Options)) {
    Top->OnOffer = [this](ZQF_Message& Message, bool SecondTry) {
      const std::string name = RequestName(Message);
      if (!SecondTry && !name.empty()) Requests += (Requests.empty() ? "" : " ") + name;
    };
    Top->SetBox(0, 0, W, H);
    Top->AddChild(Border, true);
    Border->UpdateDesiredSize();
    Top->LayoutChild(Border, Box(0, 0, W, H));
  }
  // To the capturing glyph, if any, as a window does; true when handled.
  template <class M>
  bool Mouse(const ZQ_Point<long>& P) {
    M message(P.X, P.Y, false, false, false);
    ZQF_Glyph* capturing = ZQF_Window::GetCapturingGlyph();
    (capturing ? capturing : static_cast<ZQF_Glyph*>(Top.get()))->Dispatch(message);
    return message.IsHandled();
  }

  std::unique_ptr<RecordingGlyph> Top;
  ZQF_WindowBorderGlyph* Border;
  std::string Requests;
};

inline ZQ_Point<long> CentreOf(const ZQF_Glyph* Glyph) {
  const ZQ_Rectangle<long>& b = Glyph->GetBoundingBox();
  return ZQ_Point<long>(b.X + b.Width / 2, b.Y + b.Height / 2);
}

#endif
