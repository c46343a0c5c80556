// The null and changeable containers.
#include "ZQF_NullContainerGlyph.h"

#include "ZQF_AlignmentGlyph.h"
#include "ZQ_Assertion.h"

namespace {

void CopyDesiredSize(ZQF_DesiredSize& To, const ZQF_Glyph* Client) {
  const ZQF_DesiredSize& from = Client->GetDesiredSize();
  To.Natural = from.Natural;
  To.Minimum = from.Minimum;
  To.Maximum = from.Maximum;
}

void LayOutWhole(ZQF_Glyph* Container) {
  if (ZQF_Glyph* client = Container->GetFirstChild()) {
    Container->LayoutChild(client, Container->GetLocalBoundingBox());
  }
}

}  // namespace

ZQF_NullContainerGlyph::ZQF_NullContainerGlyph(ZQF_Glyph* Client) {
  if (Client) AddChild(Client, false);
}

void ZQF_NullContainerGlyph::SetClient(ZQF_Glyph* Client) {
  ZQ_ASSERT_TEXT(GetFirstChild() == nullptr, "Child == NULL");
  AddChild(Client, false);
}

void ZQF_NullContainerGlyph::UpdateMyDesiredSize() {
  ZQ_ASSERT_TEXT(GetFirstChild() != nullptr, "Child");
  if (GetFirstChild()) CopyDesiredSize(DesiredSize, GetFirstChild());
}

void ZQF_NullContainerGlyph::AcceptLayout() { LayOutWhole(this); }

ZQF_ChangeableClientNullContainerGlyph::ZQF_ChangeableClientNullContainerGlyph(ZQF_Glyph* Client) {
  if (Client) AddChild(Client, false);
}

void ZQF_ChangeableClientNullContainerGlyph::SetClient(ZQF_Glyph* Client, int Disposal) {
  if (ZQF_Glyph* old = GetFirstChild()) {
    if (Disposal == Disposal_Delete) {
      DeleteChild(old);
    } else if (Disposal == Disposal_Unlink) {
      RemoveChild(old);
    } else {
      ZQ_ASSERT_TEXT(false, "false");
      return;
    }
  }
  if (!Client) return;
  AddChild(Client, false);
  Resize();
}

void ZQF_ChangeableClientNullContainerGlyph::UpdateMyDesiredSize() {
  if (GetFirstChild()) {
    CopyDesiredSize(DesiredSize, GetFirstChild());
    return;
  }
  const long most = ZQF_AlignmentGlyph::StretchMaximum;
  DesiredSize.SetX(100, 0, most);
  DesiredSize.SetY(100, 0, most);
}

void ZQF_ChangeableClientNullContainerGlyph::AcceptLayout() { LayOutWhole(this); }
