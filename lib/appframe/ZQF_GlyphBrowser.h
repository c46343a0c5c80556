// ZQF_GlyphBrowser.h: the debug menu's glyph browser, a modal dialog that
// shows the main window's glyph tree in a list (one row per glyph: a picture
// of its place on the focus path, its type name and its address, children
// made when a row is first opened) above the debug description of the
// selected glyph. The rows keep only the addresses of their glyphs and look
// a glyph up in the main window's tree before touching it, so a glyph
// destroyed meanwhile shows no children and no properties. The three row
// pictures are loaded on first use and kept until the program exits.
// UI thread only.
#ifndef ZQF_GLYPHBROWSER_H
#define ZQF_GLYPHBROWSER_H

#include "ZQF_NullContainerGlyph.h"
#include "ZQF_StandardDialogBox.h"
#include "ZQF_StringListGlyphElement.h"

class ZQF_ListGlyph;
class ZQF_ColumnGlyph;

// A glyph's place on the focus path, as the browser pictures it.
enum GlyphBrowserFocusPlace : int {
  // The root, or a focus child whose ancestors are all focus children.
  GlyphBrowserFocusPlace_OnFocusPath = 0,
  // Its parent's focus child below an ancestor that is not one.
  GlyphBrowserFocusPlace_FocusChild = 1,
  GlyphBrowserFocusPlace_NotFocusChild = 2
};
GlyphBrowserFocusPlace GlyphBrowser_GetFocusPlace(const ZQF_Glyph* Glyph);

// One row: a glyph of the main window's tree.
class GlyphBrowserGlyphElement : public ZQF_BitmapAndStringListGlyphElement {
 public:
  // Reads Glyph (alive) once; the row keeps its address only.
  explicit GlyphBrowserGlyphElement(ZQF_Glyph* Glyph);

  // The type name, a blank and the address in hexadecimal.
  ZQ_String GetText() override { return Text; }
  ZQR_Bitmap GetBitmap(const ZQF_ListGlyphElementDrawState* State) override;
  bool HasChildren() override { return HadChildren; }
  void CreateVirtualChildren() override;

  // The glyph when it is still in the main window's tree, else null.
  ZQF_Glyph* FindLiveGlyph() const;
  GlyphBrowserFocusPlace GetFocusPlace() const { return FocusPlace; }

 private:
  ZQF_Glyph* Glyph;  // borrowed; compared, dereferenced only via FindLiveGlyph
  ZQ_String Text;
  GlyphBrowserFocusPlace FocusPlace;
  bool HadChildren;
};

// The browser's client: the list above, the property pane below.
class GlyphBrowserManagerGlyph : public ZQF_NullContainerGlyph {
 public:
  void InitializeSelf() override;
  // Opens large enough for a deep tree and a full description.
  void UpdateMyDesiredSize() override;
  // A selection in the list shows the selected glyph's properties.
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;

  // One root row for the main window's top-level glyph (none without one).
  void LoadTopLevelGlyphsIntoList();
  // Asserts "Element" (a row of this browser).
  void RespondToObjectSelection(ZQF_ListGlyphElement* Element);
  // Replaces the property pane's content by Text, one label per line.
  void SetGlyphPropertyText(const ZQ_String& Text);

  // Null before InitializeSelf; owned by the tree.
  ZQF_ListGlyph* GetGlyphList() const { return GlyphList; }
  ZQF_ColumnGlyph* GetPropertyLabel() const { return PropertyLabel; }
  // The property pane's lines, "\n" between them.
  ZQ_String GetGlyphPropertyText() const;

 private:
  ZQF_ListGlyph* GlyphList = nullptr;
  ZQF_ChangeableClientNullContainerGlyph* PropertyContainer = nullptr;
  ZQF_ColumnGlyph* PropertyLabel = nullptr;
};

// "ZQF_Glyph Browser": the manager glyph with OK and Cancel below it.
class GlyphBrowserDialogBox : public ZQF_StandardDialogBox {
 public:
  GlyphBrowserDialogBox();
  void Init_AddClientControls(ZQF_AlignmentGlyph* Organizer) override;
  // Null before the first run; owned by the dialog's tree.
  GlyphBrowserManagerGlyph* GetManager() const { return Manager; }

 private:
  GlyphBrowserManagerGlyph* Manager = nullptr;
};

#endif
