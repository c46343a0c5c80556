// ZQF_TopLevelGlyph.h: the root of every window's glyph tree and the bridge
// between the window and the tree. It has exactly one child, the client,
// which it lays out to fill itself; it is the tree's resize anchor. It owns
// the window-wide key bindings (print, page setup, print preview, clipboard,
// select all, help), the window-level commands (move, size, close, help)
// and the what's-this help mode, in which the next left click asks for help
// on the glyphs under the pointer. Every way out of that mode goes through
// CancelWhatsThisHelpMode. UI thread only.
#ifndef ZQF_TOPLEVELGLYPH_H
#define ZQF_TOPLEVELGLYPH_H

#include "ZQF_Glyph.h"
#include "ZQF_MessageHook.h"

class ZQF_TopLevelGlyph : public ZQF_DrawableGlyph {
 public:
  // Takes ownership of Client.
  explicit ZQF_TopLevelGlyph(ZQF_Glyph* Client);
  // Ends the what's-this mode's hold on the tooltips and removes its hooks.
  ~ZQF_TopLevelGlyph() override;

  void DrawSelf(ZQF_Canvas& Canvas) override;
  // The client's desired size.
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  bool IsResizeAnchor() const override;
  // Brings the window to the top; changes nothing in the tree.
  bool MakeChildVisible(ZQF_Glyph* Descendant) override;
  // Window commands, second try only.
  void HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) override;
  // Container requests become window commands, first try only.
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseRightDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseMiddleDown(ZQF_MouseMessage& Message, bool SecondTry) override;
  void HandleMouseWheel(ZQF_WheelMouseMessage& Message, bool SecondTry) override;
  void HandleMouseSetCursor(ZQF_MouseMessage& Message, bool SecondTry) override;
  // The key bindings, for keys nobody else took (second try).
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;
  virtual void DestroyContainingWindow();
  virtual bool IsMainOrSecondaryWindowRoot() const;

  // Asserts "ContainingWindow == NULL": a tree is shown in one window.
  void SetContainingWindow(ZQF_Window* Window);
  ZQF_Window* GetContainingWindow() const { return ContainingWindow; }
  ZQF_Glyph* GetClient() const { return GetFirstChild(); }

  // The window's calls.
  void ProcessWindowDraw(ZQF_Canvas& Canvas);
  // Lays the tree out when Rectangle differs from the bounding box.
  void ProcessWindowSizeChange(const ZQ_Rectangle<long>& Rectangle);
  void ProcessWindowGainFocus();
  void ProcessWindowLoseFocus();

  // The key bindings' actions: the update query, then the command when it
  // is available.
  void DispatchPrintMessage();
  void DispatchPageSetupMessage();
  void DispatchPrintPreviewMessage();
  void DispatchCutMessage();
  void DispatchCopyMessage();
  void DispatchPasteMessage();
  void DispatchSelectAllMessage();

  // Help, each only while help is available.
  void HandleTopicHelpRequest();
  void HandleHelpContentsRequest();
  void HandleWhatsThisHelpRequest();
  void CancelWhatsThisHelpMode();
  void ProcessWhatsThisHelpClick();
  bool IsWhatsThisHelpModeActive() const { return WhatsThisHelpModeActive; }
  bool IsDrawSpeedRequested() const { return DrawSpeedRequested; }

 private:
  unsigned long GetOwnerKey() const { return reinterpret_cast<unsigned long>(this); }
  void WhatsThisHelpModeRawHookCallback(const ZQF_RawMessageRecord& Record, bool& Handled);
  void DispatchFocusChange(long Change);
  void DrawForTenSeconds(ZQF_Canvas& Canvas);

  ZQF_Window* ContainingWindow = nullptr;
  bool DrawSpeedRequested = false;
  bool WhatsThisHelpModeActive = false;
};

#endif
