// ZQF_AlignmentGlyph.h: rows and columns, the main arrangers of the toolkit.
// ZQF_AlignmentGlyph holds what both share: the gap between neighbours, the
// rule for the cross-axis maximum, the ways of adding a child and the one
// distribution algorithm that turns the children's desired sizes and the
// container's extent into a position and size for every child. A row places
// its children left to right, a column top to bottom; a column draws only the
// children that meet the clip box, so long columns draw in proportion to what
// is visible. Every sum of sizes is capped at StretchMaximum.
#ifndef ZQF_ALIGNMENTGLYPH_H
#define ZQF_ALIGNMENTGLYPH_H

#include "ZQF_Glyph.h"
#include "ZQ_Array.h"

class ZQF_AlignmentGlyph : public ZQF_OrganizationalGlyph {
 public:
  // The stand-in for an unbounded sum of sizes.
  static constexpr long StretchMaximum = 0x20000000;

  ZQF_AlignmentGlyph() = default;

  virtual void AddToStart(ZQF_Glyph* Child);
  virtual void AddToEnd(ZQF_Glyph* Child);
  virtual void AddBefore(ZQF_Glyph* Child, ZQF_Glyph* ExistingChild);
  virtual void AddAfter(ZQF_Glyph* Child, ZQF_Glyph* ExistingChild);

  // Neither requests a layout: callers set them while building the tree.
  void SetSpacing(long Pixels) { Spacing = Pixels; }
  long GetSpacing() const { return Spacing; }
  // 1: the cross maximum is the largest child maximum; else the smallest.
  void SetCrossAxisStretchMode(long Mode) { CrossAxisStretchMode = Mode; }
  long GetCrossAxisStretchMode() const { return CrossAxisStretchMode; }

  // Distributes MainExtent among Count children along the main axis by
  // their naturals, minimums and maximums (stretching or shrinking in
  // proportion, one correction pass for rounding), puts gaps only around
  // children of non-zero natural size, and sizes each child across the axis
  // up to its cross maximum, placed by Alignment (0 start, 1 centre, 2 end).
  // The four outputs must hold Count elements.
  static void ProcessAcceptLayout(long MainExtent, long CrossExtent, long Count, long Alignment,
                                  long Spacing, const ZQ_Array<long>& Naturals,
                                  const ZQ_Array<long>& Minimums, const ZQ_Array<long>& Maximums,
                                  const ZQ_Array<long>& CrossMaximums,
                                  ZQ_Array<long>& MainPositions, ZQ_Array<long>& MainSizes,
                                  ZQ_Array<long>& CrossPositions, ZQ_Array<long>& CrossSizes);

  // A + B capped at StretchMaximum.
  static long CappedSum(long A, long B) {
    const long long sum = static_cast<long long>(A) + B;
    return sum > StretchMaximum ? StretchMaximum : static_cast<long>(sum);
  }

 protected:
  // The desired size along the main axis (Horizontal: X) and across it.
  void UpdateAlignedDesiredSize(bool Horizontal);
  // Collects the children's sizes and lays them out along X or Y.
  void LayOutAligned(bool Horizontal, long Alignment);
  static void AssertAlignment(long Alignment);

 private:
  long Spacing = 0;
  long CrossAxisStretchMode = 1;
};

class ZQF_RowGlyph : public ZQF_AlignmentGlyph {
 public:
  // Alignment: 0 top, 1 centred, 2 bottom.
  explicit ZQF_RowGlyph(long Alignment = 0);
  void AddToLeft(ZQF_Glyph* Child) { AddToStart(Child); }
  void AddToRight(ZQF_Glyph* Child) { AddToEnd(Child); }
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;

 private:
  long Alignment;
};

class ZQF_ColumnGlyph : public ZQF_AlignmentGlyph {
 public:
  // Alignment: 0 left, 1 centred, 2 right.
  explicit ZQF_ColumnGlyph(long Alignment = 0);
  void AddToTop(ZQF_Glyph* Child) { AddToStart(Child); }
  void AddToBottom(ZQF_Glyph* Child) { AddToEnd(Child); }
  // Draws only the children that meet the clip box.
  void DrawChildren(ZQF_Canvas& Canvas) override;
  void UpdateMyDesiredSize() override;
  void AcceptLayout() override;

 private:
  long Alignment;
};

#endif
