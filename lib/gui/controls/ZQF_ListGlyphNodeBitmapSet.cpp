#include "ZQF_ListGlyphNodeBitmapSet.h"

#include <memory>

#include "ZQF_Metrics.h"
#include "ZQLOW_WINGDI.h"
#include "ZQR_MemoryDC.h"

namespace {

// Declared plain, Win95, subtle: destroyed in the reverse order at exit.
struct SharedSets {
  std::unique_ptr<ZQF_ListGlyphNodeBitmapSet> Plain;
  std::unique_ptr<ZQF_ListGlyphNodeBitmapSet> Win95;
  std::unique_ptr<ZQF_ListGlyphNodeBitmapSet> Subtle;
};

SharedSets& GetSets() {
  static SharedSets s_sets;
  return s_sets;
}

template <class Set>
ZQF_ListGlyphNodeBitmapSet* MadeOnFirstUse(std::unique_ptr<ZQF_ListGlyphNodeBitmapSet>& Slot) {
  if (!Slot) Slot.reset(new Set);
  return Slot.get();
}

// Node state 0 open, 1 closed, anything else no children.
const ZQR_TransparentBitmap& ByNodeState(int NodeState, const ZQR_TransparentBitmap& Open,
                                         const ZQR_TransparentBitmap& Closed,
                                         const ZQR_TransparentBitmap& NoChildren) {
  return NodeState == 0 ? Open : NodeState == 1 ? Closed : NoChildren;
}

// A 32-bit DIB section copy of a bitmap. Wine blits a device-dependent
// bitmap slowly each time it is selected into a fresh context (about
// 0.25 ms for a 9 x 9 box, 0.5 ms drawn transparently); a DIB section draws
// about five times faster, and a tree draws one box per row.
ZQR_Bitmap AsDibSection(const ZQR_Bitmap& Bitmap) {
  const ZQ_Point<long> size = Bitmap.GetSize();
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), size.X, -size.Y, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  ZQR_Bitmap copy(ZQLOW_WINGDI::CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  const ZQR_MemoryDC source(nullptr, Bitmap.GetHBITMAP());
  copy.BitBlt(source.GetHDC(), 0, 0);
  return copy;
}

}  // namespace

ZQF_ListGlyphNodeBitmapSet::~ZQF_ListGlyphNodeBitmapSet() = default;

ZQF_ListGlyphNodeBitmapSet* ZQF_ListGlyphNodeBitmapSet::GetSharedSet(int Code) {
  SharedSets& sets = GetSets();
  switch (Code) {
    case 1: return MadeOnFirstUse<ZQF_PlainListGlyphNodeBitmapSet>(sets.Plain);
    case 2: return MadeOnFirstUse<ZQF_Win95ListGlyphNodeBitmapSet>(sets.Win95);
    case 3: return MadeOnFirstUse<ZQF_SubtleListGlyphNodeBitmapSet>(sets.Subtle);
    default: return nullptr;
  }
}

void ZQF_ListGlyphNodeBitmapSet::DeleteSharedSets() {
  SharedSets& sets = GetSets();
  sets.Subtle.reset();
  sets.Win95.reset();
  sets.Plain.reset();
}

ZQR_TransparentBitmap ZQF_ListGlyphNodeBitmapSet::LoadAdapted(const char* ResourceName,
                                                              bool Subtle) {
  ZQR_Bitmap bitmap = AsDibSection(ZQR_Bitmap(ZQ_String(ResourceName)));
  if (Subtle) {
    bitmap.ReplaceColor(ZQR_Color(0, 255, 255), ZQF_GetColorMetric(ZQF_ColorMetric_FieldBackground));
  } else {
    bitmap.ReplaceColor(ZQR_Color(164, 164, 164), ZQF_GetColorMetric(ZQF_ColorMetric_FieldBackground));
    bitmap.ReplaceColor(ZQR_Color(255, 0, 255), ZQF_GetColorMetric(ZQF_ColorMetric_FieldText));
  }
  return ZQR_TransparentBitmap(bitmap, ZQR_Color_LightGray);
}

ZQF_PlainListGlyphNodeBitmapSet::ZQF_PlainListGlyphNodeBitmapSet()
    : NoChildrenNoFocus(LoadAdapted("ZQF_Plain_NoChildrenNoFocusBitmap", false)),
      ClosedNoFocus(LoadAdapted("ZQF_Plain_ClosedNoFocusBitmap", false)),
      OpenNoFocus(LoadAdapted("ZQF_Plain_OpenNoFocusBitmap", false)),
      NoChildrenFocus(LoadAdapted("ZQF_Plain_NoChildrenFocusBitmap", false)),
      ClosedFocus(LoadAdapted("ZQF_Plain_ClosedFocusBitmap", false)),
      OpenFocus(LoadAdapted("ZQF_Plain_OpenFocusBitmap", false)) {}

ZQR_TransparentBitmap ZQF_PlainListGlyphNodeBitmapSet::GetBitmap(
    const ZQF_ListGlyphElementDrawState& State) {
  if (State.FocusState == 0) return ByNodeState(State.NodeState, OpenFocus, ClosedFocus, NoChildrenFocus);
  return ByNodeState(State.NodeState, OpenNoFocus, ClosedNoFocus, NoChildrenNoFocus);
}

ZQF_Win95ListGlyphNodeBitmapSet::ZQF_Win95ListGlyphNodeBitmapSet()
    : NoChildren(LoadAdapted("ZQF_Win95_NoChildrenBitmap", false)),
      Closed(LoadAdapted("ZQF_Win95_ClosedBitmap", false)),
      OpenBitmap(LoadAdapted("ZQF_Win95_OpenBitmap", false)) {}

ZQR_TransparentBitmap ZQF_Win95ListGlyphNodeBitmapSet::GetBitmap(
    const ZQF_ListGlyphElementDrawState& State) {
  return ByNodeState(State.NodeState, OpenBitmap, Closed, NoChildren);
}

ZQF_SubtleListGlyphNodeBitmapSet::ZQF_SubtleListGlyphNodeBitmapSet()
    : NoChildren(LoadAdapted("ZQF_Subtle_NoChildrenBitmap", true)),
      Closed(LoadAdapted("ZQF_Subtle_ClosedBitmap", true)),
      OpenBitmap(LoadAdapted("ZQF_Subtle_OpenBitmap", true)) {}

ZQR_TransparentBitmap ZQF_SubtleListGlyphNodeBitmapSet::GetBitmap(
    const ZQF_ListGlyphElementDrawState& State) {
  return ByNodeState(State.NodeState, OpenBitmap, Closed, NoChildren);
}
