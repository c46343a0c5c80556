// ZQF_Glyph.h: the self-drawn element of the GUI toolkit, a node of the glyph
// tree of one window. A glyph owns its children (a singly linked list in
// drawing order), knows its parent, its bounding box in the window's client
// coordinates, its desired size, the child that lies on the focus path, its
// help topics and whether it is enabled and initialised.
// The tree operations, enabling, initialisation, coordinates, help topics and
// the debug description live in ZQF_Glyph.cpp; layout, repaint requests, the
// focus path and mouse capture in ZQF_GlyphLayout.cpp; drawing in
// ZQF_GlyphDrawing.cpp; dispatching with the routers (ZQF_MessageRouter.cpp).
// Structural misuse is an assertion failure; the operations do not repair the
// tree. Every concrete glyph derives from ZQF_DrawableGlyph or
// ZQF_OrganizationalGlyph. UI thread only.
#ifndef ZQF_GLYPH_H
#define ZQF_GLYPH_H

#include "ZQF_DesiredSize.h"
#include "ZQLOW_Windows.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"
#include "ZQ_String.h"

class ZQ_TextStreamFormatter;
class ZQF_Canvas;
class ZQF_Window;
class ZQF_Message;
class ZQF_MessageRouter;
class ZQF_KeyMessage;
class ZQF_MouseMessage;
class ZQF_WheelMouseMessage;
class ZQF_FocusChangeMessage;
class ZQF_CommandMessage;
class ZQF_UpdateMessage;
class ZQF_NotificationMessage;
class ZQF_GenericMessage;
class ZQF_HelpMessage;
class ZQF_ControlGlyph;

class ZQF_Glyph {
 public:
  // The position of a glyph that is not placed.
  static constexpr long UnsetPosition = -9999999;
  // The widest maximum the tree itself ever sets.
  static constexpr long UnboundedMaximum = ZQF_DesiredSize::UnboundedMaximum;

  // The clipping choices of Clip.
  enum ClipFlag { Clip_Children = 0, Clip_Self = 1, Clip_SelfAndChildren = 2 };

  ZQF_Glyph();
  ZQF_Glyph(const ZQF_Glyph&) = delete;
  ZQF_Glyph& operator=(const ZQF_Glyph&) = delete;
  // Tells the glyph activity hooks, then deletes the children.
  virtual ~ZQF_Glyph();

  // One-time set-up before the first desired size; the base only asserts
  // "not IsInitialized()".
  virtual void InitializeSelf();
  // Hands an enabled state down: a child whose state already matches is
  // skipped together with its subtree.
  virtual void SetChildrenEnabled(bool Enabled);
  virtual void DrawSelf(ZQF_Canvas& Canvas);
  virtual void DrawChildren(ZQF_Canvas& Canvas);
  virtual bool IsDrawable() const;
  // This glyph's own desired size from its children's (valid when called).
  virtual void UpdateMyDesiredSize();
  // Called after the bounding box changed: places the children.
  virtual void AcceptLayout();
  virtual bool IsResizeAnchor() const;
  // Recomputes stale desired sizes bottom-up, initialising on first use.
  virtual void UpdateDesiredSize();
  virtual void Validate();
  virtual void ValidateSelf();
  // Brings Descendant into view; true only when something changed.
  virtual bool MakeChildVisible(ZQF_Glyph* Descendant);

