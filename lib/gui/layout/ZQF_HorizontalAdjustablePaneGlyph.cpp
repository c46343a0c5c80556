#include "ZQF_HorizontalAdjustablePaneGlyph.h"

void ZQF_HorizontalAdjustablePaneGlyph::Util_HandleClickOnSeparator() {
  SplitterDrag geometry(this);
  ZQF_VerticalSeparatorDragOperation drag(this, geometry.GetBarPosition(), GetSplitterWidth(),
                                          geometry.GetLimit(), geometry.GetFinishCallback());
  ZQF_PerformDraggingOperation(drag);
}
