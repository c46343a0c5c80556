// ZQF_DropdownControlGlyph.h: the abstract base of the combo-box-like
// controls. Closed, it shows a permanent display (its first child, added by
// the subclass) and an arrow button (its second child). Opened (Alt+Down,
// Space, a click, the arrow), it puts a glyph tree that the subclass makes
// into a popup window below the control (above when there is no room),
// gives the popup the keyboard focus and watches every raw window message
// of the program: a press elsewhere, the wheel or a system key closes it.
// The popup never closes itself from inside its own message handling: its
// root glyph asks the control what a notification means (take the value,
// take it and close, cancel) and queues the close as an idle action owned
// by the control. One change notification follows each closing that
// changed the value; a cancel restores the value and notifies nothing.
// The companions (popup window, its root glyph, the queued close, the
// notification) live in ZQF_DropdownWindow.h. UI thread only.
#ifndef ZQF_DROPDOWNCONTROLGLYPH_H
#define ZQF_DROPDOWNCONTROLGLYPH_H

#include "ZQF_ControlGlyph.h"
#include "ZQF_MessageHook.h"

class ZQF_DropdownWindow;
class ZQF_DropdownWindowBorderOptionsSet;
class ZQF_StandardBitmapButtonGlyph;
class ZQF_Window;

class ZQF_DropdownControlGlyph : public ZQF_ControlGlyph {
 public:
  // The answers of GetDropdownNotificationResponse.
  enum : int {
    Response_Take = 0,
    Response_TakeAndClose = 1,
    Response_Cancel = 2,
    Response_NotForDropdown = 3
  };

  // Builds the arrow button (frameless, letting the mouse go when left).
  ZQF_DropdownControlGlyph();
  // Closes an open popup without restoring or notifying.
  ~ZQF_DropdownControlGlyph() override;

  void DrawSelf(ZQF_Canvas& Canvas) override;
  void DrawChildren(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  void HandleGenericMessage(ZQF_GenericMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleFocusChange(ZQF_FocusChangeMessage& Message, bool SecondTry) override;
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;
  // The display follows when it is a control.
  void SetFocusable(bool Focusable) override;

  // Restore: the value held at opening comes back.
  virtual void CancelDropdown(bool Restore);
  virtual void DispatchControlChangeNotification();
  // What a notification that reached the popup's root glyph means; 3 here.
  virtual int GetDropdownNotificationResponse(ZQF_NotificationMessage& Message, bool SecondTry);
  // The popup's content, new each time; the popup window takes it over.
  virtual ZQF_Glyph* CreateDropdownGlyphTree() = 0;
  virtual void TakeDropdownSelection() = 0;
  virtual void RememberValueForCancel() = 0;
  virtual void RestoreValueForCancel() = 0;
  virtual bool IsValueUnchangedSinceDropdown() = 0;
  // False.
  virtual bool IsDropdownResizable();
  // Size metric 0.
  virtual ZQ_Point<long> GetPermanentDisplayInset();
  // True.
  virtual bool OpensDropdownOnClick();

  bool IsDropdownOpen() const { return DropdownWindow != nullptr; }
  // Null while closed.
  ZQF_DropdownWindow* GetDropdownWindow() const { return DropdownWindow; }
  ZQF_Glyph* GetPermanentDisplayGlyph() const { return GetFirstChild(); }
  ZQF_Glyph* GetArrowButton() const;

  void CreateDropdown();
  // Closes without restoring or notifying.
  void DestroyDropdown();
  // The popup's window rectangle for a control at ControlRectangle (screen
  // pixels) and the frame glyph's desired size, on the whole screen.
  static ZQ_Rectangle<long> CalculateDropdownWindowPlacement(ZQF_Window* Window,
                                                             const ZQ_Rectangle<long>& ControlRectangle,
                                                             const ZQF_DesiredSize& FrameSize);
  // The same for a given screen and the frame's extra size (window size
  // less client size).
  static ZQ_Rectangle<long> ComputeDropdownPlacement(const ZQ_Rectangle<long>& Screen,
                                                     const ZQ_Point<long>& FrameExtra,
                                                     const ZQ_Rectangle<long>& ControlRectangle,
                                                     const ZQF_DesiredSize& FrameSize);
  void InstallDropdownMonitorHooks();
  void UninstallDropdownMonitorHooks();
  // The owner key of the monitor hooks and queued closes.
  unsigned long GetOwnerKey() const;

  // Keys the popup's focus path left (second try): Enter and Escape queue
  // the close (the popup is handling a message), others go to HandleKey.
  void HandlePopupKey(ZQF_KeyMessage& Message);
  void QueueClose(int Action);

 private:
  void DropdownMonitorRawCallback(const ZQF_RawMessageRecord& Record, bool& Eat);
  // The area of the display inside the border, before (or after) the inset.
  ZQ_Rectangle<long> GetDisplayArea(bool Inset) const;
  bool IsPopupWindow(HWND Window) const;

  ZQF_DropdownWindow* DropdownWindow = nullptr;
  ZQF_DropdownWindowBorderOptionsSet* DropdownBorderOptions = nullptr;  // owned by the frame
  // Set while the popup takes the keyboard focus: that loss is no reason to close.
  bool GivingFocusToPopup = false;
};

#endif
