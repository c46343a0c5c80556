// ZQF_ToolbarGlyph.h: a strip of bitmap buttons, spacers and other glyphs
// along the top of a window. Its buttons carry command classes, not numbers:
// each asks its update query at idle time whether it is enabled and sends
// its command when clicked. Fourteen standard buttons come with a picture,
// a tooltip and their command classes. The toolbar may hold several faces
// (rows) under keys; one is shown, and buttons go to the current face, the
// one added last. The toolbar owns everything added to it. UI thread only.
#ifndef ZQF_TOOLBARGLYPH_H
#define ZQF_TOOLBARGLYPH_H

#include <memory>

#include "ZQF_Glyph.h"
#include "ZQ_String.h"

class ZQF_AlignmentGlyph;
class ZQF_RowGlyph;
class ZQF_SelectableClientNullContainerGlyph;
class ZQF_StandardBitmapButtonGlyph;
class ZQF_StandardCommandMessage;
class ZQF_StandardCommandUpdateMessage;

class ZQF_ToolbarGlyph : public ZQF_DrawableGlyph {
 public:
  // Where a button's command and update query start.
  enum ButtonActiveMode {
    // At the button, up its parents.
    ButtonActive_ParentChain = 0,
    // At the root of the window's tree, down the focus path: what the
    // window's contents answer, as for menu items.
    ButtonActive_FocusPath = 1,
    // The toolbar's own default mode.
    ButtonActive_Default = 2
  };
  // The standard buttons' identifiers.
  enum StandardButton {
    Button_Properties,
    Button_Inspect,
    Button_PageSetup,
    Button_PrintPreview,
    Button_Print,
    Button_Cut,
    Button_Copy,
    Button_Paste,
    Button_Delete,
    Button_Add,
    Button_Undo,
    Button_Redo,
    Button_BrowseBack,
    Button_BrowseForward,
    Button_NumStandardButtons
  };

  // aDefaultButtonActive may not be ButtonActive_Default (assertion). A
  // negative margin is half of size metric 15 in that direction. The
  // toolbar starts with one face, under GetDefaultFaceKey().
  ZQF_ToolbarGlyph(long aDefaultButtonActive, long MarginX, long MarginY);
  ~ZQF_ToolbarGlyph() override;

  // A new, empty face under Key (new to this toolbar) becomes the current
  // face; the face shown stays shown.
  void AddFace(const void* Key);
  static const void* GetDefaultFaceKey();
  // Shows a face: GetFacesContainer()->SelectClient(Key).
  ZQF_SelectableClientNullContainerGlyph* GetFacesContainer() const { return Faces; }
  ZQF_RowGlyph* GetCurrentFace() const { return CurrentFace; }

  // These add at the end of the current face. ButtonActive is one of the
  // modes above; ButtonActive_Default stands for the toolbar's default.
  void AddClient(ZQF_Glyph* Client);
  // A button showing the BITMAP resource BitmapName (see Util_AddBitmapButton).
  ZQF_StandardBitmapButtonGlyph* AddBitmapButton(
      const ZQ_String& BitmapName, std::unique_ptr<ZQF_StandardCommandMessage> Command,
      std::unique_ptr<ZQF_StandardCommandUpdateMessage> Update, const ZQ_String& TooltipText,
      const ZQ_String& HelpTopics, long ButtonActive, bool Autorepeat);
  // Standard button Identifier (see Util_AddStandardButton).
  ZQF_StandardBitmapButtonGlyph* AddStandardButton(long Identifier, ZQ_String& BitmapName,
                                                   ZQ_String& TooltipText,
                                                   const ZQ_String& HelpTopics, long ButtonActive,
                                                   bool Autorepeat);
  // Count spacer units of fixed empty width.
  void AddSpacer(long Count);
  // An empty stretch that pushes whatever follows to the right end.
  void AddRightJustificationSpacer();

  // The width of one spacer unit, in pixels: size metric 5's x.
  virtual long GetSpacerUnit();

  // The toolbar's background; the buttons draw themselves.
  void DrawSelf(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;

 private:
  bool DispatchesAlongFocusPath(long ButtonActive) const;

  ZQF_SelectableClientNullContainerGlyph* Faces = nullptr;
  ZQF_RowGlyph* CurrentFace = nullptr;
  long DefaultButtonActive;
};

// Adds standard button Identifier (below Button_NumStandardButtons, else
// the assertion "false" fails and nothing is added) to Organizer with
// Util_AddBitmapButton. An empty BitmapName becomes the button's picture's
// resource name and an empty TooltipText its translated tooltip: the caller
// sees what was used. Returns the button, which Organizer owns.
ZQF_StandardBitmapButtonGlyph* Util_AddStandardButton(ZQF_AlignmentGlyph* Organizer,
                                                      long Identifier, ZQ_String& BitmapName,
                                                      ZQ_String& TooltipText,
                                                      const ZQ_String& HelpTopics,
                                                      bool DispatchAlongFocusPath, bool Autorepeat);

// Adds Count x Unit pixels of fixed-width glue to Organizer.
void Util_AddSpacer(ZQF_AlignmentGlyph* Organizer, long Count, long Unit);

#endif
