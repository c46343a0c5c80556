// The selectable container.
#include "ZQF_SelectableClientNullContainerGlyph.h"

#include <algorithm>

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_ParkedChild.h"

ZQF_SelectableClientNullContainerGlyph::ZQF_SelectableClientNullContainerGlyph(unsigned long Flags)
    : Clients(37), Flags(Flags) {}

ZQF_SelectableClientNullContainerGlyph::~ZQF_SelectableClientNullContainerGlyph() {
  Clients.RemoveAll();
}

void ZQF_SelectableClientNullContainerGlyph::AddClient(ZQF_Glyph* Client, const void* Key) {
  AddChild(Client, false);
  Clients.Insert(Key, Client);
}

ZQF_Glyph* ZQF_SelectableClientNullContainerGlyph::GetClient(const void* Key) {
  return Clients.GetValue(Key);
}

namespace {

// Restores the container's flags however the layout request ends.
class FlagsRestorer {
 public:
  explicit FlagsRestorer(unsigned long& Flags) : Flags(Flags), Saved(Flags) {}
  ~FlagsRestorer() { Flags = Saved; }

 private:
  unsigned long& Flags;
  unsigned long Saved;
};

}  // namespace

ZQF_Glyph* ZQF_SelectableClientNullContainerGlyph::SelectClientGlyph(ZQF_Glyph* Client) {
  MoveChildToFront(Client, 1);
  SetFocusChild(Client);
  FlagsRestorer restorer(Flags);
  if ((Flags & Flag_SizeBySelection) == 0) Flags |= Flag_ResizeAnchor;
  Resize();
  return Client;
}

void ZQF_SelectableClientNullContainerGlyph::UpdateMyDesiredSize() {
  ZQF_Glyph* selected = GetFirstChild();
  if (Flags & Flag_SizeBySelection) {
    if (selected) {
      const ZQF_DesiredSize& s = selected->GetDesiredSize();
      DesiredSize.SetX(s.Natural.X, s.Minimum.X, s.Maximum.X);
      DesiredSize.SetY(s.Natural.Y, s.Minimum.Y, s.Maximum.Y);
    } else {
      DesiredSize.SetX(0, 0, 0);
      DesiredSize.SetY(0, 0, 0);
    }
    return;
  }
  UpdateEnvelope();
}

void ZQF_SelectableClientNullContainerGlyph::UpdateEnvelope() {
  const long most = ZQF_AlignmentGlyph::StretchMaximum;
  ZQ_Point<long> natural(0, 0), minimum(0, 0), maximum(most, most);
  for (ZQF_Glyph* c = GetFirstChild(); c; c = c->GetNextSibling()) {
    const ZQF_DesiredSize& s = c->GetDesiredSize();
    s.CheckConsistency();
    s.CheckValidity();
    natural = ZQ_Point<long>(std::max(natural.X, s.Natural.X), std::max(natural.Y, s.Natural.Y));
    minimum = ZQ_Point<long>(std::max(minimum.X, s.Minimum.X), std::max(minimum.Y, s.Minimum.Y));
    maximum = ZQ_Point<long>(std::min(maximum.X, s.Maximum.X), std::min(maximum.Y, s.Maximum.Y));
  }
  DesiredSize.SetX(natural.X, minimum.X, std::max(maximum.X, natural.X));
  DesiredSize.SetY(natural.Y, minimum.Y, std::max(maximum.Y, natural.Y));
}

void ZQF_SelectableClientNullContainerGlyph::AcceptLayout() {
  ZQF_Glyph* selected = GetFirstChild();
  if (!selected) return;
  const ZQ_Rectangle<long>& box = GetBoundingBox();
  const ZQF_DesiredSize& s = selected->GetDesiredSize();
  LayoutChild(selected, ZQ_Point<long>(0, 0),
              ZQ_Point<long>(std::min(box.Width, s.Maximum.X), std::min(box.Height, s.Maximum.Y)));
  for (ZQF_Glyph* c = selected->GetNextSibling(); c; c = c->GetNextSibling()) {
    ZQF_ParkChild(this, c);
  }
}

bool ZQF_SelectableClientNullContainerGlyph::MakeChildVisible(ZQF_Glyph* Descendant) {
  ZQF_Glyph* child = Descendant;
  while (child && child->GetParent() != this) child = child->GetParent();
  if (child) SelectClientGlyph(child);
  return false;
}
