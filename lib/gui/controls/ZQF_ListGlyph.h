// ZQF_ListGlyph.h: the self-drawn list and tree control. It owns a tree of
// ZQF_ListGlyphElement rows and shows the visible ones (every root, and
// every element whose ancestors are all open) as rows of one height; it
// keeps one focus element and a selection, and owns a vertical and a
// horizontal scroll bar as its first and second child. Keys and clicks that
// the focus element leaves go to the owned controller
// (ZQF_ListGlyphController.h); node boxes come from a shared node bitmap set
// (ZQF_ListGlyphNodeBitmapSet.h). Selection changes travel up the parent
// chain as a ZQF_ListSelectionChangeNotificationMessage, keyboard ones
// optionally delayed until the keys are released.
// Indices count rows of the visible sequence (the pre-order walk entering
// only open elements); the focus and the top row are indices that every
// change keeps on their elements. Coordinates are glyph-local.
// Bookkeeping lives in ZQF_ListGlyph.cpp, layout, drawing and hit tests in
// ZQF_ListGlyphGeometry.cpp, message handling and notifications in
// ZQF_ListGlyphInput.cpp. Misuse fails an assertion. UI thread only.
#ifndef ZQF_LISTGLYPH_H
#define ZQF_LISTGLYPH_H

#include "ZQF_ControlGlyph.h"
#include "ZQF_ListGlyphElement.h"
#include "ZQR_Color.h"

class ZQF_ListGlyphController;
class ZQF_ListGlyphNodeBitmapSet;
class ZQF_ListGlyphChangeNotificationDelayTimer;
class ZQF_VerticalScrollBarGlyph;
class ZQF_HorizontalScrollBarGlyph;

class ZQF_ListGlyph : public ZQF_ControlGlyph {
 public:
  enum : int { Subset_All = 0, Subset_Visible = 1 };
  enum : int {
    ElementSection_Content = 0,
    ElementSection_NodeBitmap = 1,
    ElementSection_Indentation = 2,
    ElementSection_VerticalScrollBar = 3,
    ElementSection_LeftBorder = 4
  };
  enum : int { ListChange_Mouse = 0, ListChange_Keyboard = 1 };