  // Message handlers: SecondTry is false on the router's first try. A
  // handler claims a message with SetHandled; the base ones leave it.
  virtual void HandleCommand(ZQF_CommandMessage& Message, bool SecondTry);
  virtual void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry);
  virtual void HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry);
  virtual void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry);
  virtual void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry);
  virtual void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry);
  virtual void HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry);
  virtual void HandleMouseRightDown(ZQF_MouseMessage& Message, bool SecondTry);
  virtual void HandleMouseRightDoubleClick(ZQF_MouseMessage& Message, bool SecondTry);
  virtual void HandleMouseRightUp(ZQF_MouseMessage& Message, bool SecondTry);
  virtual void HandleMouseMiddleDown(ZQF_MouseMessage& Message, bool SecondTry);
  virtual void HandleMouseMiddleDoubleClick(ZQF_MouseMessage& Message, bool SecondTry);
  virtual void HandleMouseMiddleUp(ZQF_MouseMessage& Message, bool SecondTry);
  virtual void HandleMouseWheel(ZQF_WheelMouseMessage& Message, bool SecondTry);
  virtual void HandleMouseMove(ZQF_MouseMessage& Message, bool SecondTry);
  virtual void HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry);
  virtual void HandleFocusChange(ZQF_FocusChangeMessage& Message, bool SecondTry);
  virtual void HandleKey(ZQF_KeyMessage& Message, bool SecondTry);
  virtual void HandleKeyUp(ZQF_KeyMessage& Message, bool SecondTry);
  // Adds this glyph's help topics on the first try.
  virtual void HandleHelp(ZQF_HelpMessage& Message, bool SecondTry);

  // Eight lines: type, address, desired size (three lines), bounding box,
  // links and children. A glyph without a valid desired size writes one line
  // saying so in place of the three size lines.
  virtual void WriteDebugDescription(ZQ_TextStreamFormatter& Out);

  // --- Tree structure.
  // The first child of an empty list becomes the focus child. A disabled
  // parent disables the child.
  void AddChild(ZQF_Glyph* Child, bool AtEnd);
  // Unlinks a direct child without deleting it; the child keeps no sibling.
  void RemoveChild(ZQF_Glyph* Child);
  void DeleteChild(ZQF_Glyph* Child);
  void DeleteChildren();
  // Mode 0: remove and add at the front (a focus child stops being one).
  // Mode 1: rotate the list so that Child leads; the focus child stays.
  void MoveChildToFront(ZQF_Glyph* Child, int Mode);
  void AddBeforeChild(ZQF_Glyph* NewChild, ZQF_Glyph* ExistingChild);
  // Never changes the focus child.
  void AddAfterChild(ZQF_Glyph* NewChild, ZQF_Glyph* ExistingChild);
  // This glyph takes ExistingGlyph's place and contains it as first child.
  void SpliceInToContain(ZQF_Glyph* ExistingGlyph);
  // The children take this glyph's place in the parent; this glyph ends
  // detached and childless.
  void SpliceOut();

  ZQF_Glyph* GetParent() const { return Parent; }
  ZQF_Glyph* GetFirstChild() const { return FirstChild; }
  ZQF_Glyph* GetNextSibling() const { return NextSibling; }
  ZQF_Glyph* GetFocusChild() const { return FocusChild; }
  ZQF_Glyph* GetLastChild() const;
  ZQF_Glyph* GetChildAfter(ZQF_Glyph* Child) const;
  ZQF_Glyph* GetChildBefore(ZQF_Glyph* Child) const;
  ZQF_Glyph* GetRoot();
  static bool IsDirectChildOf(const ZQF_Glyph* Child, const ZQF_Glyph* Parent);
  static bool IsDescendantOf(const ZQF_Glyph* Child, const ZQF_Glyph* Parent);
  bool IsAncestorOf(const ZQF_Glyph* Glyph) const;
  long CountNumberOfDirectChildren() const;
  ZQF_Glyph* GetChildAtPoint(long X, long Y) const;
  bool ContainsPoint(long X, long Y) const;
  bool IsBoundingBoxEmpty() const { return BoundingBox.Width < 1 || BoundingBox.Height < 1; }
  bool IsHiddenBySize() const;
  // The first control glyph in pre-order, skipping empty boxes with their
  // subtrees; null when there is none.
  static ZQF_Glyph* SearchForChildControl(ZQF_Glyph* Glyph);

  // --- Enabling and initialisation.
  void SetEnabled(bool Enabled);
  bool IsEnabled() const { return (Flags & Flag_Disabled) == 0; }
  bool IsDisabled() const { return !IsEnabled(); }
  void Initialize();
  bool IsInitialized() const { return (Flags & Flag_Initialized) != 0; }

  // --- Windows and coordinates.
  ZQF_Window* GetParentWindow();
  HWND GetParentWindowHandle();
  bool IsInFullScreenWindow() const { return false; }
  ZQ_Point<long> GlyphToWindow(const ZQ_Point<long>& P) const;
  ZQ_Point<long> WindowToGlyph(const ZQ_Point<long>& P) const;
  ZQ_Point<long> WindowToScreen(const ZQ_Point<long>& P);
  ZQ_Point<long> ScreenToWindow(const ZQ_Point<long>& P);
  ZQ_Point<long> GlyphToScreen(const ZQ_Point<long>& P);
  ZQ_Point<long> ScreenToGlyph(const ZQ_Point<long>& P);
  ZQ_Rectangle<long> GlyphToWindow(const ZQ_Rectangle<long>& R) const;
  ZQ_Rectangle<long> WindowToGlyph(const ZQ_Rectangle<long>& R) const;
  ZQ_Rectangle<long> WindowToScreen(const ZQ_Rectangle<long>& R);
  ZQ_Rectangle<long> ScreenToWindow(const ZQ_Rectangle<long>& R);
  ZQ_Rectangle<long> GlyphToScreen(const ZQ_Rectangle<long>& R);
  ZQ_Rectangle<long> ScreenToGlyph(const ZQ_Rectangle<long>& R);
  // The cursor in glyph-local coordinates; (-9999, -9999) outside a window.
  ZQ_Point<long> GetCurrentMouseLocation();

  // --- Help topics (a topic list text).
  void AddHelpTopic(const ZQ_String& Topic, int Number = 0);
  void AppendHelpTopics(const ZQ_String& Topics);
  const ZQ_String& GetHelpTopics() const { return HelpTopics; }

  // --- Geometry.
  const ZQ_Rectangle<long>& GetBoundingBox() const { return BoundingBox; }
  ZQ_Rectangle<long> GetLocalBoundingBox() const {
    return ZQ_Rectangle<long>(0, 0, BoundingBox.Width, BoundingBox.Height);
  }
  const ZQF_DesiredSize& GetDesiredSize() const { return DesiredSize; }

  // --- Layout (ZQF_GlyphLayout.cpp).
  // Places Child at Origin (this glyph's local coordinates) with Extent; a
  // child whose box does not change is not laid out again.
  void LayoutChild(ZQF_Glyph* Child, const ZQ_Point<long>& Origin, const ZQ_Point<long>& Extent);
  void LayoutChild(ZQF_Glyph* Child, const ZQ_Rectangle<long>& LocalBox);
  // Content changed size: marks the path to the resize anchor stale and lays
  // the anchor out again.
  void Resize();
  ZQF_Glyph* InvalidateToResizeAnchor();
  // The desired size reads as stale and the position as unset, so that the
  // next layout computes both anew.
  void MarkLayoutStale();
  void ProcessResize();
  void ValidateChildren();

  // --- Repaint requests.
  void QueueVisualStateUpdate();
  void InvalidateBoundingBoxRect();
  void InvalidateRect(long X, long Y, long Width, long Height);

  // --- Drawing (ZQF_GlyphDrawing.cpp).
  void Draw(ZQF_Canvas& Canvas);
  bool Clip(ZQF_Canvas& Canvas, ClipFlag Flag);
  static bool ExcludeDrawableChildren(ZQF_Glyph* Glyph, ZQF_Canvas& Canvas,
                                      const ZQ_Rectangle<long>& Limit);

  // --- Focus path.
  bool IsOnFocusPath();
  void SetFocusChild(ZQF_Glyph* Child);
  // True when this glyph is on the focus path afterwards; false when a glyph
  // refused to give up the focus (nothing changed then).
  bool PutOnFocusPath();
  void MakeVisible();

  // --- Mouse capture (one for the whole program).
  void CaptureMouse();
  void ReleaseMouse();
  bool HasMouseCapture() const;
  ZQ_Point<long> GetCapturedMouseLocation();

  // --- Messages (ZQF_MessageRouter.cpp).
  // Stamps Message, runs the standard message hooks and, unless one claimed
  // it, routes it from this glyph (Router, or the message's default).
  void Dispatch(ZQF_Message& Message, ZQF_MessageRouter* Router = nullptr);
  // Routes only: no stamp, no hooks.
  void Forward(ZQF_Message& Message, ZQF_MessageRouter* Router = nullptr);

 protected:
  void SetSelfEnabled(bool Enabled);
  void SetBoundingBox(const ZQ_Rectangle<long>& Box) { BoundingBox = Box; }
  // Moves Glyph's box without a layout, for glyphs that shift boxes they do
  // not lay out (scrolling).
  static void OffsetBoundingBox(ZQF_Glyph* Glyph, long DX, long DY) {
    Glyph->BoundingBox.X += DX;
    Glyph->BoundingBox.Y += DY;
  }

 private:
  enum { Flag_Initialized = 1, Flag_Disabled = 2 };

  void LinkAtFront(ZQF_Glyph* Child);
  void AdoptChild(ZQF_Glyph* Child);
  ZQF_Glyph* FindPredecessor(ZQF_Glyph* Child) const;
  // Links Replacement (a chain ending where Child ended) where Child was.
  void RelinkInPlaceOf(ZQF_Glyph* Child, ZQF_Glyph* Replacement);
  void WriteDesiredSizeLines(ZQ_TextStreamFormatter& Out) const;
  ZQ_Point<long> WindowToScreenOrSame(const ZQ_Point<long>& P, bool ToScreen);

  ZQF_Glyph* Parent = nullptr;
  ZQF_Glyph* FirstChild = nullptr;
  ZQF_Glyph* NextSibling = nullptr;
  ZQ_Rectangle<long> BoundingBox;

 protected:
  // Subclasses compute it in UpdateMyDesiredSize.
  ZQF_DesiredSize DesiredSize;

 private:
  ZQF_Glyph* FocusChild = nullptr;
  ZQ_String HelpTopics;
  unsigned char Flags = 0;
};

// A glyph that paints itself.
class ZQF_DrawableGlyph : public ZQF_Glyph {
 public:
  bool IsDrawable() const override;
};

// A glyph that only lays its children out and paints nothing.
class ZQF_OrganizationalGlyph : public ZQF_Glyph {
 public:
  bool IsDrawable() const override;
};

// The glyph's dynamic class name as written in the source ("ZQF_ListGlyph");
// the compiler's mangled name when it cannot be demangled.
ZQ_String RunTimeClassName(const ZQF_Glyph& Glyph);

#endif
