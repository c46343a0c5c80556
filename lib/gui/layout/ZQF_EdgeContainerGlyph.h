// ZQF_EdgeContainerGlyph.h: docks children to its four edges around a centre
// client. The centre is the last child; edge children come before it, and
// their list order is the order in which they take their bands, outermost
// first. An edge child gets its natural thickness (clipped to what is left)
// along the whole free length of its edge; the centre gets the rest. Sums
// are capped at 0x20000000 so that unbounded edge children cannot wrap.
#ifndef ZQF_EDGECONTAINERGLYPH_H
#define ZQF_EDGECONTAINERGLYPH_H

#include "ZQF_Glyph.h"
#include "ZQ_Map.h"

class ZQF_EdgeContainerGlyph : public ZQF_OrganizationalGlyph {
 public:
  enum EdgeType { Edge_Top = 0, Edge_Bottom = 1, Edge_Right = 2, Edge_Left = 3 };

  explicit ZQF_EdgeContainerGlyph(ZQF_Glyph* Centre);
  // Empties the map before the children go.
  ~ZQF_EdgeContainerGlyph() override;
  // Docks Glyph inside the edge children added before it, just before the
  // centre; requests no layout.
  void AddEdgeChild(ZQF_Glyph* Glyph, EdgeType Edge);
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  ZQF_Glyph* GetCentre() const { return Centre; }
  // Makes Child, a direct child put in the old centre's place (the last
  // place), the centre; the old one must be gone or going.
  void SetCentre(ZQF_Glyph* Child);

 private:
  ZQ_Map<ZQF_Glyph*, EdgeType> EdgeTypes;
  ZQF_Glyph* Centre;
};

#endif
