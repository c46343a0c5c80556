// ZQFO_Page.h: one laid-out page: its options (background) and its
// top-level content areas, which it owns. Drawing, point queries, id
// searches and word collection go down the area trees. Millimetres, y
// upward. The containing document is borrowed. UI thread only.
#ifndef ZQFO_PAGE_H
#define ZQFO_PAGE_H

#include "ZQFO_ContentArea.h"
#include "ZQFO_FormattingOptions.h"
#include "ZQ_Array.h"
#include "ZQ_Point.h"
#include "ZQ_String.h"

class ZQFO_FormattedDocument;
class ZQPIC_Canvas;

// The areas that contain a point, innermost first.
struct ZQFO_Page_HelperStruct {
  ZQ_AutosizeArray<const ZQFO_ContentArea*> Areas;
  long NumAreas = 0;
  // Appends the first child of Area (at each level) containing Point, deepest
  // first, then Area; Point is in Area's parent's coordinates.
  void AddContainingContentAreas(const ZQFO_ContentArea& Area, ZQ_Point<double> Point);
};

class ZQFO_Page {
 public:
  ZQFO_Page(const ZQFO_FormattingOptions& Options, ZQFO_FormattedDocument* ContainingDocument)
      : Options(Options), ContainingDocument(ContainingDocument) {}
  ~ZQFO_Page();
  ZQFO_Page(const ZQFO_Page&) = delete;
  ZQFO_Page& operator=(const ZQFO_Page&) = delete;

  // Takes ownership of Area, at the front of the chain. Asserts
  // "TopLevelContentArea->NextSibling == NULL". The first area added with
  // an empty Id is the page's default area.
  void AddTopLevelContentArea(ZQFO_ContentArea* TopLevelContentArea, const ZQ_String& Id);
  // Asserts "FirstDefaultContentArea" when there is none (null then).
  ZQFO_ContentArea* GetFirstDefaultContentArea() const;
  ZQFO_FormattedDocument* GetContainingDocument() const { return ContainingDocument; }
  const ZQFO_FormattingOptions& GetOptions() const { return Options; }
  const ZQFO_ContentArea* GetTopLevelContentAreas() const { return TopLevelContentAreas; }

  // Default graphics state, the page cleared with its background colour
  // when that is opaque, the area backgrounds, then every area's base layer
  // before any area's overlay. Offset in millimetres.
  void Render(ZQPIC_Canvas& Canvas, const ZQ_Point<double>& Offset) const;
  // The innermost non-empty link target at Point; empty when none.
  ZQ_String GetLinkTargetAtPoint(const ZQ_Point<double>& Point) const;
  // Containment is half-open: left and top edges in, right and bottom out.
  ZQFO_Page_HelperStruct GetContentAreasContainingPoint(const ZQ_Point<double>& Point) const;
  void SearchForContentAreaById(const ZQ_String& Id, ZQFO_ContentArea_SearchResult& Result) const;
  void CollectWordInfo(ZQ_Array<ZQFO_WordInfo>& Words, long& Count) const;

 private:
  ZQFO_FormattingOptions Options;
  ZQFO_FormattedDocument* ContainingDocument;
  ZQFO_ContentArea* TopLevelContentAreas = nullptr;
  ZQFO_ContentArea* FirstDefaultContentArea = nullptr;
};

#endif
