// ZQF_SecondaryTopLevelGlyph.h: the root of a dialog box's tree.
#ifndef ZQF_SECONDARYTOPLEVELGLYPH_H
#define ZQF_SECONDARYTOPLEVELGLYPH_H

#include "ZQF_TopLevelGlyph.h"

class ZQF_SecondaryTopLevelGlyph : public ZQF_TopLevelGlyph {
 public:
  // Takes ownership of Client.
  explicit ZQF_SecondaryTopLevelGlyph(ZQF_Glyph* Client) : ZQF_TopLevelGlyph(Client) {}

  bool IsMainOrSecondaryWindowRoot() const override;
};

#endif
