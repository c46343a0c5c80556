#include "ZQF_MessageRouter.h"

#include "ZQF_Glyph.h"
#include "ZQF_Message.h"
#include "ZQF_MessageHook.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"
#include "ZQ_Stack.h"

namespace {

unsigned long s_dispatchSerial = 0;

using GlyphStack = ZQ_Stack<ZQF_Glyph*, 100>;

// The shared routers, made on first use in this order and destroyed in the
// reverse order.
struct SharedRouters {
  ZQF_FocusPathMessageRouter FocusPath{false};
  ZQF_FocusPathMessageRouter FocusPathSkippingHidden{true};
  ZQF_MouseMessageRouter Mouse;
  ZQF_DepthFirstSearchMessageRouter DepthFirst{false};
  ZQF_DepthFirstSearchMessageRouter DepthFirstSkippingHidden{true};
  ZQF_SingleGlyphMessageRouter SingleGlyph{0xFFFF};
};

SharedRouters& Shared() {
  static SharedRouters s_routers;
  return s_routers;
}

ZQF_StandardMessageRouter s_standardRouter;

// Offers the glyphs of Offered, last pushed first, the second try.
bool OfferInPopOrder(ZQF_Message& Message, GlyphStack& Offered,
                     bool (*OfferGlyph)(ZQF_Message&, ZQF_Glyph*, bool)) {
  while (!Offered.IsEmpty()) {
    if (OfferGlyph(Message, Offered.Pop(), true)) return true;
  }
  return false;
}

}  // namespace

unsigned long ZQF_GetNextDispatchSerialNumber() { return ++s_dispatchSerial; }

ZQF_MessageRouter* ZQF_GetStandardRouter() { return &s_standardRouter; }
ZQF_MessageRouter* ZQF_GetFocusPathRouter(bool SkipHidden) {
  return SkipHidden ? &Shared().FocusPathSkippingHidden : &Shared().FocusPath;
}
ZQF_MessageRouter* ZQF_GetMouseRouter() { return &Shared().Mouse; }
ZQF_MessageRouter* ZQF_GetDepthFirstRouter(bool SkipHidden) {
  return SkipHidden ? &Shared().DepthFirstSkippingHidden : &Shared().DepthFirst;
}
ZQF_MessageRouter* ZQF_GetSingleGlyphRouter() { return &Shared().SingleGlyph; }

void ZQF_Glyph::Dispatch(ZQF_Message& Message, ZQF_MessageRouter* Router) {
  Message.Stamp(this, ZQF_GetNextDispatchSerialNumber());
  ZQF_ProcessStandardMessageHooks(Message);
  if (Message.IsHandled()) return;
  Forward(Message, Router);
}

void ZQF_Glyph::Forward(ZQF_Message& Message, ZQF_MessageRouter* Router) {
  (Router ? Router : Message.GetDefaultRouter())->RouteMessage(Message, this);
}

ZQF_MessageRouter::~ZQF_MessageRouter() = default;

bool ZQF_MessageRouter::Offer(ZQF_Message& Message, ZQF_Glyph* Glyph, bool SecondTry) {
  Message.CheckHandler(Glyph, SecondTry);
  if (!Message.IsHandled()) return false;
  Message.SetHandlingGlyph(Glyph);
  return true;
}

void ZQF_StandardMessageRouter::RouteMessage(ZQF_Message& Message, ZQF_Glyph* StartGlyph) {
  GlyphStack offered;
  for (ZQF_Glyph* g = StartGlyph; g; g = g->GetParent()) {
    if (Offer(Message, g, false)) return;
    offered.Push(g);
  }
  OfferInPopOrder(Message, offered, &Offer);
}

ZQF_FocusPathMessageRouter::TryAlternativePaths::~TryAlternativePaths() = default;

