#include "ZQFO_ContentArea.h"

#include <cstdlib>

#include "ZQCG_Polygon.h"
#include "ZQFO_DistributionContext.h"
#include "ZQFO_FormattedDocument.h"
#include "ZQFO_Page.h"
#include "ZQPIC_Canvas.h"
#include "ZQ_Assertion.h"

namespace {

// D within 0 .. Extent.
double Clamped(double D, double Extent) { return D < 0 ? 0 : (D > Extent ? Extent : D); }

}  // namespace

ZQFO_ContentArea::ZQFO_ContentArea(ZQFO_Page* Page, double X, double Y, double Width, double Height,
                                   unsigned long Flags)
    : ContainingPage(Page), Area(X, Y, Width, Height), Free(0, 0, Width, Height), Flags(Flags) {}

ZQFO_ContentArea::~ZQFO_ContentArea() {
  DeleteChain(RenderObjects);
  DeleteChain(OverlayRenderObjects);
  while (FirstChild) {
    ZQFO_ContentArea* child = FirstChild;
    FirstChild = child->NextSibling;
    delete child;
  }
}

void ZQFO_ContentArea::DeleteChain(ZQFO_RenderObject* Chain) {
  while (Chain) {
    ZQFO_RenderObject* next = Chain->NextSibling;
    delete Chain;
    Chain = next;
  }
}

ZQ_Rectangle<double> ZQFO_ContentArea::CutTopStrip(double D) {
  D = Clamped(D, Free.Height);
  Free.Height -= D;
  return ZQ_Rectangle<double>(Free.X, Free.Y + Free.Height, Free.Width, D);
}

ZQ_Rectangle<double> ZQFO_ContentArea::CutBottomStrip(double D) {
  D = Clamped(D, Free.Height);
  const ZQ_Rectangle<double> strip(Free.X, Free.Y, Free.Width, D);
  Free.Y += D;
  Free.Height -= D;
  return strip;
}

ZQ_Rectangle<double> ZQFO_ContentArea::CutLeftStrip(double D) {
  D = Clamped(D, Free.Width);
  const ZQ_Rectangle<double> strip(Free.X, Free.Y, D, Free.Height);
  Free.X += D;
  Free.Width -= D;
  return strip;
}

ZQ_Rectangle<double> ZQFO_ContentArea::CutRightStrip(double D) {
  D = Clamped(D, Free.Width);
  Free.Width -= D;
  return ZQ_Rectangle<double>(Free.X + Free.Width, Free.Y, D, Free.Height);
}

ZQFO_ContentArea* ZQFO_ContentArea::MakeChild(const ZQ_Rectangle<double>& Strip) {
  ZQFO_ContentArea* child = new ZQFO_ContentArea(ContainingPage, Strip.X, Strip.Y, Strip.Width, Strip.Height, 0);
  AddChildContentArea(child);
  return child;
}

ZQFO_ContentArea* ZQFO_ContentArea::ReserveTop(double D) { return MakeChild(CutTopStrip(D)); }
ZQFO_ContentArea* ZQFO_ContentArea::ReserveBottom(double D) { return MakeChild(CutBottomStrip(D)); }
ZQFO_ContentArea* ZQFO_ContentArea::ReserveLeft(double D) { return MakeChild(CutLeftStrip(D)); }

ZQFO_ContentArea* ZQFO_ContentArea::AccessPortion(double X, double Y, double Width, double Height) {
  return MakeChild(ZQ_Rectangle<double>(X, Y, Width, Height));
}

void ZQFO_ContentArea::AddChildContentArea(ZQFO_ContentArea* ChildContentArea) {
  ZQ_ASSERT_TEXT(ChildContentArea->NextSibling == nullptr, "ChildContentArea->NextSibling == NULL");
  if (ChildContentArea->NextSibling) return;  // linking it would cut another chain
  ChildContentArea->NextSibling = FirstChild;
  ChildContentArea->Parent = this;
  FirstChild = ChildContentArea;
}

