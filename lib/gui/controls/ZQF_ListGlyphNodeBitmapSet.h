// ZQF_ListGlyphNodeBitmapSet.h: the small pictures left of a tree's rows
// that tell open, closed and childless nodes apart, in three looks (plain,
// Win95, subtle). Each look is one program-wide set, made on first use from
// the program's bitmap resources, its key colours replaced once by the
// colour metrics of that moment, and shared by every list; the sets go at
// program exit, subtle first, then Win95, then plain. Pictures are drawn
// with (192, 192, 192) transparent. UI thread only.
#ifndef ZQF_LISTGLYPHNODEBITMAPSET_H
#define ZQF_LISTGLYPHNODEBITMAPSET_H

#include "ZQF_ListGlyphElement.h"
#include "ZQR_TransparentBitmap.h"

class ZQF_ListGlyphNodeBitmapSet {
 public:
  virtual ~ZQF_ListGlyphNodeBitmapSet();
  virtual ZQR_TransparentBitmap GetBitmap(const ZQF_ListGlyphElementDrawState& State) = 0;

  // The shared set of a code (1 plain, 2 Win95, 3 subtle), made on first
  // use; null for any other code.
  static ZQF_ListGlyphNodeBitmapSet* GetSharedSet(int Code);
  // Deletes the shared sets (subtle, Win95, plain); the next use makes them
  // again with the colours of then. Called at exit, and by tests.
  static void DeleteSharedSets();

 protected:
  // Loads a resource and adapts it: in the plain and Win95 looks grey
  // (164, 164, 164) becomes the window background and magenta the window
  // text; in the subtle look cyan becomes the window background.
  static ZQR_TransparentBitmap LoadAdapted(const char* ResourceName, bool Subtle);
};

class ZQF_PlainListGlyphNodeBitmapSet : public ZQF_ListGlyphNodeBitmapSet {
 public:
  ZQF_PlainListGlyphNodeBitmapSet();
  // Focus state 0 takes the focus pictures; node state 0 open, 1 closed, 2 none.
  ZQR_TransparentBitmap GetBitmap(const ZQF_ListGlyphElementDrawState& State) override;

 private:
  ZQR_TransparentBitmap NoChildrenNoFocus, ClosedNoFocus, OpenNoFocus;
  ZQR_TransparentBitmap NoChildrenFocus, ClosedFocus, OpenFocus;
};

class ZQF_Win95ListGlyphNodeBitmapSet : public ZQF_ListGlyphNodeBitmapSet {
 public:
  ZQF_Win95ListGlyphNodeBitmapSet();
  ZQR_TransparentBitmap GetBitmap(const ZQF_ListGlyphElementDrawState& State) override;

 private:
  ZQR_TransparentBitmap NoChildren, Closed, OpenBitmap;
};

class ZQF_SubtleListGlyphNodeBitmapSet : public ZQF_ListGlyphNodeBitmapSet {
 public:
  ZQF_SubtleListGlyphNodeBitmapSet();
  ZQR_TransparentBitmap GetBitmap(const ZQF_ListGlyphElementDrawState& State) override;

 private:
  ZQR_TransparentBitmap NoChildren, Closed, OpenBitmap;
};

#endif
