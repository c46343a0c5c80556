#include "ZQF_VerticalAdjustablePaneGlyph.h"

void ZQF_VerticalAdjustablePaneGlyph::Util_HandleClickOnSeparator() {
  SplitterDrag geometry(this);
  ZQF_HorizontalSeparatorDragOperation drag(this, geometry.GetBarPosition(), GetSplitterWidth(),
                                            geometry.GetLimit(), geometry.GetFinishCallback());
  ZQF_PerformDraggingOperation(drag);
}