void ZQFO_ContentArea::NarrowInLine(double Amount, double Anchor) {
  if (!(Amount > 0)) return;
  const double left = Area.X, right = Area.X + Area.Width;
  for (ZQFO_ContentArea* sibling = Parent ? Parent->FirstChild : nullptr; sibling; sibling = sibling->NextSibling) {
    if (sibling == this) continue;
    if (sibling->Area.X + sibling->Area.Width <= left + 1e-9)
      sibling->Area.X += Anchor * Amount;
    else if (sibling->Area.X >= right - 1e-9)
      sibling->Area.X -= (1 - Anchor) * Amount;
  }
  Area.X += Anchor * Amount;
  Area.Width -= Amount;
}

void ZQFO_ContentArea::AddRenderObject(ZQFO_RenderObject* NewRenderObject, long Layer) {
  ZQ_ASSERT_TEXT(NewRenderObject->NextSibling == nullptr, "NewRenderObject->NextSibling == NULL");
  if (NewRenderObject->NextSibling) return;  // already in a chain, which owns it
  NewRenderObject->X += Free.X;
  NewRenderObject->Y += Free.Y;
  ZQFO_RenderObject** chain = Layer == 0 ? &RenderObjects : (Layer == 1 ? &OverlayRenderObjects : nullptr);
  if (!chain) {
    delete NewRenderObject;
    return;
  }
  NewRenderObject->NextSibling = *chain;
  *chain = NewRenderObject;
}

void ZQFO_ContentArea::SetBackgroundColor(const ZQR_Color& Color) {
  BackgroundColor = Color;
  Flags |= Flag_HasBackgroundColor;
}

ZQFO_ContentArea* ZQFO_ContentArea::GetNextArea(const ZQFO_ChapterStrings& Chapter,
                                                ZQFO_DistributionContext& Context) {
  if (Next || !(Flags & Flag_MayGeneratePage)) return Next;
  ZQ_ASSERT(ContainingPage);
  if (!ContainingPage) return nullptr;
  ZQFO_Page* page =
      ContainingPage->GetContainingDocument()->GenerateNewPage(Context, Chapter, ZQFO_Break_AsNeeded, nullptr);
  if (!page) return nullptr;
  ZQFO_ContentArea* next = page->GetFirstDefaultContentArea();
  if (!next) return nullptr;
  ZQ_ASSERT_TEXT(next->Prev == nullptr, "Next->Prev == NULL");
  Next = next;
  next->Prev = this;
  return next;
}

ZQFO_ContentArea* ZQFO_ContentArea::WalkToFlag(unsigned long Flag, const ZQFO_ChapterStrings& Chapter,
                                               ZQFO_DistributionContext& Context) {
  ZQFO_ContentArea* area = GetNextArea(Chapter, Context);
  while (area && !(area->Flags & Flag)) area = area->GetNextArea(Chapter, Context);
  return area;
}

ZQFO_ContentArea* ZQFO_ContentArea::GetFirstAreaInNextColumn(const ZQFO_ChapterStrings& Chapter,
                                                             ZQFO_DistributionContext& Context) {
  return WalkToFlag(Flag_FirstInColumn, Chapter, Context);
}

ZQFO_ContentArea* ZQFO_ContentArea::GetFirstAreaOnNextPage(const ZQFO_ChapterStrings& Chapter,
                                                           ZQFO_DistributionContext& Context) {
  return WalkToFlag(Flag_FirstOnPage, Chapter, Context);
}

ZQFO_ContentArea* ZQFO_ContentArea::GenerateExtraPageThenNext(bool WhenEven, const ZQFO_ChapterStrings& Chapter,
                                                              ZQFO_DistributionContext& Context) {
  const bool isEven = std::labs(Context.PageCount) % 2 == 0;
  if (isEven == WhenEven && ContainingPage)
    ContainingPage->GetContainingDocument()->GenerateNewPage(Context, ZQFO_ChapterStrings(), ZQFO_Break_AsNeeded,
                                                             nullptr);
  return GetFirstAreaOnNextPage(Chapter, Context);
}