void ZQF_FocusPathMessageRouter::RouteMessage(ZQF_Message& Message, ZQF_Glyph* StartGlyph) {
  if (SkipHidden && StartGlyph->IsHiddenBySize()) return;
  ZQF_Glyph* g = StartGlyph;
  for (;;) {
    if (Offer(Message, g, false)) return;
    ZQF_Glyph* next = g->GetFocusChild();
    if (!next || (SkipHidden && next->IsBoundingBoxEmpty())) break;
    g = next;
  }
  for (;;) {
    if (Offer(Message, g, true) || TryOtherChildren(Message, g)) return;
    if (g == StartGlyph) return;
    g = g->GetParent();
    ZQ_ASSERT_TEXT(g, "G");
    if (!g) return;
  }
}

bool ZQF_FocusPathMessageRouter::TryOtherChildren(ZQF_Message& Message, ZQF_Glyph* Glyph) {
  if (dynamic_cast<ZQF_FocusChangeMessage*>(&Message)) return false;
  if (!dynamic_cast<TryAlternativePaths*>(Glyph)) return false;
  for (ZQF_Glyph* c = Glyph->GetFirstChild(); c; c = c->GetNextSibling()) {
    if (c == Glyph->GetFocusChild()) continue;
    RouteMessage(Message, c);
    if (Message.IsHandled()) return true;
  }
  return false;
}

void ZQF_TargetPointMessageRouter::RouteMessage(ZQF_Message& Message, ZQF_Glyph* StartGlyph) {
  // Each next child is chosen after a handler ran, and a handler may route
  // another message through this very router.
  const ZQ_Point<long> target = TargetPoint;
  ZQF_Glyph* g = StartGlyph;
  for (;;) {
    if (Offer(Message, g, false)) return;
    ZQF_Glyph* next = g->GetChildAtPoint(target.X, target.Y);
    if (!next) break;
    g = next;
  }
  for (;;) {
    if (Offer(Message, g, true) || g == StartGlyph) return;
    g = g->GetParent();
    ZQ_ASSERT_TEXT(g, "G");
    if (!g) return;
  }
}

void ZQF_MouseMessageRouter::RouteMessage(ZQF_Message& Message, ZQF_Glyph* StartGlyph) {
  if (const ZQF_MouseMessage* mouse = dynamic_cast<ZQF_MouseMessage*>(&Message)) {
    SetTargetPoint(mouse->GetPosition());
  } else {
    POINT cursor;
    ZQLOW_WINUSER::GetCursorPos(&cursor);
    SetTargetPoint(StartGlyph->ScreenToWindow(ZQ_Point<long>(cursor.x, cursor.y)));
  }
  ZQF_TargetPointMessageRouter::RouteMessage(Message, StartGlyph);
}

template <class Stack>
bool ZQF_DepthFirstSearchMessageRouter::SearchSelfThenChildren(ZQF_Message& Message,
                                                               ZQF_Glyph* Glyph,
                                                               Stack& Offered) {
  if (SkipHidden && Glyph->IsBoundingBoxEmpty()) return false;
  if (Offer(Message, Glyph, false)) return true;
  Offered.Push(Glyph);
  for (ZQF_Glyph* c = Glyph->GetFirstChild(); c; c = c->GetNextSibling()) {
    if (SearchSelfThenChildren(Message, c, Offered)) return true;
  }
  return false;
}

void ZQF_DepthFirstSearchMessageRouter::RouteMessage(ZQF_Message& Message,
                                                      ZQF_Glyph* StartGlyph) {
  if (SkipHidden && StartGlyph->IsHiddenBySize()) return;
  GlyphStack offered;
  for (ZQF_Glyph* c = StartGlyph->GetFirstChild(); c; c = c->GetNextSibling()) {
    if (SearchSelfThenChildren(Message, c, offered)) return;
  }
  OfferInPopOrder(Message, offered, &Offer);
}

void ZQF_SingleGlyphMessageRouter::RouteMessage(ZQF_Message& Message, ZQF_Glyph* StartGlyph) {
  if (!Message.IsHandled() && (TryMask & Try_First)) Message.CheckHandler(StartGlyph, false);
  if (!Message.IsHandled() && (TryMask & Try_Second)) Message.CheckHandler(StartGlyph, true);
  if (Message.IsHandled()) Message.SetHandlingGlyph(StartGlyph);
}
