// ZQF_MessageRouter.h: the routers that carry a message through a glyph
// tree, in two tries, and the dispatch serial numbers. Offering a glyph a
// message calls the message's CheckHandler; the first glyph that leaves the
// message handled is recorded as the handling glyph and ends the route.
//   standard      up the parent chain from the start glyph, then back down;
//   focus path    down the focus path, then back up (optionally skipping
//                 glyphs with empty boxes);
//   target point  down through the glyphs under a window point, then back up;
//   mouse         the target point of the mouse message (or the cursor);
//   depth first   every glyph below the start glyph in pre-order, then back
//                 in reverse order (never the start glyph itself);
//   single glyph  the start glyph only, in the tries of its mask.
// The shared routers live from first use to static destruction. A route
// reads everything it steers by when it starts, so a handler may dispatch
// further messages through the same router. UI thread only.
#ifndef ZQF_MESSAGEROUTER_H
#define ZQF_MESSAGEROUTER_H

#include "ZQ_Point.h"

class ZQF_Glyph;
class ZQF_Message;

// Increments the program's dispatch serial (0 at start) and returns it.
unsigned long ZQF_GetNextDispatchSerialNumber();

class ZQF_MessageRouter {
 public:
  virtual ~ZQF_MessageRouter();
  virtual void RouteMessage(ZQF_Message& Message, ZQF_Glyph* StartGlyph) = 0;

 protected:
  // Offers Glyph the message; true (with Glyph recorded) when it is then
  // handled.
  static bool Offer(ZQF_Message& Message, ZQF_Glyph* Glyph, bool SecondTry);
};

class ZQF_StandardMessageRouter : public ZQF_MessageRouter {
 public:
  void RouteMessage(ZQF_Message& Message, ZQF_Glyph* StartGlyph) override;
};

class ZQF_FocusPathMessageRouter : public ZQF_MessageRouter {
 public:
  // A glyph class that also derives from this marker has its other children
  // tried, each down its own focus path, when the focus path below it left a
  // message (other than a focus change) unhandled.
  class TryAlternativePaths {
   public:
    virtual ~TryAlternativePaths();
  };

  explicit ZQF_FocusPathMessageRouter(bool SkipHidden) : SkipHidden(SkipHidden) {}
  void RouteMessage(ZQF_Message& Message, ZQF_Glyph* StartGlyph) override;

 private:
  bool TryOtherChildren(ZQF_Message& Message, ZQF_Glyph* Glyph);

  bool SkipHidden;
};

class ZQF_TargetPointMessageRouter : public ZQF_MessageRouter {
 public:
  explicit ZQF_TargetPointMessageRouter(const ZQ_Point<long>& TargetPoint = ZQ_Point<long>())
      : TargetPoint(TargetPoint) {}
  void SetTargetPoint(const ZQ_Point<long>& Point) { TargetPoint = Point; }
  const ZQ_Point<long>& GetTargetPoint() const { return TargetPoint; }
  // Descends by a copy of the target point taken here.
  void RouteMessage(ZQF_Message& Message, ZQF_Glyph* StartGlyph) override;

 private:
  ZQ_Point<long> TargetPoint;  // window coordinates
};

class ZQF_MouseMessageRouter : public ZQF_TargetPointMessageRouter {
 public:
  // The target point is the mouse message's position, or the cursor's
  // position in the start glyph's window for other messages.
  void RouteMessage(ZQF_Message& Message, ZQF_Glyph* StartGlyph) override;
};

class ZQF_DepthFirstSearchMessageRouter : public ZQF_MessageRouter {
 public:
  explicit ZQF_DepthFirstSearchMessageRouter(bool SkipHidden) : SkipHidden(SkipHidden) {}
  void RouteMessage(ZQF_Message& Message, ZQF_Glyph* StartGlyph) override;

 private:
  template <class Stack>
  bool SearchSelfThenChildren(ZQF_Message& Message, ZQF_Glyph* Glyph, Stack& Offered);

  bool SkipHidden;
};

class ZQF_SingleGlyphMessageRouter : public ZQF_MessageRouter {
 public:
  enum { Try_First = 1, Try_Second = 2 };
  explicit ZQF_SingleGlyphMessageRouter(unsigned long TryMask) : TryMask(TryMask) {}
  void RouteMessage(ZQF_Message& Message, ZQF_Glyph* StartGlyph) override;

 private:
  unsigned long TryMask;
};

// The shared routers.
ZQF_MessageRouter* ZQF_GetStandardRouter();
ZQF_MessageRouter* ZQF_GetFocusPathRouter(bool SkipHidden);
ZQF_MessageRouter* ZQF_GetMouseRouter();
ZQF_MessageRouter* ZQF_GetDepthFirstRouter(bool SkipHidden);
// Both tries.
ZQF_MessageRouter* ZQF_GetSingleGlyphRouter();

#endif