ZQFO_ContentArea* ZQFO_ContentArea::GetFirstAreaOnNextEvenPage(const ZQFO_ChapterStrings& Chapter,
                                                               ZQFO_DistributionContext& Context) {
  return GenerateExtraPageThenNext(true, Chapter, Context);
}

ZQFO_ContentArea* ZQFO_ContentArea::GetFirstAreaOnNextOddPage(const ZQFO_ChapterStrings& Chapter,
                                                              ZQFO_DistributionContext& Context) {
  return GenerateExtraPageThenNext(false, Chapter, Context);
}

void ZQFO_ContentArea::Render(ZQPIC_Canvas& Canvas, double DX, double DY, long Layer) const {
  const double x = Area.X + DX, y = Area.Y + DY;
  if (!ZQ_Rectangle<double>(x, y, Area.Width, Area.Height).Intersects(Canvas.GetClipRectangle())) return;
  if (Layer == 0)
    for (ZQFO_RenderObject* object : ZQFO_ChainInOrder<ZQFO_RenderObject>(RenderObjects)) object->Render(Canvas, x, y);
  ZQFO_ChainInOrder<ZQFO_ContentArea> children(FirstChild);
  children.SortIntoReadingOrder();
  for (const ZQFO_ContentArea* child : children) child->Render(Canvas, x, y, Layer);
  if (Layer == 1)
    for (ZQFO_RenderObject* object : ZQFO_ChainInOrder<ZQFO_RenderObject>(OverlayRenderObjects))
      object->Render(Canvas, x, y);
}

void ZQFO_ContentArea::RenderBackground(ZQPIC_Canvas& Canvas, double DX, double DY,
                                        const ZQR_Color& EnclosingColor) const {
  const double x = Area.X + DX, y = Area.Y + DY;
  const ZQ_Rectangle<double> rectangle(x, y, Area.Width, Area.Height);
  if (!rectangle.Intersects(Canvas.GetClipRectangle())) return;
  if ((Flags & Flag_HasBackgroundColor) && BackgroundColor != EnclosingColor) {
    Canvas.SetBackgroundColor(BackgroundColor);
    Canvas.CanvasDraw(ZQCG_Polygon(rectangle));
  }
  for (const ZQFO_ContentArea* child = FirstChild; child; child = child->NextSibling)
    child->RenderBackground(Canvas, x, y, BackgroundColor);
}

void ZQFO_ContentArea::SearchForContentAreaById(const ZQ_String& Id, ZQFO_ContentArea_SearchResult& Result,
                                                double DX, double DY) const {
  const double x = Area.X + DX, y = Area.Y + DY;
  ZQ_String wrapped = "{";
  wrapped += Id;
  wrapped += "}";
  if (!IdPath.IsEmpty() && IdPath.Contains(wrapped)) {
    const ZQ_Rectangle<double> rectangle(x, y, Area.Width, Area.Height);
    Result.Rectangle = Result.Found ? ZQ_Rectangle<double>::Union(Result.Rectangle, rectangle) : rectangle;
    Result.Found = true;
    return;
  }
  for (const ZQFO_ContentArea* child = FirstChild; child; child = child->NextSibling)
    child->SearchForContentAreaById(Id, Result, x, y);
}

void ZQFO_ContentArea::CollectWordInfo(ZQ_Array<ZQFO_WordInfo>& Words, long& Count, double DX, double DY) const {
  const double x = Area.X + DX, y = Area.Y + DY;
  for (ZQFO_RenderObject* object = RenderObjects; object; object = object->NextSibling)
    object->CollectWordInfo(Words, Count, x, y);
  for (const ZQFO_ContentArea* child = FirstChild; child; child = child->NextSibling)
    child->CollectWordInfo(Words, Count, x, y);
}
