// ZQF_GlueGlyph.h: the base of the glue glyphs, empty space with a desired
// size of its own that fills gaps in rows and columns. Its subclasses fix
// the size; the glue keeps it through any number of layouts by undoing the
// stale mark the resize walk puts on it.
#ifndef ZQF_GLUEGLYPH_H
#define ZQF_GLUEGLYPH_H

#include "ZQF_Glyph.h"

class ZQF_GlueGlyph : public ZQF_OrganizationalGlyph {
 public:
  ~ZQF_GlueGlyph() override;
  void UpdateMyDesiredSize() override;
};

#endif
