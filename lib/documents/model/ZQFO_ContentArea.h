// ZQFO_ContentArea.h: a rectangle of a page into which blocks put render
// objects. Smaller areas are cut from its free part (a reserved strip, a
// portion) and become its children; areas are chained in reading order
// across columns and pages, the chain growing a page at a time through the
// formatted document. Lengths in millimetres, y upward, relative to the
// parent area's origin. An area owns its children and render objects; the
// page and the chain links are borrowed. Chain faults are assertions. UI
// thread only.
#ifndef ZQFO_CONTENTAREA_H
#define ZQFO_CONTENTAREA_H

#include <algorithm>
#include <vector>

#include "ZQFO_RenderObject.h"
#include "ZQFO_TableOfContents.h"
#include "ZQR_Color.h"
#include "ZQ_Array.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"
#include "ZQ_String.h"

class ZQFO_DistributionContext;
class ZQFO_Page;
class ZQPIC_Canvas;

// The outcome of an id search: whether any area matched and the union of
// the matching areas' rectangles (page millimetres).
struct ZQFO_ContentArea_SearchResult {
  bool Found = false;
  ZQ_Rectangle<double> Rectangle;
};

// The nodes of a sibling chain (render objects or areas, kept newest
// first) in the order they were added, through begin and end. A view: the
// chain must not change while it lives.
template <class Node>
class ZQFO_ChainInOrder {
 public:
  explicit ZQFO_ChainInOrder(Node* First) {
    for (Node* node = First; node; node = node->NextSibling) {
      if (Count == kInline) Many.assign(Inline, Inline + kInline);
      if (Count < kInline)
        Inline[Count] = node;
      else
        Many.push_back(node);
      ++Count;
    }
    Nodes = Count > kInline ? Many.data() : Inline;
    std::reverse(Nodes, Nodes + Count);
  }
  ZQFO_ChainInOrder(const ZQFO_ChainInOrder&) = delete;
  ZQFO_ChainInOrder& operator=(const ZQFO_ChainInOrder&) = delete;

  // Areas in reading order: by their top edge from the top down, then by
  // their left edge, in the order of adding among equals. Layout adds them
  // nearly so (only frames reserved at a page's foot come early), so this
  // costs about one pass.
  void SortIntoReadingOrder() {
    auto isBefore = [](const Node* A, const Node* B) {
      const double topA = A->Area.Y + A->Area.Height, topB = B->Area.Y + B->Area.Height;
      return topA > topB || (topA == topB && A->Area.X < B->Area.X);
    };
    for (size_t i = 1; i < Count; ++i) {
      Node* node = Nodes[i];
      size_t j = i;
      for (; j > 0 && isBefore(node, Nodes[j - 1]); --j) Nodes[j] = Nodes[j - 1];
      Nodes[j] = node;
    }
  }
  Node* const* begin() const { return Nodes; }
  Node* const* end() const { return Nodes + Count; }

 private:
  static const size_t kInline = 64;
  Node* Inline[kInline];
  std::vector<Node*> Many;
  Node** Nodes = nullptr;
  size_t Count = 0;
};

class ZQFO_ContentArea {
 public:
  // Flags.
  static const unsigned long Flag_MayGeneratePage = 0x1;  // the chain may grow a page after it
  static const unsigned long Flag_FirstOnPage = 0x2;
  static const unsigned long Flag_FirstInColumn = 0x4;
  static const unsigned long Flag_HasBackgroundColor = 0x10000;

  ZQFO_ContentArea(ZQFO_Page* Page, double X, double Y, double Width, double Height, unsigned long Flags);
  // Deletes both render-object chains and the child areas; Next is left.
  ~ZQFO_ContentArea();
  ZQFO_ContentArea(const ZQFO_ContentArea&) = delete;
  ZQFO_ContentArea& operator=(const ZQFO_ContentArea&) = delete;

