#include "ZQFO_Page.h"

#include "ZQPIC_Canvas.h"
#include "ZQ_Assertion.h"

ZQFO_Page::~ZQFO_Page() {
  while (TopLevelContentAreas) {
    ZQFO_ContentArea* area = TopLevelContentAreas;
    TopLevelContentAreas = area->NextSibling;
    delete area;
  }
}

void ZQFO_Page::AddTopLevelContentArea(ZQFO_ContentArea* TopLevelContentArea, const ZQ_String& Id) {
  ZQ_ASSERT_TEXT(TopLevelContentArea->NextSibling == nullptr, "TopLevelContentArea->NextSibling == NULL");
  if (TopLevelContentArea->NextSibling) return;
  TopLevelContentArea->NextSibling = TopLevelContentAreas;
  TopLevelContentAreas = TopLevelContentArea;
  if (Id.IsEmpty() && !FirstDefaultContentArea) FirstDefaultContentArea = TopLevelContentArea;
}

ZQFO_ContentArea* ZQFO_Page::GetFirstDefaultContentArea() const {
  ZQ_ASSERT(FirstDefaultContentArea);
  return FirstDefaultContentArea;
}

void ZQFO_Page::Render(ZQPIC_Canvas& Canvas, const ZQ_Point<double>& Offset) const {
  Canvas.SetToDefaultGraphicsState();
  if (Options->BackgroundColorMode == 0) Canvas.Clear(Options->BackgroundColor);
  for (const ZQFO_ContentArea* area = TopLevelContentAreas; area; area = area->NextSibling)
    area->RenderBackground(Canvas, Offset.X, Offset.Y, Options->BackgroundColor);
  ZQFO_ChainInOrder<ZQFO_ContentArea> areas(TopLevelContentAreas);
  areas.SortIntoReadingOrder();
  for (long layer = 0; layer < 2; ++layer)
    for (const ZQFO_ContentArea* area : areas) area->Render(Canvas, Offset.X, Offset.Y, layer);
}

void ZQFO_Page_HelperStruct::AddContainingContentAreas(const ZQFO_ContentArea& Area, ZQ_Point<double> Point) {
  Point.X -= Area.Area.X;
  Point.Y -= Area.Area.Y;
  for (const ZQFO_ContentArea* child = Area.FirstChild; child; child = child->NextSibling)
    if (child->Area.Contains(Point)) {
      AddContainingContentAreas(*child, Point);
      break;
    }
  Areas[NumAreas++] = &Area;
}

ZQFO_Page_HelperStruct ZQFO_Page::GetContentAreasContainingPoint(const ZQ_Point<double>& Point) const {
  ZQFO_Page_HelperStruct result;
  for (const ZQFO_ContentArea* area = TopLevelContentAreas; area; area = area->NextSibling)
    if (area->Area.Contains(Point)) result.AddContainingContentAreas(*area, Point);
  return result;
}

ZQ_String ZQFO_Page::GetLinkTargetAtPoint(const ZQ_Point<double>& Point) const {
  const ZQFO_Page_HelperStruct areas = GetContentAreasContainingPoint(Point);
  for (long i = 0; i < areas.NumAreas; ++i)
    if (!areas.Areas[i]->LinkTarget.IsEmpty()) return areas.Areas[i]->LinkTarget;
  return ZQ_String();
}

void ZQFO_Page::SearchForContentAreaById(const ZQ_String& Id, ZQFO_ContentArea_SearchResult& Result) const {
  for (const ZQFO_ContentArea* area = TopLevelContentAreas; area; area = area->NextSibling)
    area->SearchForContentAreaById(Id, Result, 0, 0);
}

void ZQFO_Page::CollectWordInfo(ZQ_Array<ZQFO_WordInfo>& Words, long& Count) const {
  for (const ZQFO_ContentArea* area = TopLevelContentAreas; area; area = area->NextSibling)
    area->CollectWordInfo(Words, Count, 0, 0);
}
