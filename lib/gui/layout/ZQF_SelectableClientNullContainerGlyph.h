// ZQF_SelectableClientNullContainerGlyph.h: holds several clients, each under
// a caller-chosen key, and shows exactly one: the selected client, which is
// always the first child. The others are parked at (-20000, -20000) with
// size 0 x 0. Flag bit 0 makes the container a resize anchor; bit 1 makes
// its desired size follow the selected client alone instead of covering all
// clients, so that without it a new selection re-lays out only this
// container.
#ifndef ZQF_SELECTABLECLIENTNULLCONTAINERGLYPH_H
#define ZQF_SELECTABLECLIENTNULLCONTAINERGLYPH_H

#include "ZQF_Glyph.h"
#include "ZQ_Map.h"

class ZQF_SelectableClientNullContainerGlyph : public ZQF_OrganizationalGlyph {
 public:
  enum { Flag_ResizeAnchor = 1, Flag_SizeBySelection = 2 };

  explicit ZQF_SelectableClientNullContainerGlyph(unsigned long Flags);
  // Empties the map before the children go.
  ~ZQF_SelectableClientNullContainerGlyph() override;

  // The client added last is shown at the next layout; no layout here.
  void AddClient(ZQF_Glyph* Client, const void* Key);
  ZQF_Glyph* GetClient(const void* Key);
  ZQF_Glyph* SelectClient(const void* Key) { return SelectClientGlyph(GetClient(Key)); }
  ZQF_Glyph* SelectClientGlyph(ZQF_Glyph* Client);
  ZQF_Glyph* GetSelectedClient() const { return GetFirstChild(); }

  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;
  bool IsResizeAnchor() const override { return (Flags & Flag_ResizeAnchor) != 0; }
  // Selects the client that holds Descendant.
  bool MakeChildVisible(ZQF_Glyph* Descendant) override;

 private:
  void UpdateEnvelope();

  ZQ_Map<const void*, ZQF_Glyph*> Clients;
  unsigned long Flags;
};

#endif
