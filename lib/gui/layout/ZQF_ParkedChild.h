// ZQF_ParkedChild.h: where a child that must not be seen is laid out:
// at (-20000, -20000) in its parent with size 0 x 0.
#ifndef ZQF_PARKEDCHILD_H
#define ZQF_PARKEDCHILD_H

#include "ZQF_Glyph.h"

inline void ZQF_ParkChild(ZQF_Glyph* Parent, ZQF_Glyph* Child) {
  Parent->LayoutChild(Child, ZQ_Point<long>(-20000, -20000), ZQ_Point<long>(0, 0));
}

#endif
