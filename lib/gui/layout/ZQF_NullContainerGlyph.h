// ZQF_NullContainerGlyph.h: transparent one-client wrappers. The null
// container hands its client its desired size and its whole box unchanged;
// the changeable container holds at most one client that can be replaced at
// run time and desires 100 x 100 (minimum 0, maximum 0x20000000) when empty.
#ifndef ZQF_NULLCONTAINERGLYPH_H
#define ZQF_NULLCONTAINERGLYPH_H

#include "ZQF_Glyph.h"

class ZQF_NullContainerGlyph : public ZQF_OrganizationalGlyph {
 public:
  explicit ZQF_NullContainerGlyph(ZQF_Glyph* Client = nullptr);
  // Asserts that there is no client yet.
  void SetClient(ZQF_Glyph* Client);
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
};

class ZQF_ChangeableClientNullContainerGlyph : public ZQF_OrganizationalGlyph {
 public:
  enum { Disposal_Delete = 0, Disposal_Unlink = 1 };

  explicit ZQF_ChangeableClientNullContainerGlyph(ZQF_Glyph* Client = nullptr);
  // Removes the present client (deleted or left to the caller by Disposal);
  // a new client becomes the only child and the focus child, and the tree is
  // laid out again. No new client empties the container without a layout.
  void SetClient(ZQF_Glyph* Client, int Disposal);
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
};

#endif
