// ZQF_ListGlyphElement.h: one row of a ZQF_ListGlyph and one node of its
// element tree. An element draws its own row, reports its width and height,
// and gets first refusal on the keys, clicks, commands, tooltips and
// drag-overs that concern it; the list does the bookkeeping. An element owns
// its children (its destructor deletes the subtree); the list owns the
// roots. Children made on demand come from CreateVirtualChildren, which the
// list runs once, when the element is first opened. The two text elements
// (ZQF_StringListGlyphElement.h) are the ones the system derives from.
// UI thread only.
#ifndef ZQF_LISTGLYPHELEMENT_H
#define ZQF_LISTGLYPHELEMENT_H

#include "ZQR_TransparentBitmap.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"
#include "ZQ_UID.h"

class ZQF_Canvas;
class ZQF_ListGlyph;
class ZQF_KeyMessage;
class ZQF_MouseMessage;
class ZQF_CommandMessage;
class ZQF_UpdateMessage;
class ZQF_TooltipsMessage;
class ZQF_DragOperationMessage;

// What the list knows about a row when it draws it.
struct ZQF_ListGlyphElementDrawState {
  // 0 the focus element of a list on the focus path, 1 another element of
  // such a list, 2 the list is not on the focus path.
  int FocusState = 2;
  // 0 open with children, 1 closed with children, 2 no children.
  int NodeState = 2;
  bool IsSelected = false;
  bool IsEnabled = true;
};

class ZQF_ListGlyphElement {
 public:
  ZQF_ListGlyphElement() = default;
  ZQF_ListGlyphElement(const ZQF_ListGlyphElement&) = delete;
  ZQF_ListGlyphElement& operator=(const ZQF_ListGlyphElement&) = delete;
  // Deletes the children, each with its subtree.
  virtual ~ZQF_ListGlyphElement();

  // Draws the row into Rectangle (list-local pixels).
  virtual void DrawSelf(ZQF_Canvas& Canvas, const ZQ_Rectangle<long>& Rectangle,
                        const ZQF_ListGlyphElementDrawState& State) = 0;
  // The content's width in pixels, without the indentation.
  virtual long GetWidth() = 0;
  // The row height in pixels; every element of one list answers the same.
  virtual long GetHeight() = 0;
  // FirstChild is set; an element that makes its children on demand
  // answers true before they exist.
  virtual bool HasChildren();
  virtual void CreateVirtualChildren();
  // Text colour (also the pen) and, for a selection, the background.
  virtual void SetStandardColors(ZQF_Canvas& Canvas, const ZQF_ListGlyphElementDrawState& State);
  // Boolean metric 1.
  virtual bool ShowsFocusIndicator();
  // The list's node bitmap set's picture for State.
  virtual ZQR_TransparentBitmap GetNodeBitmap(ZQF_ListGlyph* List,
                                              const ZQF_ListGlyphElementDrawState& State);
  // Hooks: a hook that takes its message marks it handled and the list then
  // skips its controller. Points: x from the content's left edge, y in
  // list coordinates.
  virtual void HandleKey(ZQF_KeyMessage& Message, ZQF_ListGlyph* List);
  virtual void HandleMouseLeftDown(ZQF_MouseMessage& Message, const ZQ_Point<long>& Point,
                                   ZQF_ListGlyph* List);
  virtual void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message,
                                          const ZQ_Point<long>& Point, ZQF_ListGlyph* List);
  virtual void HandleMouseRightDown(ZQF_MouseMessage& Message, const ZQ_Point<long>& Point,
                                    ZQF_ListGlyph* List);
  virtual void HandleCommand(ZQF_CommandMessage& Message, ZQF_ListGlyph* List);
  virtual void HandleUpdate(ZQF_UpdateMessage& Message, ZQF_ListGlyph* List);
  // Point and ElementRectangle in list-local pixels.
  virtual void HandleTooltipsMessage(ZQF_TooltipsMessage& Message, const ZQ_Point<long>& Point,
                                     const ZQ_Rectangle<long>& ElementRectangle,
                                     ZQF_ListGlyph* List);
  // A content press moved beyond the drag threshold (the focus element).
  virtual void HandleDragStart();
  // A drag passes over the content; handling it accepts the drop.
  virtual void HandleDragOperationMessage(ZQF_DragOperationMessage& Message);
  // The hash of the element's address.
  virtual ZQ_UID GetHash();

  // Links Child as the last child without any list bookkeeping: only from
  // CreateVirtualChildren.
  void AddVirtualChild(ZQF_ListGlyphElement* Child);
  // Runs CreateVirtualChildren once, while the element has no child.
  void InsureVirtualChildrenCreated();

  ZQF_ListGlyphElement* GetParent() const { return Parent; }
  ZQF_ListGlyphElement* GetFirstChild() const { return FirstChild; }
  ZQF_ListGlyphElement* GetLastChild() const { return LastChild; }
  ZQF_ListGlyphElement* GetNextSibling() const { return NextSibling; }
  bool IsSelected() const { return Selected; }
  bool IsOpen() const { return Open; }
  bool IsClosed() const { return !Open; }

 private:
  // The list links, opens and selects.
  friend class ZQF_ListGlyph;

  ZQF_ListGlyphElement* Parent = nullptr;
  ZQF_ListGlyphElement* FirstChild = nullptr;
  ZQF_ListGlyphElement* LastChild = nullptr;
  ZQF_ListGlyphElement* NextSibling = nullptr;
  bool Selected = false;
  bool Open = false;
  bool VirtualChildrenCreated = false;
};

#endif
