// ZQF_ListGlyphController.h: what keys and clicks do to a ZQF_ListGlyph
// once the focus element's own hook left them. The regular controller (the
// default) moves the focus, selects exclusively and opens and closes nodes;
// the maintain-indent-level controller keeps the vertical moves on the
// focus element's tree level. A list owns its controller; the list calls it
// only while it is not empty, so a focus element always exists.
// UI thread only.
#ifndef ZQF_LISTGLYPHCONTROLLER_H
#define ZQF_LISTGLYPHCONTROLLER_H

class ZQF_ListGlyph;
class ZQF_ListGlyphElement;
class ZQF_KeyMessage;
class ZQF_MouseMessage;

class ZQF_ListGlyphController {
 public:
  explicit ZQF_ListGlyphController(ZQF_ListGlyph* List) : List(List) {}
  ZQF_ListGlyphController(const ZQF_ListGlyphController&) = delete;
  ZQF_ListGlyphController& operator=(const ZQF_ListGlyphController&) = delete;
  virtual ~ZQF_ListGlyphController();

  // Each marks the message handled when it acts. Element: the one under the
  // pointer.
  virtual void HandleKey(ZQF_KeyMessage& Message) = 0;
  virtual void HandleMouseLeftDown(ZQF_MouseMessage& Message, ZQF_ListGlyphElement* Element) = 0;
  virtual void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message,
                                          ZQF_ListGlyphElement* Element) = 0;
  virtual void HandleMouseRightDown(ZQF_MouseMessage& Message, ZQF_ListGlyphElement* Element) = 0;

  // Forwarding to the list; the focus element is the list's.
  void OpenFocusElement();
  void CloseFocusElement();
  void ToggleOpenFocusElement();
  void ToggleOpen(ZQF_ListGlyphElement* Element);
  void OpenAll();
  void CloseAll();
  void ScrollToShowElementAndChildren(ZQF_ListGlyphElement* Element);
  void ScrollToShowFocusElementAndChildren();
  void FocusLineUp(bool MaintainIndentLevel);
  void FocusLineDown(bool MaintainIndentLevel);
  void FocusPageUp(bool MaintainIndentLevel);
  void FocusPageDown(bool MaintainIndentLevel);
  void FocusToTop(bool MaintainIndentLevel);
  void FocusToBottom(bool MaintainIndentLevel);
  void FocusToParent();
  void FocusToFirstChild();
  void SetFocus(ZQF_ListGlyphElement* Element);
  bool FocusElementIsOpen();
  bool FocusElementIsClosed();
  // Mode 1: exclusive.
  void SelectFocusElement(int Mode);

 protected:
  ZQF_ListGlyph* List;
};

class ZQF_RegularListGlyphController : public ZQF_ListGlyphController {
 public:
  using ZQF_ListGlyphController::ZQF_ListGlyphController;
  void HandleKey(ZQF_KeyMessage& Message) override;
  // Without modifiers: focus and select the element.
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, ZQF_ListGlyphElement* Element) override;
  // Without modifiers: open or close the element.
  void HandleMouseLeftDoubleClick(ZQF_MouseMessage& Message,
                                  ZQF_ListGlyphElement* Element) override;
  // Nothing.
  void HandleMouseRightDown(ZQF_MouseMessage& Message, ZQF_ListGlyphElement* Element) override;
};

class ZQF_MaintainIndentLevelListGlyphController : public ZQF_RegularListGlyphController {
 public:
  using ZQF_RegularListGlyphController::ZQF_RegularListGlyphController;
  // Unmodified vertical moves stay on the level, Left goes to the parent;
  // everything else as the regular controller.
  void HandleKey(ZQF_KeyMessage& Message) override;
};

#endif