  // ---- The free part
  double GetFreeWidth() const { return Free.Width; }
  double GetFreeHeight() const { return Free.Height; }
  ZQ_Point<double> GetFreeSize() const { return {Free.Width, Free.Height}; }
  ZQ_Point<double> GetExtent() const { return GetFreeSize(); }
  const ZQ_Rectangle<double>& GetFree() const { return Free; }
  // Each cuts a strip of D (clamped to 0 .. the free extent) off one side
  // of the free part and returns the strip, in the area's coordinates.
  ZQ_Rectangle<double> CutTopStrip(double D);
  ZQ_Rectangle<double> CutBottomStrip(double D);
  ZQ_Rectangle<double> CutLeftStrip(double D);
  ZQ_Rectangle<double> CutRightStrip(double D);
  // Cut the strip and make it a child area (flags 0), returned (owned by
  // this area).
  ZQFO_ContentArea* ReserveTop(double D);
  ZQFO_ContentArea* ReserveBottom(double D);
  ZQFO_ContentArea* ReserveLeft(double D);
  // A child area over that rectangle; the free part stays.
  ZQFO_ContentArea* AccessPortion(double X, double Y, double Width, double Height);
  // Takes ownership; asserts "ChildContentArea->NextSibling == NULL".
  void AddChildContentArea(ZQFO_ContentArea* ChildContentArea);
  // Takes Amount off the width of this area of a laid-out line, when what
  // it reserved room for turned out narrower (a page number): the point at
  // Anchor (0 left, 0.5 centre, 1 right) stays where it is and the siblings
  // on either side close up toward it. Nothing for Amount <= 0.
  void NarrowInLine(double Amount, double Anchor);
  // Takes ownership, moves the object by the free part's origin, layer 0
  // (base) or 1 (overlay); other layers drop (and delete) it. Asserts
  // "NewRenderObject->NextSibling == NULL".
  void AddRenderObject(ZQFO_RenderObject* NewRenderObject, long Layer);

  void SetBackgroundColor(const ZQR_Color& Color);
  void SetLinkTarget(const ZQ_String& Target) { LinkTarget = Target; }
  void SetIdPath(const ZQ_String& Path) { IdPath = Path; }
  void SetId(const ZQ_String& Path) { SetIdPath(Path); }
  const ZQ_String& GetLinkTarget() const { return LinkTarget; }
  const ZQ_String& GetIdPath() const { return IdPath; }

  // ---- The chain
  // Next; past the end, when the area may generate a page, a new page's
  // first area (with Chapter handed to the page sequence), linked both ways.
  // Null at the end otherwise.
  ZQFO_ContentArea* GetNextArea(const ZQFO_ChapterStrings& Chapter, ZQFO_DistributionContext& Context);
  ZQFO_ContentArea* GetFirstAreaInNextColumn(const ZQFO_ChapterStrings& Chapter, ZQFO_DistributionContext& Context);
  ZQFO_ContentArea* GetFirstAreaOnNextPage(const ZQFO_ChapterStrings& Chapter, ZQFO_DistributionContext& Context);
  // First one empty page when the document's page count is even (odd).
  ZQFO_ContentArea* GetFirstAreaOnNextEvenPage(const ZQFO_ChapterStrings& Chapter,
                                               ZQFO_DistributionContext& Context);
  ZQFO_ContentArea* GetFirstAreaOnNextOddPage(const ZQFO_ChapterStrings& Chapter,
                                              ZQFO_DistributionContext& Context);

  // ---- Drawing and queries, with the parent's origin at (DX, DY)
  // Layer 0 draws the base objects before the children, layer 1 the overlay
  // after them; objects in the order they were added, children in reading
  // order (ZQFO_ChainInOrder), so that text readers of a print job get the
  // words as they are read. An area outside the canvas's clip is skipped
  // with its tree.
  void Render(ZQPIC_Canvas& Canvas, double DX, double DY, long Layer) const;
  // Fills the areas whose colour differs from the enclosing one.
  void RenderBackground(ZQPIC_Canvas& Canvas, double DX, double DY, const ZQR_Color& EnclosingColor) const;
  // Areas whose id path holds "{" Id "}", their subtrees not searched.
  void SearchForContentAreaById(const ZQ_String& Id, ZQFO_ContentArea_SearchResult& Result, double DX,
                                double DY) const;
  void CollectWordInfo(ZQ_Array<ZQFO_WordInfo>& Words, long& Count, double DX, double DY) const;
  static void DeleteChain(ZQFO_RenderObject* Chain);

  ZQFO_Page* ContainingPage;
  ZQ_Rectangle<double> Area;
  ZQ_Rectangle<double> Free;
  ZQR_Color BackgroundColor;  // black until set
  unsigned long Flags;
  ZQFO_ContentArea* Next = nullptr;
  ZQFO_ContentArea* Prev = nullptr;
  ZQFO_ContentArea* Parent = nullptr;  // borrowed; null outside a parent
  ZQFO_ContentArea* FirstChild = nullptr;
  ZQFO_ContentArea* NextSibling = nullptr;
  ZQFO_RenderObject* RenderObjects = nullptr;
  ZQFO_RenderObject* OverlayRenderObjects = nullptr;
  ZQ_String LinkTarget;
  ZQ_String IdPath;

 private:
  ZQFO_ContentArea* MakeChild(const ZQ_Rectangle<double>& Strip);
  ZQFO_ContentArea* WalkToFlag(unsigned long Flag, const ZQFO_ChapterStrings& Chapter,
                               ZQFO_DistributionContext& Context);
  ZQFO_ContentArea* GenerateExtraPageThenNext(bool WhenEven, const ZQFO_ChapterStrings& Chapter,
                                              ZQFO_DistributionContext& Context);
};

#endif
