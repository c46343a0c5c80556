// ZQF_GridInteractionQueryMessage.h: the queries a grid that contains
// controls dispatches to ask whether a control wants a key or mouse event.
// The answer is 1 when the control wants it and 0 (the default) when it
// leaves it to the grid. The key query goes down the focus path; the mouse
// query to the glyphs under its point.
#ifndef ZQF_GRIDINTERACTIONQUERYMESSAGE_H
#define ZQF_GRIDINTERACTIONQUERYMESSAGE_H

#include "ZQF_Message.h"
#include "ZQF_MessageRouter.h"

class ZQF_GridGlyph_ContainingGridInteractionQueryMessage : public ZQF_GenericMessage {
 public:
  long Answer = 0;
};

class ZQF_GridGlyph_ContainingGridInteractionQueryKeyMessage
    : public ZQF_GridGlyph_ContainingGridInteractionQueryMessage {
 public:
  explicit ZQF_GridGlyph_ContainingGridInteractionQueryKeyMessage(const ZQF_KeyMessage& Key)
      : Key(Key) {}
  ZQF_MessageRouter* GetDefaultRouter() override;
  const ZQF_KeyMessage& GetKeyMessage() const { return Key; }

 private:
  const ZQF_KeyMessage& Key;
};

class ZQF_GridGlyph_ContainingGridInteractionQueryMouseMessage
    : public ZQF_GridGlyph_ContainingGridInteractionQueryMessage {
 public:
  explicit ZQF_GridGlyph_ContainingGridInteractionQueryMouseMessage(const ZQF_MouseMessage& Mouse)
      : Mouse(Mouse), Router(Mouse.GetPosition()) {}
  ZQF_MessageRouter* GetDefaultRouter() override { return &Router; }
  const ZQF_MouseMessage& GetMouseMessage() const { return Mouse; }

 private:
  const ZQF_MouseMessage& Mouse;
  ZQF_TargetPointMessageRouter Router;
};

// True for the keys that move within a grid: Enter, Tab, the arrows, Page
// Up and Down, Home and End (framework codes 1-4, 9, 11, 13-16).
bool ZQF_IsNavigationKeyMessage(
    const ZQF_GridGlyph_ContainingGridInteractionQueryKeyMessage& Query);

#endif
