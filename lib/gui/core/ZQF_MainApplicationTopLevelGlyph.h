// ZQF_MainApplicationTopLevelGlyph.h: the root of the main window's tree.
// Help asked for in the main window finds the main window's page; Exit
// closes the main window, after the stages that need it have run; Page
// Setup runs the shared page-setup dialog. Both are always available here.
#ifndef ZQF_MAINAPPLICATIONTOPLEVELGLYPH_H
#define ZQF_MAINAPPLICATIONTOPLEVELGLYPH_H

#include "ZQF_TopLevelGlyph.h"

class ZQF_MainApplicationTopLevelGlyph : public ZQF_TopLevelGlyph {
 public:
  // Takes ownership of Client.
  explicit ZQF_MainApplicationTopLevelGlyph(ZQF_Glyph* Client);

  void HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) override;
  void HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) override;
  // The application's preparation for the main window's end, then the
  // window is destroyed.
  void DestroyContainingWindow() override;
  bool IsMainOrSecondaryWindowRoot() const override;
};

#endif
