#include "ZQF_SecondaryTopLevelGlyph.h"

bool ZQF_SecondaryTopLevelGlyph::IsMainOrSecondaryWindowRoot() const { return true; }
