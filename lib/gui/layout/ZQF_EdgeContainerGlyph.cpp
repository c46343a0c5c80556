// The edge container.
#include "ZQF_EdgeContainerGlyph.h"

#include <algorithm>

#include "ZQF_AlignmentGlyph.h"
#include "ZQ_Assertion.h"

ZQF_EdgeContainerGlyph::ZQF_EdgeContainerGlyph(ZQF_Glyph* Centre) : EdgeTypes(37), Centre(Centre) {
  AddChild(Centre, true);
}

ZQF_EdgeContainerGlyph::~ZQF_EdgeContainerGlyph() { EdgeTypes.RemoveAll(); }

void ZQF_EdgeContainerGlyph::AddEdgeChild(ZQF_Glyph* Glyph, EdgeType Edge) {
  AddBeforeChild(Glyph, Centre);
  EdgeTypes.Insert(Glyph, Edge);
}

void ZQF_EdgeContainerGlyph::SetCentre(ZQF_Glyph* Child) {
  ZQ_ASSERT(IsDirectChildOf(Child, this));
  Centre = Child;
}

namespace {

long& Along(ZQ_Point<long>& P, bool X) { return X ? P.X : P.Y; }
long Along(const ZQ_Point<long>& P, bool X) { return X ? P.X : P.Y; }

// Adds a band that is thick along axis Main (X for left and right bands):
// sums along it, the envelope across it.
void AddBand(ZQF_DesiredSize& Size, const ZQF_DesiredSize& Band, bool Main) {
  const auto CappedSum = &ZQF_AlignmentGlyph::CappedSum;
  const bool cross = !Main;
  Along(Size.Natural, Main) = CappedSum(Along(Size.Natural, Main), Along(Band.Natural, Main));
  Along(Size.Minimum, Main) = CappedSum(Along(Size.Minimum, Main), Along(Band.Minimum, Main));
  Along(Size.Maximum, Main) = CappedSum(Along(Size.Maximum, Main), Along(Band.Maximum, Main));
  Along(Size.Natural, cross) = std::max(Along(Size.Natural, cross), Along(Band.Natural, cross));
  Along(Size.Minimum, cross) = std::max(Along(Size.Minimum, cross), Along(Band.Minimum, cross));
  Along(Size.Maximum, cross) = std::max(
      std::min(Along(Size.Maximum, cross), Along(Band.Maximum, cross)), Along(Size.Natural, cross));
}

}  // namespace

void ZQF_EdgeContainerGlyph::UpdateMyDesiredSize() {
  const ZQF_DesiredSize& centre = Centre->GetDesiredSize();
  DesiredSize.SetX(centre.Natural.X, centre.Minimum.X, centre.Maximum.X);
  DesiredSize.SetY(centre.Natural.Y, centre.Minimum.Y, centre.Maximum.Y);
  ZQF_Glyph* g = GetFirstChild();
  for (; g && g != Centre; g = g->GetNextSibling()) {
    EdgeType edge = Edge_Top;
    if (!EdgeTypes.GetValueIfExists(g, edge)) continue;
    if (edge == Edge_Top || edge == Edge_Bottom) AddBand(DesiredSize, g->GetDesiredSize(), false);
    if (edge == Edge_Right || edge == Edge_Left) AddBand(DesiredSize, g->GetDesiredSize(), true);
  }
  ZQ_ASSERT_TEXT(g != nullptr, "G");
}

void ZQF_EdgeContainerGlyph::AcceptLayout() {
  ZQ_Rectangle<long> free = GetLocalBoundingBox();
  for (ZQF_Glyph* g = GetFirstChild(); g && g != Centre; g = g->GetNextSibling()) {
    EdgeType edge = static_cast<EdgeType>(-1);
    EdgeTypes.GetValueIfExists(g, edge);
    const ZQ_Point<long>& natural = g->GetDesiredSize().Natural;
    const long h = std::min(natural.Y, free.Height);
    const long w = std::min(natural.X, free.Width);
    switch (edge) {
      case Edge_Top:
        LayoutChild(g, ZQ_Rectangle<long>(free.X, free.Y, free.Width, h));
        free.Y += h;
        free.Height -= h;
        break;
      case Edge_Bottom:
        LayoutChild(g, ZQ_Rectangle<long>(free.X, free.Y + free.Height - h, free.Width, h));
        free.Height -= h;
        break;
      case Edge_Right:
        LayoutChild(g, ZQ_Rectangle<long>(free.X + free.Width - w, free.Y, w, free.Height));
        free.Width -= w;
        break;
      case Edge_Left:
        LayoutChild(g, ZQ_Rectangle<long>(free.X, free.Y, w, free.Height));
        free.X += w;
        free.Width -= w;
        break;
      default:
        LayoutChild(g, ZQ_Rectangle<long>(0, 0, 0, 0));
    }
  }
  LayoutChild(Centre, free);
}