  // ListKind 1: a tree; anything else a flat list. Win95 node boxes, the
  // regular controller, two scroll bars.
  explicit ZQF_ListGlyph(int ListKind);
  // Stops the delay timer (and the autoscroll timer when it serves this
  // list), deletes the elements and the controller.
  ~ZQF_ListGlyph() override;

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  void HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) override;
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  void HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) override;
  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseRightDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseMiddleDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseWheel(ZQF_WheelMouseMessage& Message, bool SecondTry) override;
  void HandleMouseMove(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;
  void HandleKeyUp(ZQF_KeyMessage& Message, bool SecondTry) override;

  // Colour metric 9 enabled, 32 disabled.
  virtual ZQR_Color Cust_GetBackgroundColor();
  // Colour metric 10 enabled, 4 disabled.
  virtual ZQR_Color Cust_GetLineColor();

  // --- Contents. The list takes ownership of each element.
  void InsertAsLastRoot(ZQF_ListGlyphElement* Element);
  void InsertAsLastChild(ZQF_ListGlyphElement* ExistingElement, ZQF_ListGlyphElement* Element);
  // Deletes every element and forgets the row height.
  void Clear();

  // --- Open state. Open, Close and ToggleOpen do nothing for an element
  // without children or already in the state asked for.
  void Open(ZQF_ListGlyphElement* Element);
  void Close(ZQF_ListGlyphElement* Element);
  void ToggleOpen(ZQF_ListGlyphElement* Element);
  void OpenAll();
  void CloseAll();
  void OpenToRoot(ZQF_ListGlyphElement* Element);
  using ZQF_Glyph::MakeVisible;
  void MakeVisible(ZQF_ListGlyphElement* Element);

  // --- Focus and selection.
  // Null for an empty list.
  ZQF_ListGlyphElement* GetFocusElement();
  void SetFocus(ZQF_ListGlyphElement* Element);
  void SetFocusToTopElement();
  // Counts as a change even when the element was selected.
  void Select(ZQF_ListGlyphElement* Element, bool Exclusive);
  void UnselectAll();
  void SelectFocusElement(bool Exclusive);

  // --- Options.
  // Milliseconds; negative: time metric 3.
  void SetChangeNotificationDelay(long DelayMs);
  void SetDrawHierarchicalLines(bool Draw);
  void SetSelectFollowsMouse(bool Follows);
  // 0 none, 1 plain, 2 Win95, 3 subtle; other codes keep the current set.
  void SetNodeBitmapSet(int Code);
  // 0 regular, 1 maintain indent level; another code fails "false".
  void SetController(int Code);

  // --- Queries.
  bool IsEmpty() const { return NumVisibleElements == 0; }
  long GetHierarchicalLevel(const ZQF_ListGlyphElement* Element) const;
  ZQF_ListGlyphElement* GetNext(ZQF_ListGlyphElement* Element, int Subset) const;
  ZQF_ListGlyphElement* GetPrev(ZQF_ListGlyphElement* Element, int Subset) const;
  bool IsMember(const ZQF_ListGlyphElement* Element, int Subset) const;
  ZQF_ListGlyphElement* FindElementByIndex(long Index, int Subset) const;
  long ComputeIndex(const ZQF_ListGlyphElement* Element, int Subset) const;
  bool IsOpenToRoot(const ZQF_ListGlyphElement* Element) const;
  // Visible descendants of an open element; the whole visible length for null.
  long CountNumOpenChildren(const ZQF_ListGlyphElement* Element) const;
  ZQF_ListGlyphElement* GetFirstRoot() const { return FirstRoot; }
  long GetNumVisibleElements() const { return NumVisibleElements; }
  long GetPageSize() const { return PageSize; }
  long GetFocusElementIndex() const { return FocusElementIndex; }
  long GetTopElementIndex() const { return TopElementIndex; }
  long GetElementHeight() const { return ElementHeight; }
  long GetMaxIndentedWidth() const { return MaxIndentedWidth; }
  bool IsHierarchical() const { return ListKind == 1; }
  ZQF_ListGlyphNodeBitmapSet* GetNodeBitmapSet() const { return NodeBitmapSet; }
  ZQF_ListGlyphController* GetController() const { return Controller; }
  long GetChangeNotificationDelay() const { return ChangeNotificationDelay; }
  bool IsChangeNotificationPending() const { return ChangeNotificationPending; }
  // The scroll bars, found by position; a missing or foreign one fails its
  // assertion and reads as null.
  ZQF_VerticalScrollBarGlyph* GetVerticalScrollBar() const;
  ZQF_HorizontalScrollBarGlyph* GetHorizontalScrollBar() const;

  // --- Scrolling.
  void ScrollToMakeVisible(long ElementIndex);
  void ScrollToMakeVisible(ZQF_ListGlyphElement* Element);
  void ScrollToShowElementAndChildren(ZQF_ListGlyphElement* Element);
  void ScrollLineUp(long NumLines);
  void ScrollLineDown(long NumLines);
  void ScrollLineLeft();
  void ScrollLineRight();

  // --- Focus moves (never select).
  void FocusLineUp(bool MaintainIndentLevel);
  void FocusLineDown(bool MaintainIndentLevel);
  void FocusPageUp(bool MaintainIndentLevel);
  void FocusPageDown(bool MaintainIndentLevel);
  void FocusToTop(bool MaintainIndentLevel);
  void FocusToBottom(bool MaintainIndentLevel);
  void FocusToParent();
  void FocusToFirstChild();

  // --- Geometry (ZQF_ListGlyphGeometry.cpp).
  ZQ_Rectangle<long> GetListArea() const;
  long GetElementIndentation(const ZQF_ListGlyphElement* Element) const;
  // All zero for an element not shown in a row.
  ZQ_Rectangle<long> GetElementRect(ZQF_ListGlyphElement* Element);
  ZQF_ListGlyphElement* PerformElementHitCheck(const ZQ_Point<long>& Point);
  int PerformElementSectionHitCheck(const ZQ_Point<long>& Point, ZQF_ListGlyphElement* Element);
  long ComputeMaxIndentedWidth(ZQF_ListGlyphElement* Element, bool VisibleOnly);
  void UpdateScrollBarStates();
  // The horizontal slider position (pixels).
  long GetHorizontalScrollPosition() const;

  // --- Notifications (ZQF_ListGlyphInput.cpp).
  void DispatchListChangeNotification(int Kind);
  void StartChangeNotificationDelayTimer();
  void StopChangeNotificationDelayTimer();
  void ProcessDelayedListChangeNotification(int Kind);
  // Ignores X; whole rows of Y (negative is up).
  void MouseWheelDragScrollCallback(double AmountX, double AmountY);

 private:
  long ClampFocusIndex(long Index) const;
  long ClampTopIndex(long Index) const;
  void StateChange_AddElement(ZQF_ListGlyphElement* Element);
  void StateChange_OpenElement(ZQF_ListGlyphElement* Element);
  void StateChange_CloseElement(ZQF_ListGlyphElement* Element);
  void StateChange_ChangeFocusElement(long NewFocusIndex);
  void StateChange_ChangeTopVisibleElement(long NewTopIndex);
  void Util_SetAllOpenState(bool Open);
  void Util_MoveFocus(long Target, bool MaintainIndentLevel, bool ForwardFirst);
  bool Util_SelectElementBySearch(long Start, int Direction);
  // The root above Element that is one of this list's roots, else null.
  const ZQF_ListGlyphElement* FindListRoot(const ZQF_ListGlyphElement* Element) const;

  // Geometry and drawing helpers.
  ZQ_Point<long> GetBorderThickness() const;
  bool IsVerticalBarShown() const;
  bool IsHorizontalBarShown() const;
  void DrawRow(ZQF_Canvas& Canvas, ZQF_ListGlyphElement* Element, long RowOffsetY, long Index);
  void DrawHierarchicalLines(ZQF_Canvas& Canvas, ZQF_ListGlyphElement* Element,
                             const ZQ_Rectangle<long>& Strip);

  // Input helpers.
  // The element-relative point of a glyph-local one.
  ZQ_Point<long> ElementRelative(ZQF_ListGlyphElement* Element, const ZQ_Point<long>& Local) const;
  void PressOnRow(ZQF_MouseMessage& Message, bool DoubleClick);
  void FollowMouse(const ZQ_Point<long>& Local);
  void RespondToDragOperation(ZQF_GenericMessage& Message);

  ZQF_ListGlyphElement* FirstRoot = nullptr;
  ZQF_ListGlyphElement* LastRoot = nullptr;
  long NumVisibleElements = 0;
  long PageSize = 1;
  long FocusElementIndex = 0;
  long TopElementIndex = 0;
  long ElementHeight = 1;  // 1: not known yet
  long MaxIndentedWidth = 1;
  int ListKind;
  long Margin;
  long IndentationDeltaX;
  bool DrawHierarchicalLinesFlag = true;
  bool SelectFollowsMouse = false;
  bool ChangeNotificationPending = false;
  bool SelectionChanged = false;
  ZQF_ListGlyphNodeBitmapSet* NodeBitmapSet = nullptr;  // shared, not owned
  ZQF_ListGlyphController* Controller = nullptr;        // owned
  long ChangeNotificationDelay = 0;
  ZQF_ListGlyphChangeNotificationDelayTimer* ChangeNotificationDelayTimer = nullptr;  // owned
};

// A list's selection changed: kind 0 by the mouse, 1 by a key.
class ZQF_ListSelectionChangeNotificationMessage : public ZQF_ControlChangeNotificationMessage {
 public:
  ZQF_ListSelectionChangeNotificationMessage(ZQF_ListGlyph* List, int ChangeKind)
      : ZQF_ControlChangeNotificationMessage(List), ChangeKind(ChangeKind) {}
  ZQF_ListGlyph* GetList() const { return static_cast<ZQF_ListGlyph*>(GetControl()); }
  int GetChangeKind() const { return ChangeKind; }

 private:
  int ChangeKind;
};

#endif
